#pragma once
#include "CImage32BitProcessor.h"

// Mirrors left-right and/or top-bottom; both together turn by 180 degrees.
class KDCORE_API CImageFlipper : public CImage32BitProcessor
{
public:
    CImageFlipper(int bHorz, int bVert) : CImage32BitProcessor(0), m_bHorz(bHorz), m_bVert(bVert) {}
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    int m_bHorz;
    int m_bVert;
};
