#include "CImageGrayer.h"

#include "PixelArray.h"

BOOL CImageGrayer::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    const size_t nSrc = PixelCount(sizeSrc), nDst = PixelCount(sizeDst);
    const size_t n = nSrc < nDst ? nSrc : nDst;
    for (size_t i = 0; i < n; ++i) {
        const RGBX& s = pSrc[i];
        const BYTE gray = static_cast<BYTE>((3 * s.r + 6 * s.g + 1 * s.b) / 10);
        RGBX& d = pDst[i];
        d.b = d.g = d.r = gray;
        d.x = 0;
    }
    return TRUE;
}
