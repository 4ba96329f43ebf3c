#include "CImage32BitProcessor.h"

#include "PixelArray.h"

#include <cmath>
#include <cstring>

CImage32BitProcessor::CImage32BitProcessor(int bWeighted)
    : m_bWeighted(bWeighted)
{
}

CImage32BitProcessor::~CImage32BitProcessor() = default;

CSize CImage32BitProcessor::CalcDestSize(CSize sizeSrc)
{
    return sizeSrc;
}

BOOL CImage32BitProcessor::ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst)
{
    // The sizes are equal whenever a processor falls back here; never copy
    // more than either array holds if a caller breaks that.
    const size_t nDst = PixelCount(sizeDst);
    const size_t nSrc = PixelCount(sizeSrc);
    const size_t n = nDst < nSrc ? nDst : nSrc;
    if (n)
        std::memcpy(pDst, pSrc, n * sizeof(RGBX));
    return TRUE;
}

RGBX CImage32BitProcessor::CalcWeightedColor(RGBX* pPixels, CSize size, double x, double y)
{
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) {
        RGBX none = {0, 0, 0, 0};
        return none;
    }
    if (x < 0 || y < 0) {
        const int ix = TruncIndex(x, w - 1);
        const int iy = TruncIndex(y, h - 1);
        return pPixels[static_cast<size_t>(iy) * w + ix];
    }
    const int ix = TruncIndex(x, w - 1);
    const int iy = TruncIndex(y, h - 1);
    double fx = x - ix, fy = y - iy;
    // Only a position past the last pixel (outside the contract) gets here
    // with a fraction above 1; keep the blend inside 0..255 then.
    if (fx > 1.0) fx = 1.0;
    if (fy > 1.0) fy = 1.0;
    const int x1 = ix + 1 < w ? ix + 1 : w - 1;
    const int y1 = iy + 1 < h ? iy + 1 : h - 1;
    const RGBX& a = pPixels[static_cast<size_t>(iy) * w + ix];
    const RGBX& b = pPixels[static_cast<size_t>(iy) * w + x1];
    const RGBX& c = pPixels[static_cast<size_t>(y1) * w + ix];
    RGBX out;
    out.b = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.b + fx * b.b + (1.0 - fy) * a.b + fy * c.b));
    out.g = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.g + fx * b.g + (1.0 - fy) * a.g + fy * c.g));
    out.r = static_cast<BYTE>(0.5 * ((1.0 - fx) * a.r + fx * b.r + (1.0 - fy) * a.r + fy * c.r));
    out.x = 0;
    return out;
}
