#pragma once
#include "PlatformTypes.h"
#include "CPoint.h"
#include "CSize.h"

// A rectangle, right and bottom exclusive as in Win32; a RECT with the
// operations the capture code needs. Works without the platform so the
// geometry can be tested natively.
class CRect : public RECT
{
public:
    CRect() { SetRectEmpty(); }
    CRect(LONG l, LONG t, LONG r, LONG b) { SetRect(l, t, r, b); }
    CRect(const RECT& r) { SetRect(r.left, r.top, r.right, r.bottom); }
    CRect(POINT topLeft, SIZE size) { SetRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy); }
    CRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    void SetRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    // Empty: no area, including a rectangle whose edges are reversed.
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void NormalizeRect();
    void InflateRect(LONG dx, LONG dy) { left -= dx; top -= dy; right += dx; bottom += dy; }
    void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
    void OffsetRect(LONG dx, LONG dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    // Intersection of two rectangles; an empty result is set to all zeros.
    bool IntersectRect(const RECT& a, const RECT& b);
    bool UnionRect(const RECT& a, const RECT& b);

    bool operator==(const RECT& o) const
    { return left == o.left && top == o.top && right == o.right && bottom == o.bottom; }
    bool operator!=(const RECT& o) const { return !(*this == o); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
