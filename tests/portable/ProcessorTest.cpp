// The pixel processors against the values their definitions pin down.
#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"
#include "CPoint.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An image whose centre pixel differs from its eight neighbours.
TestImage CentreOnly(int centre, int others, int w = 3, int h = 3, int cx = 1, int cy = 1)
{
    TestImage img(w, h, Grey(others));
    img.at(cx, cy) = Grey(centre);
    return img;
}

} // namespace

TEST(Processor, BaseCopyKeepsEveryByte)
{
    CImage32BitProcessor base;
    const TestImage in = RandomImage(7, 5, 42);
    EXPECT_EQ(base.CalcDestSize(in.size), in.size);
    EXPECT_TRUE(Apply(base, in) == in);
}

TEST(Processor, WeightedColorSamples)
{
    CImage32BitProcessor p;
    TestImage img(3, 2);
    img.at(0, 0) = Px(10, 20, 30, 99);
    img.at(1, 0) = Px(255, 255, 255, 7);
    img.at(2, 0) = Px(40, 50, 60, 5);
    img.at(0, 1) = Px(0, 0, 0, 1);
    img.at(2, 1) = Px(200, 100, 0, 3);

    // Integer position: the pixel itself with X cleared.
    RGBX r = p.CalcWeightedColor(img.px.data(), img.size, 2, 0);
    EXPECT_TRUE(SamePixel(r, Px(40, 50, 60, 0)));
    // Half a pixel past the end of a row uses the last pixel as its own neighbour.
    r = p.CalcWeightedColor(img.px.data(), img.size, 2.5, 0);
    EXPECT_TRUE(SamePixel(r, Px(40, 50, 60, 0)));
    // A negative coordinate takes the nearest pixel whole, X included.
    r = p.CalcWeightedColor(img.px.data(), img.size, -0.5, 0);
    EXPECT_TRUE(SamePixel(r, Px(10, 20, 30, 99)));
    // Black with white to its right, halfway across: a quarter of the way
    // to white, because the vertical half of the mean stays at the pixel.
    TestImage bw(2, 1);
    bw.at(0, 0) = Grey(0);
    bw.at(1, 0) = Grey(255);
    r = p.CalcWeightedColor(bw.px.data(), bw.size, 0.5, 0);
    EXPECT_TRUE(SamePixel(r, Grey(63)));
    // The diagonal neighbour takes no part.
    TestImage diag(2, 2, Grey(0));
    diag.at(1, 1) = Grey(255);
    r = p.CalcWeightedColor(diag.px.data(), diag.size, 0.5, 0.5);
    EXPECT_TRUE(SamePixel(r, Grey(0)));
}

TEST(Processor, GreyUsesWeightsThreeSixOne)
{
    CImageGrayer grayer;
    struct { RGBX in; int grey; } cases[] = {
        {Px(0, 0, 255), 76}, {Px(0, 255, 0), 153}, {Px(255, 0, 0), 25}, {Px(255, 255, 255), 255},
        {Px(1, 2, 3, 77), (3 * 3 + 6 * 2 + 1) / 10},
    };
    for (const auto& c : cases) {
        TestImage in(1, 1, c.in);
        TestImage out = Apply(grayer, in);
        EXPECT_TRUE(SamePixel(out.at(0, 0), Grey(c.grey, 0))) << c.grey;
    }
}

TEST(Processor, NegateTwiceRestoresColoursAndLeavesX)
{
    CImageNegator neg;
    const TestImage in = RandomImage(5, 4, 7);
    const TestImage once = Apply(neg, in);
    const TestImage twice = Apply(neg, once);
    for (size_t i = 0; i < in.px.size(); ++i) {
        EXPECT_EQ(once.px[i].r, 255 - in.px[i].r);
        EXPECT_TRUE(SameBGR(twice.px[i], in.px[i]));
        EXPECT_EQ(once.px[i].x, 0xFF) << "X keeps the background fill";
    }
}

