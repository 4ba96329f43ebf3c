#pragma once
#include "../KadrelCoreApi.h"

// Sine and cosine computed with plain double arithmetic only, so that every
// build (glibc, msvcrt, 32 or 64 bit) gets the same bits: the platforms'
// own libm functions differ in the last place for ordinary angles, which
// would move rotated pixels between builds. Accurate to about one unit in
// the last place for |x| < 2^20 * pi/2, which covers every angle the
// rotator passes.
KDCORE_API double KdSin(double x);
KDCORE_API double KdCos(double x);
