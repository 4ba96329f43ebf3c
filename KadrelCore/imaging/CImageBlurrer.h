#pragma once
#include "CImage32BitProcessor.h"

// 3 x 3 weighted mean; strength 0..10 (clamped), larger blurs more.
class KDCORE_API CImageBlurrer : public CImage32BitProcessor
{
public:
    explicit CImageBlurrer(int nFactor = 5)
        : CImage32BitProcessor(0), m_nFactor(nFactor < 0 ? 0 : (nFactor > 10 ? 10 : nFactor)) {}

    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    int m_nFactor;
};
