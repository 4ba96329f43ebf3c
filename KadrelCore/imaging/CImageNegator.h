#pragma once
#include "CImage32BitProcessor.h"

// Photographic negative; X keeps the background fill.
class KDCORE_API CImageNegator : public CImage32BitProcessor
{
public:
    CImageNegator() : CImage32BitProcessor(0) {}
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;
};
