#pragma once
#include "CImage32BitProcessor.h"

// Scales the image by a factor: interpolates when enlarging, averages
// blocks of source pixels when shrinking. A factor of 0 or less fails.
class KDCORE_API CImageResizer : public CImage32BitProcessor
{
public:
    explicit CImageResizer(double dFactor)
        : CImage32BitProcessor(dFactor > 1 ? 1 : 0), m_dFactor(dFactor) {}

    CSize CalcDestSize(CSize sizeSrc) override;
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    double m_dFactor;

protected:
    BOOL Enlarge(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst);
    BOOL Shrink(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst);
};
