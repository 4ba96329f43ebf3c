#include "CImageResizer.h"

#include "PixelArray.h"

#include <cmath>
#include <cstdint>

namespace {

// trunc(side * factor), or -1 when that is negative or not a representable side.
long long ScaledSide(LONG side, double factor)
{
    const double v = side * factor;
    if (!(v > -1.0 && v < 2147483648.0))
        return -1;
    return static_cast<long long>(v);
}

} // namespace

CSize CImageResizer::CalcDestSize(CSize sizeSrc)
{
    // A negative factor would give a negative size: the chain runner
    // refuses that just as ProcessPixels refuses the factor.
    const long long dw = ScaledSide(sizeSrc.cx, m_dFactor);
    const long long dh = ScaledSide(sizeSrc.cy, m_dFactor);
    if (dw < 0 || dh < 0)
        return UnrepresentableSize();
    return CSize(static_cast<LONG>(dw), static_cast<LONG>(dh));
}

BOOL CImageResizer::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (!(m_dFactor > 0))
        return FALSE;
    if (m_dFactor == 1)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    if (m_dFactor > 1)
        return Enlarge(pSrc, sizeSrc, pDst, sizeDst);
    return Shrink(pSrc, sizeSrc, pDst, sizeDst);
}

BOOL CImageResizer::Enlarge(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (!(m_dFactor > 1))
        return FALSE;
    const int w = sizeSrc.cx, h = sizeSrc.cy, dw = sizeDst.cx, dh = sizeDst.cy;
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0)
        return TRUE;
    const double step = 1 / m_dFactor;

    // The weighted sampling of CalcWeightedColor, inline. Indices are
    // clamped to the last pixel: the carried positions can only pass it
    // through rounding.
    double sx = 0;
    for (int i = 0; i < dw; ++i, sx += step) {
        const int ix = TruncIndex(sx, w - 1);
        const double fx = sx - ix < 1.0 ? sx - ix : 1.0;
        const int x1 = ix + 1 < w ? ix + 1 : w - 1;
        double sy = 0;
        for (int j = 0; j < dh; ++j, sy += step) {
            const int iy = TruncIndex(sy, h - 1);
            const double fy = sy - iy < 1.0 ? sy - iy : 1.0;
            const int y1 = iy + 1 < h ? iy + 1 : h - 1;
            const RGBX& a = pSrc[static_cast<size_t>(iy) * w + ix];
            const RGBX& b = pSrc[static_cast<size_t>(iy) * w + x1];
            const RGBX& c = pSrc[static_cast<size_t>(y1) * w + ix];
            RGBX& d = pDst[static_cast<size_t>(j) * dw + i];
            d.b = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.b + fx * b.b + (1.0 - fy) * a.b + fy * c.b));
            d.g = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.g + fx * b.g + (1.0 - fy) * a.g + fy * c.g));
            d.r = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.r + fx * b.r + (1.0 - fy) * a.r + fy * c.r));
            d.x = 0;
        }
    }
    return TRUE;
}

namespace {

// Last source index of the block that ends at the running value v:
// min(trunc(v) + 1, n - 1), without converting a huge v.
int BlockLast(double v, int n)
{
    if (v >= n - 2)
        return n - 1;
    return static_cast<int>(v) + 1;
}

} // namespace

BOOL CImageResizer::Shrink(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (!(m_dFactor > 0 && m_dFactor < 1))
        return FALSE;
    const int w = sizeSrc.cx, h = sizeSrc.cy, dw = sizeDst.cx, dh = sizeDst.cy;
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0)
        return TRUE;
    const double step = 1 / m_dFactor;

    double a = -0.5 * step;
    int lastCol = -1;
    for (int i = 0; i < dw; ++i) {
        a += step;
        const int firstX = lastCol + 1;
        const int lastX = BlockLast(a, w);
        lastCol = lastX;
        double b = -0.5 * step;
        int lastRow = -1;
        for (int j = 0; j < dh; ++j) {
            b += step;
            const int firstY = lastRow + 1;
            const int lastY = BlockLast(b, h);
            lastRow = lastY;
            if (firstX > lastX || firstY > lastY)
                continue;
            uint64_t sb = 0, sg = 0, sr = 0;
            for (int y = firstY; y <= lastY; ++y) {
                const RGBX* p = pSrc + static_cast<size_t>(y) * w;
                for (int x = firstX; x <= lastX; ++x) {
                    sb += p[x].b;
                    sg += p[x].g;
                    sr += p[x].r;
                }
            }
            const uint64_t count = static_cast<uint64_t>(lastX - firstX + 1) * static_cast<uint64_t>(lastY - firstY + 1);
            RGBX& d = pDst[static_cast<size_t>(j) * dw + i];
            d.b = static_cast<BYTE>(sb / count);
            d.g = static_cast<BYTE>(sg / count);
            d.r = static_cast<BYTE>(sr / count);
        }
    }
    return TRUE;
}
