#pragma once
#include "CGdiObject.h"
#include "CSize.h"

// A GDI bitmap owned by the object.
class CBitmap : public CGdiObject
{
public:
    CBitmap() = default;

    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateCompatibleBitmap(HDC hdc, int nWidth, int nHeight)
    {
        return Attach(::CreateCompatibleBitmap(hdc, nWidth, nHeight));
    }
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
    CSize GetBitmapSize() const;
};

inline CSize CBitmap::GetBitmapSize() const
{
    BITMAP bm = {};
    if (!GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}
