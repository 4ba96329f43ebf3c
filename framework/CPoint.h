#pragma once
#include "PlatformTypes.h"
#include "CSize.h"

// A position; a POINT with constructors, offsets and comparison.
class CPoint : public POINT
{
public:
    CPoint() { x = 0; y = 0; }
    CPoint(LONG px, LONG py) { x = px; y = py; }
    CPoint(const POINT& p) { x = p.x; y = p.y; }

    void Offset(LONG dx, LONG dy) { x += dx; y += dy; }
    bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
    bool operator!=(const POINT& o) const { return !(*this == o); }
    CPoint operator+(const SIZE& s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(const SIZE& s) const { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(const POINT& p) const { return CSize(x - p.x, y - p.y); }
};
