#pragma once
#include "CImage32BitProcessor.h"

// Grey scale with the weights 0.3 red, 0.6 green, 0.1 blue.
class KDCORE_API CImageGrayer : public CImage32BitProcessor
{
public:
    CImageGrayer() : CImage32BitProcessor(0) {}
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;
};
