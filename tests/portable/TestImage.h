#pragma once
// Small pixel images for the processor tests, and a runner that gives a
// processor the same setting as the chain does (destination pre-filled with
// the background).
#include "CStringPrinter.h"
#include "ProcessorChain.h"

#include <cstdint>
#include <vector>

struct TestImage
{
    CSize size;
    std::vector<RGBX> px;

    TestImage() = default;
    TestImage(int w, int h, RGBX fill = RGBX{0, 0, 0, 0}) : size(w, h), px(static_cast<size_t>(w) * h, fill) {}

    RGBX& at(int x, int y) { return px[static_cast<size_t>(y) * size.cx + x]; }
    const RGBX& at(int x, int y) const { return px[static_cast<size_t>(y) * size.cx + x]; }
    bool operator==(const TestImage& o) const;
};

inline RGBX Px(int b, int g, int r, int x = 0)
{
    return RGBX{static_cast<BYTE>(b), static_cast<BYTE>(g), static_cast<BYTE>(r), static_cast<BYTE>(x)};
}
inline RGBX Grey(int v, int x = 0) { return Px(v, v, v, x); }
inline bool SameBGR(RGBX a, RGBX b) { return a.b == b.b && a.g == b.g && a.r == b.r; }
inline bool SamePixel(RGBX a, RGBX b) { return SameBGR(a, b) && a.x == b.x; }

inline bool TestImage::operator==(const TestImage& o) const
{
    if (size != o.size)
        return false;
    for (size_t i = 0; i < px.size(); ++i)
        if (!SamePixel(px[i], o.px[i]))
            return false;
    return true;
}

// Deterministic pseudo-random image (xorshift), X bytes included.
inline TestImage RandomImage(int w, int h, uint32_t seed)
{
    TestImage img(w, h);
    uint32_t s = seed ? seed : 1;
    for (RGBX& p : img.px) {
        s ^= s << 13; s ^= s >> 17; s ^= s << 5;
        p = Px(s & 0xFF, (s >> 8) & 0xFF, (s >> 16) & 0xFF, (s >> 24) & 0xFF);
    }
    return img;
}

// Runs a chain over an image; false when the chain fails.
inline bool RunChain(CProcessorArray& chain, const TestImage& in, TestImage& out, DWORD clrBack = 0x00FFFFFF)
{
    RGBX* pSrc = AllocPixelArray(in.size);
    if (!pSrc)
        return false;
    if (!in.px.empty())
        std::copy(in.px.begin(), in.px.end(), pSrc);
    RGBX* pResult = nullptr;
    CSize size;
    if (!RunProcessorChain(chain, pSrc, in.size, clrBack, &pResult, &size))
        return false;
    out = TestImage(size.cx, size.cy);
    std::copy(pResult, pResult + out.px.size(), out.px.begin());
    FreePixelArray(pResult);
    return true;
}

inline TestImage Apply(CImage32BitProcessor& p, const TestImage& in, DWORD clrBack = 0x00FFFFFF)
{
    CProcessorArray chain;
    chain.Add(&p);
    TestImage out;
    RunChain(chain, in, out, clrBack);
    return out;
}

const RGBX kWhite = {0xFF, 0xFF, 0xFF, 0xFF}; // the background fill, X included
