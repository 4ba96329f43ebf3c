#pragma once
#include "../../framework/CSize.h"
#include "../KadrelCoreApi.h"
#include "RGBX.h"

#include <cstddef>

// Pixel arrays: width x height RGBX values, top row first, rows packed.

// The largest array, in bytes, that any image step may use. Keeps every
// size computation inside 32-bit ranges (DIB headers, GDI calls).
const size_t kMaxPixelArrayBytes = 0x7FFFFFFF;

// Number of pixels of a size; 0 for an empty or negative size.
inline size_t PixelCount(CSize size)
{
    if (size.cx <= 0 || size.cy <= 0)
        return 0;
    return static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy);
}

// True when an array of this size may be allocated: both sides >= 0 and
// the byte count within kMaxPixelArrayBytes.
KDCORE_API bool IsPixelSizeUsable(CSize size);

// A zeroed array of the size (at least one pixel, so an empty size still
// gives a valid pointer); NULL when the size is unusable or memory is short.
KDCORE_API RGBX* AllocPixelArray(CSize size);
KDCORE_API void FreePixelArray(RGBX* p);

// Sets every pixel of the array to a colour; see CImageBitmap::Fill.
KDCORE_API BOOL FillPixelArray(RGBX* p, CSize size, DWORD clr);

// trunc(v) as an index clamped to [0, hi]; NaN gives 0.
inline int TruncIndex(double v, int hi)
{
    if (!(v >= 1.0))
        return 0;
    if (v >= static_cast<double>(hi))
        return hi;
    return static_cast<int>(v);
}
