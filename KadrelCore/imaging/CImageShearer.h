#pragma once
#include "CImage32BitProcessor.h"

// Slants the image horizontally and vertically onto a canvas widened by
// the two amounts (pixels, any sign).
class KDCORE_API CImageShearer : public CImage32BitProcessor
{
public:
    CImageShearer(int nShearAcross, int nShearDown, int bWeighted)
        : CImage32BitProcessor(bWeighted), m_nShearAcross(nShearAcross), m_nShearDown(nShearDown) {}

    CSize CalcDestSize(CSize sizeSrc) override;
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    int m_nShearAcross;
    int m_nShearDown;
};
