#include "KdMath.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Minimax coefficients of sin and cos on [-pi/4, pi/4] (the classic
// fdlibm kernels).
const double S1 = -1.66666666666666324348e-01;
const double S2 = 8.33333333332248946124e-03;
const double S3 = -1.98412698298579493134e-04;
const double S4 = 2.75573137070700676789e-06;
const double S5 = -2.50507602534068634195e-08;
const double S6 = 1.58969099521155010221e-10;

const double C1 = 4.16666666666666019037e-02;
const double C2 = -1.38888888888741095749e-03;
const double C3 = 2.48015872894767294178e-05;
const double C4 = -2.75573143513906633035e-07;
const double C5 = 2.08757232129817482790e-09;
const double C6 = -1.13596475577881948265e-11;

// pi/2 split into pieces whose products with small integers are exact.
const double kInvPio2 = 6.36619772367581382433e-01;
const double kPio2_1 = 1.57079632673412561417e+00;
const double kPio2_1t = 6.07710050650619224932e-11;
const double kPio2_2 = 6.07710050630396597660e-11;
const double kPio2_2t = 2.02226624879595063154e-21;
const double kPio2_3 = 2.02226624871116645580e-21;
const double kPio2_3t = 8.47842766036889956997e-32;
const double kPio4 = 0.785398163397448309616;

int Exponent(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return static_cast<int>((bits >> 52) & 0x7ff);
}

double KernelSin(double x, double y, bool hasTail)
{
    double z = x * x;
    double w = z * z;
    double r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
    double v = z * x;
    if (!hasTail)
        return x + v * (S1 + z * r);
    return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

double KernelCos(double x, double y)
{
    double z = x * x;
    double w = z * z;
    double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
    double hz = 0.5 * z;
    w = 1.0 - hz;
    return w + (((1.0 - w) - hz) + (z * r - x * y));
}

// x = n * pi/2 + (y0 + y1) with |y0 + y1| <= pi/4; returns n.
int ReducePio2(double x, double& y0, double& y1)
{
    double fn = std::nearbyint(x * kInvPio2);
    int n = static_cast<int>(fn);
    double r = x - fn * kPio2_1;
    double w = fn * kPio2_1t;
    if (r - w < -kPio4) {
        n--; fn--;
        r = x - fn * kPio2_1;
        w = fn * kPio2_1t;
    } else if (r - w > kPio4) {
        n++; fn++;
        r = x - fn * kPio2_1;
        w = fn * kPio2_1t;
    }
    y0 = r - w;
    const int ex = Exponent(x);
    if (ex - Exponent(y0) > 16) {
        // Cancellation near a multiple of pi/2: take more bits of pi/2.
        double t = r;
        w = fn * kPio2_2;
        r = t - w;
        w = fn * kPio2_2t - ((t - r) - w);
        y0 = r - w;
        if (ex - Exponent(y0) > 49) {
            t = r;
            w = fn * kPio2_3;
            r = t - w;
            w = fn * kPio2_3t - ((t - r) - w);
            y0 = r - w;
        }
    }
    y1 = (r - y0) - w;
    return n;
}

} // namespace

double KdSin(double x)
{
    if (!std::isfinite(x))
        return NAN;
    if (std::fabs(x) <= kPio4)
        return KernelSin(x, 0.0, false);
    double y0, y1;
    switch (ReducePio2(x, y0, y1) & 3) {
    case 0: return KernelSin(y0, y1, true);
    case 1: return KernelCos(y0, y1);
    case 2: return -KernelSin(y0, y1, true);
    default: return -KernelCos(y0, y1);
    }
}

double KdCos(double x)
{
    if (!std::isfinite(x))
        return NAN;
    if (std::fabs(x) <= kPio4)
        return KernelCos(x, 0.0);
    double y0, y1;
    switch (ReducePio2(x, y0, y1) & 3) {
    case 0: return KernelCos(y0, y1);
    case 1: return -KernelSin(y0, y1, true);
    case 2: return -KernelCos(y0, y1);
    default: return KernelSin(y0, y1, true);
    }
}
