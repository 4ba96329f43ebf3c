#include "CImageShearer.h"

#include <cstdlib>

CSize CImageShearer::CalcDestSize(CSize sizeSrc)
{
    // 64-bit so that an amount of INT_MIN or a huge one cannot overflow.
    const long long dw = static_cast<long long>(sizeSrc.cx) + std::llabs(static_cast<long long>(m_nShearAcross));
    const long long dh = static_cast<long long>(sizeSrc.cy) + std::llabs(static_cast<long long>(m_nShearDown));
    if (sizeSrc.cx < 0 || sizeSrc.cy < 0 || dw > 0x7FFFFFFF || dh > 0x7FFFFFFF)
        return UnrepresentableSize();
    return CSize(static_cast<LONG>(dw), static_cast<LONG>(dh));
}

BOOL CImageShearer::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (m_nShearAcross == 0 && m_nShearDown == 0)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    const int w = sizeSrc.cx, h = sizeSrc.cy, dw = sizeDst.cx, dh = sizeDst.cy;
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0)
        return TRUE;
    const long long across = m_nShearAcross, down = m_nShearDown;
    const CSize size(w, h);

    for (int x = 0; x < dw; ++x) {
        double oy = 0;
        if (down > 0)
            oy = static_cast<double>(down * x) / dw;
        else if (down < 0)
            oy = static_cast<double>((dw - x) * -down) / dw;
        for (int y = 0; y < dh; ++y) {
            double ox = 0;
            if (across > 0)
                ox = static_cast<double>((dh - y) * across) / dh;
            else if (across < 0)
                ox = static_cast<double>(-across * y) / dh;
            const double sx = x - ox, sy = y - oy;
            const long long ix = static_cast<long long>(sx), iy = static_cast<long long>(sy);
            if (ix < 0 || ix >= w || iy < 0 || iy >= h)
                continue;
            RGBX& d = pDst[static_cast<size_t>(y) * dw + x];
            if (m_bWeighted)
                d = CalcWeightedColor(pSrc, size, sx, sy);
            else
                d = pSrc[static_cast<size_t>(iy) * w + static_cast<size_t>(ix)];
        }
    }
    return TRUE;
}
