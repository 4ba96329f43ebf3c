#pragma once
#include "../../framework/PlatformTypes.h"

// One pixel as a 32-bit DIB stores it: blue, green, red, then a byte that
// carries no colour.
struct RGBX
{
    BYTE b;
    BYTE g;
    BYTE r;
    BYTE x;
};
static_assert(sizeof(RGBX) == 4, "RGBX must match the 32-bit DIB layout");

// A COLORREF (0x00BBGGRR) as a pixel, with X = 0.
inline RGBX ColorToPixel(DWORD clr)
{
    RGBX p;
    p.b = static_cast<BYTE>(clr >> 16);
    p.g = static_cast<BYTE>(clr >> 8);
    p.r = static_cast<BYTE>(clr);
    p.x = 0;
    return p;
}
