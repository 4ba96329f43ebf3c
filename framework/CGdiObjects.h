#pragma once
// The owning GDI object types besides CBitmap.
#include "CGdiObject.h"

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF clr) { CreatePen(nPenStyle, nWidth, clr); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF clr)
    { DeleteObject(); return Attach(::CreatePen(nPenStyle, nWidth, clr)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF clr) { CreateSolidBrush(clr); }
    BOOL CreateSolidBrush(COLORREF clr) { DeleteObject(); return Attach(::CreateSolidBrush(clr)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONTW* plf) { DeleteObject(); return Attach(::CreateFontIndirectW(plf)); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CRgn : public CGdiObject
{
public:
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) { DeleteObject(); return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
    BOOL CreateRectRgnIndirect(const RECT* prc) { return CreateRectRgn(prc->left, prc->top, prc->right, prc->bottom); }
    int CombineRgn(const CRgn* a, const CRgn* b, int nMode)
    { return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(a->m_hObject), static_cast<HRGN>(b->m_hObject), nMode); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
