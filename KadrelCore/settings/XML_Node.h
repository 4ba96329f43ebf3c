#pragma once
#include "../../framework/CString.h"
#include "../KadrelCoreApi.h"

#include <vector>

// One element of a settings tree: a name, at most one text value and any
// number of children, which it owns.
class KDCORE_API XML_Node
{
public:
    // Appends itself to the parent's children when a parent is given.
    XML_Node(XML_Node* pParent, CString strName);
    virtual ~XML_Node();
    XML_Node(const XML_Node&) = delete;
    XML_Node& operator=(const XML_Node&) = delete;

    CString GetName() const { return m_strName; }
    CString GetValue() const { return m_strValue; }
    XML_Node* GetParent() const { return m_pParent; }

    // Replaces the value.
    void AddValue(CString strValue) { m_strValue = strValue; }
    // The leading number of the value, as _wtoi reads it: white space
    // skipped, optional sign, digits; 0 without digits; saturates at the
    // 32-bit range.
    int GetValueAsInt() const;
    long GetValueAsLong() const;

    // First child with exactly this name (case-sensitive), or NULL.
    XML_Node* GetSubItem(CString strName) const;
    // Child cursor; GetNextSubItem is valid after GetFirstSubItem.
    XML_Node* GetFirstSubItem();
    XML_Node* GetNextSubItem();

protected:
    void AddChild(XML_Node* pChild) { m_children.push_back(pChild); }

    CString m_strName;
    CString m_strValue;
    XML_Node* m_pParent;
    std::vector<XML_Node*> m_children;
    size_t m_itChild;
};
