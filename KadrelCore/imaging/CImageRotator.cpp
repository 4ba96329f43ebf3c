#include "CImageRotator.h"

#include "KdMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
const double kPi = 3.141592653589793;
const double kTwoPi = 6.283185307179586;
} // namespace

CImageRotator::CImageRotator(int nDegrees, int bWeighted)
    : CImage32BitProcessor(bWeighted)
{
    int deg = nDegrees % 360;
    if (deg < 0)
        deg += 360;
    m_dAngle = deg * kPi / 180.0;
}

CImageRotator::CImageRotator(double dRadians)
    : CImage32BitProcessor(0)
{
    double a = dRadians;
    if (!std::isfinite(a))
        a = 0.0;
    // Whole turns are taken off one by one as long as that is cheap and
    // exact enough; a huge value is brought near the range with fmod first.
    if (std::fabs(a) > 1024 * kTwoPi)
        a = std::fmod(a, kTwoPi);
    while (a >= kTwoPi)
        a -= kTwoPi;
    while (a <= 0)
        a += kTwoPi;
    m_dAngle = a;
}

CSize CImageRotator::CalcDestSize(CSize sizeSrc)
{
    const int w = sizeSrc.cx, h = sizeSrc.cy;
    if (m_dAngle == 0 || w == 0 || h == 0)
        return sizeSrc;
    if (w < 0 || h < 0)
        return UnrepresentableSize();
    const double c = KdCos(m_dAngle), s = KdSin(m_dAngle);
    const double A = (h * s) * 0.5, B = (w * c) * 0.5, C = (h * c) * 0.5, E = (w * s) * 0.5;
    const long long hx = std::max(std::llabs(static_cast<long long>(A - B)), std::llabs(static_cast<long long>(A + B)));
    const long long hy = std::max(std::llabs(static_cast<long long>(C + E)), std::llabs(static_cast<long long>(C - E)));
    const long long dw = 2 * hx + 2, dh = 2 * hy + 2;
    if (dw > 0x7FFFFFFF || dh > 0x7FFFFFFF)
        return UnrepresentableSize();
    return CSize(static_cast<LONG>(dw), static_cast<LONG>(dh));
}

BOOL CImageRotator::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    if (m_dAngle == 0)
        return CImage32BitProcessor::ProcessPixels(pSrc, sizeSrc, pDst, sizeDst);
    const int w = sizeSrc.cx, h = sizeSrc.cy, dw = sizeDst.cx, dh = sizeDst.cy;
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0)
        return TRUE;

    const double c = KdCos(m_dAngle), s = KdSin(m_dAngle);
    const int hDW = dw / 2 + dw % 2, hDH = dh / 2 + dh % 2;
    const int cx0 = w / 2 + w % 2, cy0 = h / 2 + h % 2;
    // Accepted truncated positions, relative to the source centre. The last
    // column and row only ever enter as interpolation neighbours.
    const long long minX = -cx0, maxX = static_cast<long long>(w) - 1 - cx0;
    const long long minY = -cy0, maxY = static_cast<long long>(h) - 1 - cy0;
    const CSize size(w, h);

    for (int j = 0; j < dh; ++j) {
        const int yy = j - hDH;
        double sx = yy * s - hDW * c;
        double sy = yy * c + hDW * s;
        RGBX* row = pDst + static_cast<size_t>(j) * dw;
        for (int i = 0; i < dw; ++i) {
            sx += c;
            sy -= s;
            const long long px = static_cast<long long>(sx);
            const long long py = static_cast<long long>(sy);
            if (px < minX || px >= maxX || py < minY || py >= maxY)
                continue;
            if (m_bWeighted)
                row[i] = CalcWeightedColor(pSrc, size, cx0 + sx, cy0 + sy);
            else
                row[i] = pSrc[static_cast<size_t>(py + cy0) * w + static_cast<size_t>(px + cx0)];
        }
    }
    return TRUE;
}
