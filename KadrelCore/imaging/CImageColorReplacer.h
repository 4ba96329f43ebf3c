#pragma once
#include "CImage32BitProcessor.h"

// Replaces one exact colour (red, green and blue; X ignored) by another.
class KDCORE_API CImageColorReplacer : public CImage32BitProcessor
{
public:
    CImageColorReplacer(DWORD clrFrom, DWORD clrTo) : CImage32BitProcessor(0), m_clrFrom(clrFrom), m_clrTo(clrTo) {}
    BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst) override;

    DWORD m_clrFrom;
    DWORD m_clrTo;
};
