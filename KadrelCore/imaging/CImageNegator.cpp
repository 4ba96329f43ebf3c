#include "CImageNegator.h"

#include "PixelArray.h"

BOOL CImageNegator::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    const size_t nSrc = PixelCount(sizeSrc), nDst = PixelCount(sizeDst);
    const size_t n = nSrc < nDst ? nSrc : nDst;
    for (size_t i = 0; i < n; ++i) {
        pDst[i].b = static_cast<BYTE>(255 - pSrc[i].b);
        pDst[i].g = static_cast<BYTE>(255 - pSrc[i].g);
        pDst[i].r = static_cast<BYTE>(255 - pSrc[i].r);
    }
    return TRUE;
}
