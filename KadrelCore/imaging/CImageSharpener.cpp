#include "CImageSharpener.h"

namespace {

BYTE Limit(double v)
{
    if (v < 0)
        return 0;
    if (v > 255)
        return 255;
    return static_cast<BYTE>(v);
}

} // namespace

BOOL CImageSharpener::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (m_nFactor == 0)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    const int w = sizeSrc.cx < sizeDst.cx ? sizeSrc.cx : sizeDst.cx;
    const int h = sizeSrc.cy < sizeDst.cy ? sizeSrc.cy : sizeDst.cy;
    if (w <= 0 || h <= 0)
        return TRUE;
    const double a = 1.0 / (51 - 5 * m_nFactor);
    const double b = 1.0 / ((a + 1) * 4);
    const double edge = -b, diag = -(a * b);
    // Column by column from the left, each column top to bottom: the order
    // of the additions is part of the result.
    const double kernel[3][3] = {{diag, edge, diag}, {edge, 2.0, edge}, {diag, edge, diag}};

    const size_t sw = static_cast<size_t>(sizeSrc.cx), dw = static_cast<size_t>(sizeDst.cx);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            RGBX& d = pDst[y * dw + x];
            const RGBX* centre = pSrc + y * sw + x;
            if (x == 0 || y == 0 || x == sizeSrc.cx - 1 || y == sizeSrc.cy - 1) {
                d = *centre;
                continue;
            }
            double sb = 0, sg = 0, sr = 0;
            for (int kx = 0; kx < 3; ++kx) {
                for (int ky = 0; ky < 3; ++ky) {
                    const RGBX& p = pSrc[(y - 1 + ky) * sw + (x - 1 + kx)];
                    const double k = kernel[kx][ky];
                    sb += k * p.b;
                    sg += k * p.g;
                    sr += k * p.r;
                }
            }
            d.b = Limit(sb);
            d.g = Limit(sg);
            d.r = Limit(sr);
        }
    }
    return TRUE;
}
