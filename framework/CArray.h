#pragma once

#include <cstddef>
#include <vector>

// An ordered, growable array of values. ARG_TYPE is how elements are passed
// in (kept for the familiar two-parameter form).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray
{
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_items.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }

    void SetSize(int nNewSize) { m_items.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0); }
    int Add(ARG_TYPE item) { m_items.push_back(item); return GetSize() - 1; }
    void InsertAt(int nIndex, ARG_TYPE item) { m_items.insert(m_items.begin() + nIndex, item); }
    void RemoveAt(int nIndex, int nCount = 1) { m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount); }
    void RemoveAll() { m_items.clear(); }

    TYPE& operator[](int i) { return m_items[static_cast<size_t>(i)]; }
    const TYPE& operator[](int i) const { return m_items[static_cast<size_t>(i)]; }
    TYPE& ElementAt(int i) { return m_items[static_cast<size_t>(i)]; }
    const TYPE& GetAt(int i) const { return m_items[static_cast<size_t>(i)]; }
    void SetAt(int i, ARG_TYPE item) { m_items[static_cast<size_t>(i)] = item; }
    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }

private:
    std::vector<TYPE> m_items;
};
