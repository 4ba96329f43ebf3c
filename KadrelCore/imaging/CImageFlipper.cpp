#include "CImageFlipper.h"

#include "PixelArray.h"

BOOL CImageFlipper::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (!PixelCount(sizeSrc) || !PixelCount(sizeDst))
        return TRUE;
    // The sizes are equal; the bounds below only matter to a caller that
    // breaks that.
    const int w = sizeSrc.cx < sizeDst.cx ? sizeSrc.cx : sizeDst.cx;
    const int h = sizeSrc.cy < sizeDst.cy ? sizeSrc.cy : sizeDst.cy;
    for (int y = 0; y < h; ++y) {
        const int dy = m_bVert ? sizeDst.cy - 1 - y : y;
        const RGBX* s = pSrc + static_cast<size_t>(y) * sizeSrc.cx;
        RGBX* d = pDst + static_cast<size_t>(dy) * sizeDst.cx;
        for (int x = 0; x < w; ++x)
            d[m_bHorz ? sizeDst.cx - 1 - x : x] = s[x];
    }
    return TRUE;
}
