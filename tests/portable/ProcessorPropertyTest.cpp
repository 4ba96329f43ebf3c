// Every processor on random small sizes and parameters, with arrays of
// exactly the sizes the contract gives (so the sanitizer build catches any
// read or write outside them), and a digest of fixed runs that every build
// must reproduce bit for bit.
#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"
#include "KdMath.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

struct Rng
{
    uint32_t s;
    uint32_t Next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }
};

// One processor of each kind with parameters drawn from rng.
std::unique_ptr<CImage32BitProcessor> MakeProcessor(int kind, Rng& rng)
{
    static const double kFactors[] = {0.0, -1.0, 0.01, 0.3, 0.5, 0.77, 0.99, 1.0, 1.01, 1.5, 2.0, 3.7};
    switch (kind) {
    case 0: return std::make_unique<CImageGrayer>();
    case 1: return std::make_unique<CImageNegator>();
    case 2: return std::make_unique<CImageFlipper>(rng.Range(0, 1), rng.Range(0, 1));
    case 3: return std::make_unique<CImageColorReplacer>(rng.Next() & 0xFFFFFF, rng.Next());
    case 4: return std::make_unique<CImageRotator>(rng.Range(-1000, 1000), rng.Range(0, 1));
    case 5: return std::make_unique<CImageRotator>((static_cast<int>(rng.Next() % 20001) - 10000) / 1000.0);
    case 6: return std::make_unique<CImageShearer>(rng.Range(-30, 30), rng.Range(-30, 30), rng.Range(0, 1));
    case 7: return std::make_unique<CImageResizer>(kFactors[rng.Next() % (sizeof kFactors / sizeof kFactors[0])]);
    case 8: return std::make_unique<CImageBlurrer>(rng.Range(-3, 15));
    default: return std::make_unique<CImageSharpener>(rng.Range(-3, 15));
    }
}
const int kKinds = 10;

uint64_t Digest(uint64_t h, const void* p, size_t n)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
        h ^= b[i];
        h *= 1099511628211ull;
    }
    return h;
}

// Digests of the fixed runs below. Change them only when a processor's
// defined behaviour changes; the test prints this build's table on failure.
const struct { const char* name; uint64_t digest; } kExpectedDigests[] = {
    {"grey", 0x3a26b452020934d7ull},
    {"negate", 0x0760c03cad77074aull},
    {"flip", 0xc459456370df674full},
    {"replace", 0x77aec52548f5cd0cull},
    {"rotate45w", 0xf6889b7804a59961ull},
    {"rotate30", 0xe372f7d30cc0719cull},
    {"rotate-200w", 0xdff3f08bcbb896a0ull},
    {"rotate1.3rad", 0xffd1ac22cc70963full},
    {"shear7,-5w", 0x349719ef92a46d06ull},
    {"shear-9,4", 0x1104bf8a20998b06ull},
    {"resize0.37", 0x2150da4abccad04cull},
    {"resize2.3", 0xb301b4ac84bb30c3ull},
    {"blur7", 0x135b473092f351dfull},
    {"sharpen3", 0xb2e2f7817494cd97ull},
    {"trig", 0x4779984a7e8c89f9ull},
};

uint64_t ExpectedDigest(const std::string& name)
{
    for (const auto& d : kExpectedDigests)
        if (name == d.name)
            return d.digest;
    return 0;
}

} // namespace

TEST(ProcessorProperty, RandomSizesStayInsideTheirArrays)
{
    Rng rng{0x9E3779B9u};
    for (int iter = 0; iter < 4000; ++iter) {
        const int kind = iter % kKinds;
        std::unique_ptr<CImage32BitProcessor> p = MakeProcessor(kind, rng);
        const CSize in(rng.Range(0, 12), rng.Range(0, 12));
        const CSize out = p->CalcDestSize(in);
        ASSERT_EQ(out, p->CalcDestSize(in)) << "the size answer must be stable";
        if (!IsPixelSizeUsable(out))
            continue;
        // Exact-size heap arrays; an empty one is a null pointer, which a
        // processor must then not touch.
        const size_t nIn = PixelCount(in), nOut = PixelCount(out);
        std::unique_ptr<RGBX[]> src(nIn ? new RGBX[nIn] : nullptr);
        std::unique_ptr<RGBX[]> dst(nOut ? new RGBX[nOut] : nullptr);
        for (size_t i = 0; i < nIn; ++i)
            src[i] = Px(rng.Next() & 0xFF, rng.Next() & 0xFF, rng.Next() & 0xFF, rng.Next() & 0xFF);
        for (size_t i = 0; i < nOut; ++i)
            dst[i] = kWhite;
        const BOOL ok = p->ProcessPixels(src.get(), in, dst.get(), out);
        if (kind == 7 && !(static_cast<CImageResizer*>(p.get())->m_dFactor > 0))
            EXPECT_FALSE(ok);
        else
            EXPECT_TRUE(ok) << "kind " << kind;
    }
}

