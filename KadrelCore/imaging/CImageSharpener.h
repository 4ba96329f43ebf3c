#pragma once
#include "CImage32BitProcessor.h"

// 3 x 3 sharpening kernel that adds up to 1; strength 0..10 (clamped)
// moves weight from the edge neighbours to the diagonal ones.
class KDCORE_API CImageSharpener : public CImage32BitProcessor
{
public:
    explicit CImageSharpener(int nFactor = 5)
        : CImage32BitProcessor(0), m_nFactor(nFactor < 0 ? 0 : (nFactor > 10 ? 10 : nFactor)) {}

    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    int m_nFactor;
};
