#pragma once
#include "PlatformTypes.h"

// A width and height; a SIZE with constructors and comparison.
class CSize : public SIZE
{
public:
    CSize() { cx = 0; cy = 0; }
    CSize(LONG x, LONG y) { cx = x; cy = y; }
    CSize(const SIZE& s) { cx = s.cx; cy = s.cy; }

    bool operator==(const SIZE& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const SIZE& o) const { return !(*this == o); }
    CSize operator+(const SIZE& o) const { return CSize(cx + o.cx, cy + o.cy); }
    CSize operator-(const SIZE& o) const { return CSize(cx - o.cx, cy - o.cy); }
};
