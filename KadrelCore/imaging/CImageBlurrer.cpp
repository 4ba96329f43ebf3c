#include "CImageBlurrer.h"

BOOL CImageBlurrer::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (m_nFactor == 0)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    const int w = sizeSrc.cx < sizeDst.cx ? sizeSrc.cx : sizeDst.cx;
    const int h = sizeSrc.cy < sizeDst.cy ? sizeSrc.cy : sizeDst.cy;
    const int centre = 55 - 5 * m_nFactor;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sb = 0, sg = 0, sr = 0, total = 0;
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                if (ny < 0 || ny >= sizeSrc.cy)
                    continue;
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (nx < 0 || nx >= sizeSrc.cx)
                        continue;
                    const int wgt = (nx == x && ny == y) ? centre : 1;
                    const RGBX& p = pSrc[static_cast<size_t>(ny) * sizeSrc.cx + nx];
                    sb += wgt * p.b;
                    sg += wgt * p.g;
                    sr += wgt * p.r;
                    total += wgt;
                }
            }
            RGBX& d = pDst[static_cast<size_t>(y) * sizeDst.cx + x];
            d.b = static_cast<BYTE>(sb / total);
            d.g = static_cast<BYTE>(sg / total);
            d.r = static_cast<BYTE>(sr / total);
        }
    }
    return TRUE;
}
