#pragma once
#include "../../framework/CArray.h"
#include "CImage32BitProcessor.h"
#include "PixelArray.h"

typedef CArray<CImage32BitProcessor*, CImage32BitProcessor*> CProcessorArray;

// Runs processors one after another over a packed pixel array, with two
// arrays for the whole chain: the destination is sized once for the largest
// intermediate image and holds the background colour wherever a step does
// not write.
//
// Takes ownership of pSource (sizeSource pixels, from AllocPixelArray) and
// frees it. On success *ppResult receives an array whose first
// *pSizeResult pixels are the final image (free it with FreePixelArray).
// Fails, with nothing left allocated, when a processor fails, when a step's
// size is negative, unrepresentable or too large to allocate, or when a
// processor's size answer changes between the sizing pass and the run.
KDCORE_API BOOL RunProcessorChain(CProcessorArray& chain, RGBX* pSource, CSize sizeSource,
                                  DWORD clrBackground, RGBX** ppResult, CSize* pSizeResult);
