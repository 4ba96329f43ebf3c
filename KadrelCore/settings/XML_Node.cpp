#include "XML_Node.h"

#include <climits>

namespace {

const size_t kCursorUnset = static_cast<size_t>(-1);

bool IsWtoiSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

long long LeadingNumber(const CString& s)
{
    const int n = s.GetLength();
    int i = 0;
    while (i < n && IsWtoiSpace(s.GetAt(i)))
        ++i;
    bool negative = false;
    if (i < n && (s.GetAt(i) == L'+' || s.GetAt(i) == L'-'))
        negative = s.GetAt(i++) == L'-';
    long long v = 0;
    for (; i < n && s.GetAt(i) >= L'0' && s.GetAt(i) <= L'9'; ++i) {
        if (v <= INT_MAX)
            v = v * 10 + (s.GetAt(i) - L'0');
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return v;
}

} // namespace

XML_Node::XML_Node(XML_Node* pParent, CString strName)
    : m_strName(strName), m_pParent(pParent), m_itChild(kCursorUnset)
{
    if (pParent)
        pParent->AddChild(this);
}

XML_Node::~XML_Node()
{
    // Iterative, so that a deeply nested tree read from a damaged file
    // cannot exhaust the stack: children are detached before deletion.
    std::vector<XML_Node*> pending;
    pending.swap(m_children);
    while (!pending.empty()) {
        XML_Node* p = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), p->m_children.begin(), p->m_children.end());
        p->m_children.clear();
        delete p;
    }
}

int XML_Node::GetValueAsInt() const
{
    return static_cast<int>(LeadingNumber(m_strValue));
}

long XML_Node::GetValueAsLong() const
{
    return static_cast<long>(LeadingNumber(m_strValue));
}

XML_Node* XML_Node::GetSubItem(CString strName) const
{
    for (XML_Node* p : m_children)
        if (p->m_strName == strName)
            return p;
    return nullptr;
}

XML_Node* XML_Node::GetFirstSubItem()
{
    m_itChild = 0;
    return m_children.empty() ? nullptr : m_children[0];
}

XML_Node* XML_Node::GetNextSubItem()
{
    if (m_itChild == kCursorUnset || m_itChild >= m_children.size())
        return nullptr;
    ++m_itChild;
    return m_itChild < m_children.size() ? m_children[m_itChild] : nullptr;
}
