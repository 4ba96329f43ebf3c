#pragma once
#include "PlatformTypes.h"

// Owns one GDI object handle and deletes it on destruction. Move-only:
// a copy would delete the handle twice.
class CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& o) noexcept : m_hObject(o.Detach()) {}
    CGdiObject& operator=(CGdiObject&& o) noexcept
    {
        if (this != &o) { DeleteObject(); m_hObject = o.Detach(); }
        return *this;
    }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject)
    {
        if (!hObject || m_hObject)
            return FALSE;
        m_hObject = hObject;
        return TRUE;
    }
    HGDIOBJ Detach()
    {
        HGDIOBJ h = m_hObject;
        m_hObject = nullptr;
        return h;
    }
    BOOL DeleteObject()
    {
        if (!m_hObject)
            return FALSE;
        BOOL ok = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return ok;
    }
    int GetObject(int nCount, LPVOID pObject) const
    {
        return m_hObject ? ::GetObjectW(m_hObject, nCount, pObject) : 0;
    }

    HGDIOBJ m_hObject = nullptr;
};
