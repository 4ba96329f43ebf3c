#include "PixelArray.h"

#include <cstdlib>
#include <cstring>

bool IsPixelSizeUsable(CSize size)
{
    if (size.cx < 0 || size.cy < 0)
        return false;
    return static_cast<unsigned long long>(size.cx) * static_cast<unsigned long long>(size.cy) * 4u
        <= kMaxPixelArrayBytes;
}

RGBX* AllocPixelArray(CSize size)
{
    if (!IsPixelSizeUsable(size))
        return nullptr;
    size_t n = PixelCount(size);
    return static_cast<RGBX*>(std::calloc(n ? n : 1, sizeof(RGBX)));
}

void FreePixelArray(RGBX* p)
{
    std::free(p);
}

BOOL FillPixelArray(RGBX* p, CSize size, DWORD clr)
{
    if (!p)
        return FALSE;
    const size_t n = PixelCount(size);
    if (!n)
        return TRUE;
    if (clr == 0xFFFFFFFF || clr == 0x00FFFFFF) {
        std::memset(p, 0xFF, n * sizeof(RGBX));
        return TRUE;
    }
    if (clr == 0) {
        std::memset(p, 0, n * sizeof(RGBX));
        return TRUE;
    }
    // First row by doubling, then whole rows by doubling.
    const size_t w = static_cast<size_t>(size.cx), h = static_cast<size_t>(size.cy);
    p[0] = ColorToPixel(clr);
    for (size_t c = 1; c <= w; c *= 2) {
        const size_t k = c < w - c ? c : w - c;
        std::memcpy(p + c, p, k * sizeof(RGBX));
    }
    for (size_t d = 1; d <= h; d *= 2) {
        const size_t k = d < h - d ? d : h - d;
        std::memcpy(p + d * w, p, k * w * sizeof(RGBX));
    }
    return TRUE;
}
