#include "ProcessorChain.h"

#include <cstring>
#include <vector>

BOOL RunProcessorChain(CProcessorArray& chain, RGBX* pSource, CSize sizeSource,
                       DWORD clrBackground, RGBX** ppResult, CSize* pSizeResult)
{
    *ppResult = nullptr;
    const int n = chain.GetSize();
    if (!pSource || !IsPixelSizeUsable(sizeSource)) {
        FreePixelArray(pSource);
        return FALSE;
    }
    if (n == 0) {
        *ppResult = pSource;
        *pSizeResult = sizeSource;
        return TRUE;
    }

    // Sizing pass.
    std::vector<CSize> sizes;
    sizes.reserve(static_cast<size_t>(n) + 1);
    sizes.push_back(sizeSource);
    CSize sizeMax = sizeSource;
    for (int i = 0; i < n; ++i) {
        const CSize next = chain[i]->CalcDestSize(sizes.back());
        if (!IsPixelSizeUsable(next)) {
            FreePixelArray(pSource);
            return FALSE;
        }
        sizes.push_back(next);
        if (next.cx > sizeMax.cx) sizeMax.cx = next.cx;
        if (next.cy > sizeMax.cy) sizeMax.cy = next.cy;
    }

    RGBX* pDest = AllocPixelArray(sizeMax);
    if (!pDest) {
        FreePixelArray(pSource);
        return FALSE;
    }
    FillPixelArray(pDest, sizeMax, clrBackground);

    RGBX* pSrc = pSource;
    CSize sizePrevIn = sizeSource;
    for (int i = 0; i < n; ++i) {
        const CSize in = sizes[static_cast<size_t>(i)];
        if (i > 0) {
            // The previous output lies packed at the start of the
            // destination; it becomes this step's source.
            if (in.cx > sizePrevIn.cx || in.cy > sizePrevIn.cy) {
                FreePixelArray(pSrc);
                pSrc = AllocPixelArray(in);
                if (!pSrc) {
                    FreePixelArray(pDest);
                    return FALSE;
                }
            }
            const size_t count = PixelCount(in);
            if (count)
                std::memcpy(pSrc, pDest, count * sizeof(RGBX));
            FillPixelArray(pDest, in, clrBackground);
        }
        const CSize out = chain[i]->CalcDestSize(in);
        if (out != sizes[static_cast<size_t>(i) + 1] ||
            !chain[i]->ProcessPixels(pSrc, in, pDest, out)) {
            FreePixelArray(pSrc);
            FreePixelArray(pDest);
            return FALSE;
        }
        sizePrevIn = in;
    }
    FreePixelArray(pSrc);
    *ppResult = pDest;
    *pSizeResult = sizes.back();
    return TRUE;
}
