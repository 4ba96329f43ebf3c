#pragma once
#include "../KadrelCoreApi.h"
#include "../../framework/CSize.h"
#include "RGBX.h"

#include <cstddef>

// Base of every pixel effect. A processor says how large its output is for
// a given input (CalcDestSize) and turns a packed source array into a packed
// destination array (ProcessPixels). The destination arrives filled with
// the buffer's background colour; what a processor does not write stays so.
class KDCORE_API CImage32BitProcessor
{
public:
    explicit CImage32BitProcessor(int bWeighted = 0);
    virtual ~CImage32BitProcessor();

    virtual CSize CalcDestSize(CSize sizeSrc);
    // The base copies destination width x height pixels, all four bytes.
    virtual BOOL ProcessPixels(RGBX* pSrc, CSize sizeSrc, RGBX* pDst, CSize sizeDst);

    // Colour at a fractional position: the mean of the horizontal blend of
    // a pixel with its right neighbour and the vertical blend with the one
    // below. A negative coordinate takes the nearest pixel whole.
    RGBX CalcWeightedColor(RGBX* pPixels, CSize size, double x, double y);

    // A size no image can have; the chain runner refuses it. Returned where
    // the true output size does not fit the integer range.
    static CSize UnrepresentableSize() { return CSize(-1, -1); }

    int m_bWeighted;
};
