#include "XML_Tree.h"

void XML_Tree::AddElement(CString strName)
{
    if (!m_pRoot) {
        m_pRoot = new XML_Node(nullptr, strName);
        m_pCurrent = m_pRoot;
    } else if (m_pCurrent) {
        m_pCurrent = new XML_Node(m_pCurrent, strName);
    }
}

void XML_Tree::AddValue(CString strValue)
{
    if (m_pCurrent)
        m_pCurrent->AddValue(strValue);
}

void XML_Tree::AddValue(int nValue)
{
    CString s;
    s.Format(L"%d", nValue);
    AddValue(s);
}

void XML_Tree::AddValue(long nValue)
{
    CString s;
    s.Format(L"%ld", nValue);
    AddValue(s);
}

void XML_Tree::EndElement()
{
    if (m_pCurrent)
        m_pCurrent = m_pCurrent->GetParent();
}
