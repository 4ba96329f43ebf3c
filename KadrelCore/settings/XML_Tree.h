#pragma once
#include "XML_Node.h"

// A settings tree and the builder that appends elements in document order.
class KDCORE_API XML_Tree
{
public:
    XML_Tree() = default;
    virtual ~XML_Tree() { delete m_pRoot; }
    XML_Tree(const XML_Tree&) = delete;
    XML_Tree& operator=(const XML_Tree&) = delete;

    XML_Node* GetRoot() const { return m_pRoot; }

    // Opens a new element under the open one (the root when the tree is
    // empty). After the root has been closed, further elements are dropped.
    void AddElement(CString strName);
    // Sets the open element's value; ignored when none is open.
    void AddValue(CString strValue);
    void AddValue(int nValue);
    void AddValue(long nValue);
    // Closes the open element; ignored when none is open.
    void EndElement();

protected:
    XML_Node* m_pRoot = nullptr;
    XML_Node* m_pCurrent = nullptr;
};
