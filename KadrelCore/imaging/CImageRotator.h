#pragma once
#include "CImage32BitProcessor.h"

// Turns the image about its centre onto a canvas large enough for the
// turned rectangle; a positive angle turns clockwise on screen. Corners
// that no source pixel reaches keep the background.
class KDCORE_API CImageRotator : public CImage32BitProcessor
{
public:
    // Degrees, reduced into 0..359; a whole number of turns is the identity.
    CImageRotator(int nDegrees, int bWeighted);
    // Radians, reduced into (0, 2*pi]: zero becomes a full turn, never the identity.
    explicit CImageRotator(double dRadians);

    CSize CalcDestSize(CSize sizeSrc) override;
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    double m_dAngle;
};
