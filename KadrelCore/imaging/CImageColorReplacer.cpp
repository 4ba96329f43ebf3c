#include "CImageColorReplacer.h"

#include "PixelArray.h"

BOOL CImageColorReplacer::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (m_clrFrom == m_clrTo)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    const RGBX from = ColorToPixel(m_clrFrom);
    const RGBX to = ColorToPixel(m_clrTo);
    const size_t nSrc = PixelCount(sizeSrc), nDst = PixelCount(sizeDst);
    const size_t n = nSrc < nDst ? nSrc : nDst;
    for (size_t i = 0; i < n; ++i) {
        const RGBX& s = pSrc[i];
        pDst[i] = (s.r == from.r && s.g == from.g && s.b == from.b) ? to : s;
    }
    return TRUE;
}