TEST(ProcessorProperty, RandomChainsNeverFailUnexpectedly)
{
    Rng rng{12345u};
    for (int iter = 0; iter < 600; ++iter) {
        std::unique_ptr<CImage32BitProcessor> owned[4];
        CProcessorArray chain;
        bool expectFail = false;
        const int n = rng.Range(1, 4);
        for (int i = 0; i < n; ++i) {
            const int kind = rng.Range(0, kKinds - 1);
            owned[i] = MakeProcessor(kind, rng);
            if (kind == 7 && !(static_cast<CImageResizer*>(owned[i].get())->m_dFactor > 0))
                expectFail = true;
            chain.Add(owned[i].get());
        }
        const TestImage in = RandomImage(rng.Range(1, 16), rng.Range(1, 16), rng.Next());
        TestImage out;
        EXPECT_EQ(RunChain(chain, in, out), !expectFail) << "iteration " << iter;
    }
}

// Fixed runs of every processor on one image. The expected digests are the
// same for every build: a mismatch means a build computes other bits.
TEST(ProcessorProperty, DigestsAreTheSameOnEveryBuild)
{
    struct DigestRun { const char* name; std::unique_ptr<CImage32BitProcessor> p; };
    DigestRun runs[] = {
        {"grey", std::make_unique<CImageGrayer>()},
        {"negate", std::make_unique<CImageNegator>()},
        {"flip", std::make_unique<CImageFlipper>(1, 1)},
        {"replace", std::make_unique<CImageColorReplacer>(0x000000, 0x0000FF)},
        {"rotate45w", std::make_unique<CImageRotator>(45, 1)},
        {"rotate30", std::make_unique<CImageRotator>(30, 0)},
        {"rotate-200w", std::make_unique<CImageRotator>(-200, 1)},
        {"rotate1.3rad", std::make_unique<CImageRotator>(1.3)},
        {"shear7,-5w", std::make_unique<CImageShearer>(7, -5, 1)},
        {"shear-9,4", std::make_unique<CImageShearer>(-9, 4, 0)},
        {"resize0.37", std::make_unique<CImageResizer>(0.37)},
        {"resize2.3", std::make_unique<CImageResizer>(2.3)},
        {"blur7", std::make_unique<CImageBlurrer>(7)},
        {"sharpen3", std::make_unique<CImageSharpener>(3)},
    };
    TestImage in = RandomImage(37, 23, 2024);
    // Runs of black and white so thresholds and the colour replacer matter.
    for (int x = 0; x < 37; ++x) {
        in.at(x, 3) = Px(0, 0, 0);
        in.at(x, 11) = Px(255, 255, 255);
    }
    uint64_t all = 1469598103934665603ull;
    std::string table;
    for (DigestRun& r : runs) {
        const TestImage out = Apply(*r.p, in);
        uint64_t h = Digest(1469598103934665603ull, &out.size, sizeof out.size);
        h = Digest(h, out.px.data(), out.px.size() * sizeof(RGBX));
        all = Digest(all, &h, sizeof h);
        char line[96];
        std::snprintf(line, sizeof line, "    {\"%s\", 0x%016llxull},\n", r.name, static_cast<unsigned long long>(h));
        table += line;
        EXPECT_EQ(h, ExpectedDigest(r.name)) << r.name;
    }
    if (HasFailure())
        std::printf("Digests of this build:\n%s", table.c_str());
}

TEST(ProcessorProperty, SineAndCosineAreAccurateAndTheSameOnEveryBuild)
{
    uint64_t h = 1469598103934665603ull;
    double worst = 0;
    for (int d = 0; d < 360; ++d) {
        const double a = d * 3.141592653589793 / 180.0;
        const double v[2] = {KdSin(a), KdCos(a)};
        h = Digest(h, v, sizeof v);
        worst = std::max(worst, std::max(std::fabs(v[0] - std::sin(a)), std::fabs(v[1] - std::cos(a))));
    }
    for (double a : {6.283185307179586, 1e-300, 0.7853981633974483, 3.141592653589793, 4.71238898038469}) {
        const double v[2] = {KdSin(a), KdCos(a)};
        h = Digest(h, v, sizeof v);
        worst = std::max(worst, std::max(std::fabs(v[0] - std::sin(a)), std::fabs(v[1] - std::cos(a))));
    }
    // Within a unit or two in the last place of the platform's own values.
    EXPECT_LT(worst, 4.5e-16);
    EXPECT_EQ(h, ExpectedDigest("trig")) << std::hex << h;
}