TEST(Processor, FlipMirrors)
{
    const TestImage in = RandomImage(3, 2, 11);
    struct { int h, v; } cases[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (const auto& c : cases) {
        CImageFlipper flip(c.h, c.v);
        TestImage out = Apply(flip, in);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_TRUE(SamePixel(out.at(c.h ? 2 - x : x, c.v ? 1 - y : y), in.at(x, y)));
    }
}

TEST(Processor, ColorReplacerIsExact)
{
    CImageColorReplacer blackToRed(0x000000, 0x0000FF);
    TestImage in(3, 1);
    in.at(0, 0) = Px(0, 0, 0, 9);
    in.at(1, 0) = Px(0, 0, 1, 9);
    in.at(2, 0) = Px(5, 6, 7, 9);
    TestImage out = Apply(blackToRed, in);
    EXPECT_TRUE(SamePixel(out.at(0, 0), Px(0, 0, 255, 0)));
    EXPECT_TRUE(SamePixel(out.at(1, 0), in.at(1, 0)));
    EXPECT_TRUE(SamePixel(out.at(2, 0), in.at(2, 0)));

    CImageColorReplacer same(0x123456, 0x123456);
    const TestImage rnd = RandomImage(4, 4, 3);
    EXPECT_TRUE(Apply(same, rnd) == rnd);
}

TEST(Rotator, CanvasSizes)
{
    struct { int w, h, deg, dw, dh; } cases[] = {
        {100, 50, 45, 108, 108}, {100, 50, 90, 52, 102}, {100, 50, 30, 112, 94},
        {640, 480, 45, 792, 792}, {10, 6, 180, 12, 8}, {1, 1, 17, 2, 2},
        {100, 50, 0, 100, 50}, {100, 50, 360, 100, 50}, {100, 50, -720, 100, 50},
    };
    for (const auto& c : cases) {
        CImageRotator rot(c.deg, 1);
        EXPECT_EQ(rot.CalcDestSize(CSize(c.w, c.h)), CSize(c.dw, c.dh)) << c.w << "x" << c.h << " by " << c.deg;
    }
}

TEST(Rotator, AngleNormalisation)
{
    struct { int deg; int expect; } cases[] = {{-1, 359}, {-360, 0}, {-361, 359}, {725, 5}, {360, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CImageRotator(c.deg, 0).m_dAngle, CImageRotator(c.expect, 0).m_dAngle) << c.deg;
    EXPECT_EQ(CImageRotator(0, 0).m_dAngle, 0.0);
    // The radian form never yields the identity: zero is a full turn.
    EXPECT_EQ(CImageRotator(0.0).m_dAngle, 6.283185307179586);
    EXPECT_EQ(CImageRotator(6.283185307179586 * 3).m_dAngle, 6.283185307179586);
    const double a = CImageRotator(-1.0).m_dAngle;
    EXPECT_GT(a, 0);
    EXPECT_LE(a, 6.283185307179586);
    EXPECT_NEAR(a, 6.283185307179586 - 1.0, 1e-12);
    // Values too large or not numbers still land in (0, 2*pi].
    for (double v : {1e300, -1e300, double(NAN), double(INFINITY)}) {
        const double r = CImageRotator(v).m_dAngle;
        EXPECT_TRUE(r > 0 && r <= 6.283185307179586) << v;
    }
}

TEST(Rotator, WholeTurnsCopyAndMinusNinetyIsTwoSeventy)
{
    const TestImage in = RandomImage(9, 5, 5);
    for (int deg : {0, 360, -720}) {
        CImageRotator rot(deg, 1);
        EXPECT_TRUE(Apply(rot, in) == in) << deg;
    }
    for (int weighted : {0, 1}) {
        CImageRotator minus90(-90, weighted), plus270(270, weighted);
        EXPECT_TRUE(Apply(minus90, in) == Apply(plus270, in));
    }
}

TEST(Rotator, RadianZeroIsAFullTurnOnALargerCanvas)
{
    CImageRotator rot(0.0);
    TestImage in(10, 6, Px(10, 20, 30));
    TestImage out = Apply(rot, in);
    ASSERT_EQ(out.size, CSize(12, 8));
    // Background all round, the image inside.
    for (int x = 0; x < 12; ++x) {
        EXPECT_TRUE(SamePixel(out.at(x, 0), kWhite));
        EXPECT_TRUE(SamePixel(out.at(x, 7), kWhite));
    }
    EXPECT_TRUE(SameBGR(out.at(6, 4), Px(10, 20, 30)));
}

TEST(Rotator, TinyImageDrawsNothingAndCornersStayBackground)
{
    for (int weighted : {0, 1}) {
        CImageRotator rot(33, weighted);
        TestImage one = Apply(rot, TestImage(1, 1, Px(1, 2, 3)));
        ASSERT_EQ(one.size, CSize(2, 2));
        for (const RGBX& p : one.px)
            EXPECT_TRUE(SamePixel(p, kWhite));

        CImageRotator rot45(45, weighted);
        TestImage out = Apply(rot45, TestImage(100, 50, Px(0, 0, 0)));
        ASSERT_EQ(out.size, CSize(108, 108));
        for (auto pt : {CPoint(0, 0), CPoint(107, 0), CPoint(0, 107), CPoint(107, 107)})
            EXPECT_TRUE(SamePixel(out.at(pt.x, pt.y), kWhite));
        EXPECT_TRUE(SameBGR(out.at(54, 54), Px(0, 0, 0)));
    }
}

TEST(Rotator, PositiveAngleTurnsClockwise)
{
    // A marked top-left quarter ends up top-right after a quarter turn.
    TestImage in(20, 20, Grey(0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            in.at(x, y) = Grey(200);
    CImageRotator rot(90, 0);
    TestImage out = Apply(rot, in);
    const int w = out.size.cx;
    EXPECT_TRUE(SameBGR(out.at(w - 6, 6), Grey(200)));
    EXPECT_TRUE(SameBGR(out.at(6, 6), Grey(0)));
}

TEST(Shearer, SizesAndOffsets)
{
    const TestImage in(100, 80, Px(0, 0, 0));
    CImageShearer none(0, 0, 1);
    const TestImage rnd = RandomImage(13, 7, 9);
    EXPECT_TRUE(Apply(none, rnd) == rnd);

    struct { int across, down, dw, dh; } sizes[] = {
        {50, 0, 150, 80}, {50, 50, 150, 130}, {0, 50, 100, 130}, {-50, -20, 150, 100}};
    for (const auto& c : sizes)
        EXPECT_EQ(CImageShearer(c.across, c.down, 1).CalcDestSize(in.size), CSize(c.dw, c.dh));

    // A positive horizontal amount shifts the top row right by the amount.
    CImageShearer across(50, 0, 0);
    TestImage out = Apply(across, in);
    for (int x = 0; x < 50; ++x)
        EXPECT_TRUE(SamePixel(out.at(x, 0), kWhite)) << x;
    EXPECT_TRUE(SameBGR(out.at(50, 0), Px(0, 0, 0)));
    // ... falling off to nothing at the bottom row.
    EXPECT_TRUE(SameBGR(out.at(0, 79), Px(0, 0, 0)));

    // A positive vertical amount keeps the left column and moves the right down.
    CImageShearer down(0, 50, 0);
    out = Apply(down, in);
    EXPECT_TRUE(SameBGR(out.at(0, 0), Px(0, 0, 0)));
    EXPECT_TRUE(SamePixel(out.at(99, 0), kWhite));
}

TEST(Resizer, CopyShrinkEnlargeAndFailure)
{
    const TestImage rnd = RandomImage(10, 10, 21);
    CImageResizer one(1.0);
    EXPECT_TRUE(Apply(one, rnd) == rnd);
    EXPECT_EQ(CImageResizer(1.0).m_bWeighted, 0);
    EXPECT_EQ(CImageResizer(2.0).m_bWeighted, 1);

    CImageResizer half(0.5);
    TestImage out = Apply(half, rnd);
    ASSERT_EQ(out.size, CSize(5, 5));
    int sum[3] = {0, 0, 0};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            sum[0] += rnd.at(x, y).b;
            sum[1] += rnd.at(x, y).g;
            sum[2] += rnd.at(x, y).r;
        }
    EXPECT_TRUE(SameBGR(out.at(0, 0), Px(sum[0] / 9, sum[1] / 9, sum[2] / 9)));

    const TestImage small = RandomImage(3, 3, 4);
    CImageResizer twice(2.0);
    out = Apply(twice, small);
    ASSERT_EQ(out.size, CSize(6, 6));
    const RGBX a = small.at(0, 0), b = small.at(1, 0);
    EXPECT_TRUE(SamePixel(out.at(1, 0), Px(static_cast<int>(0.75 * a.b + 0.25 * b.b),
                                           static_cast<int>(0.75 * a.g + 0.25 * b.g),
                                           static_cast<int>(0.75 * a.r + 0.25 * b.r), 0)));

    for (double f : {0.0, -1.0}) {
        CImageResizer bad(f);
        TestImage dummy(2, 2), res(2, 2);
        EXPECT_FALSE(bad.ProcessPixels(dummy.px.data(), dummy.size, res.px.data(), res.size)) << f;
        CProcessorArray chain;
        chain.Add(&bad);
        EXPECT_FALSE(RunChain(chain, rnd, out)) << f;
    }
}

TEST(Resizer, ShrinkBlocksWidenTheFirst)
{
    // Factor 0.5 on ten columns: blocks 0-2, 3-4, 5-6, 7-8 and 9.
    TestImage in(10, 1);
    for (int x = 0; x < 10; ++x)
        in.at(x, 0) = Grey(x * 20);
    CImageResizer half(0.5);
    TestImage out = Apply(half, in);
    ASSERT_EQ(out.size, CSize(5, 0));
    TestImage row(10, 2);
    for (int x = 0; x < 10; ++x)
        row.at(x, 0) = row.at(x, 1) = Grey(x * 20);
    out = Apply(half, row);
    ASSERT_EQ(out.size, CSize(5, 1));
    const int expect[5] = {(0 + 20 + 40) / 3, (60 + 80) / 2, (100 + 120) / 2, (140 + 160) / 2, 180};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(out.at(i, 0).g, expect[i]) << i;
}

TEST(Blurrer, StrengthAndEdges)
{
    const TestImage rnd = RandomImage(6, 6, 8);
    for (int f : {0, -4}) {
        CImageBlurrer copy(f);
        EXPECT_TRUE(Apply(copy, rnd) == rnd) << f;
    }
    CImageBlurrer ten(10), huge(25);
    EXPECT_TRUE(Apply(ten, rnd) == Apply(huge, rnd));

    CImageBlurrer blur(5);
    TestImage uniform(5, 4, Px(30, 60, 90));
    TestImage out = Apply(blur, uniform);
    for (const RGBX& p : out.px)
        EXPECT_TRUE(SameBGR(p, Px(30, 60, 90)));

    out = Apply(blur, CentreOnly(100, 50));
    EXPECT_EQ(out.at(1, 1).g, (30 * 100 + 8 * 50) / 38); // 89
    out = Apply(blur, CentreOnly(100, 50, 3, 3, 0, 0));
    EXPECT_EQ(out.at(0, 0).g, (30 * 100 + 3 * 50) / 33); // 95
}

TEST(Sharpener, KernelLimitsAndFrame)
{
    for (int f = 1; f <= 10; ++f) {
        CImageSharpener sharp(f);
        EXPECT_EQ(Apply(sharp, CentreOnly(100, 50)).at(1, 1).g, 150) << f;
        EXPECT_EQ(Apply(sharp, CentreOnly(200, 20)).at(1, 1).g, 255) << f;
        EXPECT_EQ(Apply(sharp, CentreOnly(0, 255)).at(1, 1).g, 0) << f;
    }
    const TestImage rnd = RandomImage(7, 6, 12);
    CImageSharpener sharp(5);
    TestImage out = Apply(sharp, rnd);
    for (int x = 0; x < 7; ++x) {
        EXPECT_TRUE(SamePixel(out.at(x, 0), rnd.at(x, 0)));
        EXPECT_TRUE(SamePixel(out.at(x, 5), rnd.at(x, 5)));
    }
    for (int y = 0; y < 6; ++y) {
        EXPECT_TRUE(SamePixel(out.at(0, y), rnd.at(0, y)));
        EXPECT_TRUE(SamePixel(out.at(6, y), rnd.at(6, y)));
    }
    for (CSize s : {CSize(2, 9), CSize(9, 2), CSize(1, 1)}) {
        const TestImage thin = RandomImage(s.cx, s.cy, 13);
        EXPECT_TRUE(Apply(sharp, thin) == thin);
    }
    CImageSharpener zero(0), negative(-2), ten(10), huge(25);
    EXPECT_TRUE(Apply(zero, rnd) == rnd);
    EXPECT_TRUE(Apply(negative, rnd) == rnd);
    EXPECT_TRUE(Apply(ten, rnd) == Apply(huge, rnd));
}
