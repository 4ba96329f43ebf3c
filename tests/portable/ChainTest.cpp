// The pixel array fill and the chain runner.
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(Fill, WhiteBlackAndOddSizes)
{
    for (DWORD white : {0x00FFFFFFu, 0xFFFFFFFFu}) {
        TestImage img(5, 3, Px(1, 2, 3, 4));
        ASSERT_TRUE(FillPixelArray(img.px.data(), img.size, white));
        for (const RGBX& p : img.px)
            EXPECT_TRUE(SamePixel(p, kWhite));
    }
    for (CSize s : {CSize(5, 3), CSize(7, 1), CSize(1, 9), CSize(17, 13), CSize(64, 2)}) {
        TestImage img(s.cx, s.cy, Px(1, 2, 3, 4));
        ASSERT_TRUE(FillPixelArray(img.px.data(), img.size, 0x00332211));
        for (const RGBX& p : img.px)
            EXPECT_TRUE(SamePixel(p, Px(0x33, 0x22, 0x11, 0))) << s.cx << "x" << s.cy;
        ASSERT_TRUE(FillPixelArray(img.px.data(), img.size, 0));
        for (const RGBX& p : img.px)
            EXPECT_TRUE(SamePixel(p, Px(0, 0, 0, 0)));
    }
    EXPECT_FALSE(FillPixelArray(nullptr, CSize(2, 2), 0x123456));
    // An empty area writes nothing.
    RGBX guard = Px(9, 9, 9, 9);
    EXPECT_TRUE(FillPixelArray(&guard, CSize(0, 5), 0x123456));
    EXPECT_TRUE(FillPixelArray(&guard, CSize(5, 0), 0x00FFFFFF));
    EXPECT_TRUE(SamePixel(guard, Px(9, 9, 9, 9)));
}

TEST(Chain, RunsInOrderOnTheRunningResult)
{
    // Grey then negative: the negative of grey(red) = 255 - 76.
    CImageGrayer grey;
    CImageNegator neg;
    CProcessorArray chain;
    chain.Add(&grey);
    chain.Add(&neg);
    TestImage out;
    ASSERT_TRUE(RunChain(chain, TestImage(2, 2, Px(0, 0, 255)), out));
    EXPECT_TRUE(SameBGR(out.at(0, 0), Grey(179)));
}

TEST(Chain, RotateThenHalveGivesScaledCanvasWithBackground)
{
    CImageRotator rot(45, 1);
    CImageResizer half(0.5);
    CProcessorArray chain;
    chain.Add(&rot);
    chain.Add(&half);
    TestImage out;
    ASSERT_TRUE(RunChain(chain, TestImage(100, 50, Px(0, 0, 0)), out));
    EXPECT_EQ(out.size, CSize(54, 54));
    EXPECT_TRUE(SameBGR(out.at(0, 0), Grey(255)));
    EXPECT_TRUE(SameBGR(out.at(27, 27), Px(0, 0, 0)));
}

TEST(Chain, BackgroundFillsWhatAStepLeavesAfterALargerStep)
{
    // A large step, a tiny one, then a mid-sized one: the last step's
    // unwritten pixels must be background, not leftovers of the first.
    CImageShearer wide(60, 0, 0);
    CImageResizer tiny(0.1);
    CImageShearer again(0, 30, 0);
    CProcessorArray chain;
    chain.Add(&wide);
    chain.Add(&tiny);
    chain.Add(&again);
    TestImage out;
    ASSERT_TRUE(RunChain(chain, TestImage(40, 40, Px(0, 0, 0)), out, 0x00405060));
    ASSERT_EQ(out.size, CSize(10, 34));
    EXPECT_TRUE(SamePixel(out.at(9, 0), Px(0x40, 0x50, 0x60, 0)));
}

TEST(Chain, FailureLeavesNothingBehind)
{
    CImageGrayer grey;
    CImageResizer zero(0.0);
    CProcessorArray chain;
    chain.Add(&grey);
    chain.Add(&zero);
    TestImage out;
    EXPECT_FALSE(RunChain(chain, RandomImage(8, 8, 1), out));
}

TEST(Chain, SizesBeyondRepresentableOrAllocatableFail)
{
    // A 4K frame scaled by 100000, shears of the extreme amounts and a
    // rotation of a huge strip must fail cleanly, not wrap or crash.
    struct Case { const char* what; CImage32BitProcessor* p; CSize in; };
    CImageResizer enormous(100000.0), nan(NAN), inf(INFINITY);
    CImageShearer minShear(INT_MIN, 0, 1), maxShear(INT_MAX, INT_MAX, 0);
    CImageRotator rot(45, 1);
    const Case cases[] = {
        {"resize 100000", &enormous, CSize(3840, 2160)},
        {"resize NaN", &nan, CSize(16, 16)},
        {"resize inf", &inf, CSize(16, 16)},
        {"shear INT_MIN", &minShear, CSize(16, 16)},
        {"shear INT_MAX", &maxShear, CSize(16, 16)},
        {"rotate strip", &rot, CSize(40000, 40000)},
    };
    for (const Case& c : cases) {
        const CSize out = c.p->CalcDestSize(c.in);
        EXPECT_FALSE(IsPixelSizeUsable(out)) << c.what;
        CProcessorArray chain;
        chain.Add(c.p);
        RGBX* pSrc = AllocPixelArray(CSize(16, 16));
        ASSERT_NE(pSrc, nullptr);
        RGBX* pResult = nullptr;
        CSize size;
        // The chain sees the large input size only through the sizing pass.
        if (c.in == CSize(16, 16))
            EXPECT_FALSE(RunProcessorChain(chain, pSrc, c.in, 0x00FFFFFF, &pResult, &size)) << c.what;
        else
            FreePixelArray(pSrc);
        EXPECT_EQ(pResult, nullptr);
    }
    EXPECT_FALSE(IsPixelSizeUsable(CSize(-1, 5)));
    EXPECT_EQ(AllocPixelArray(CSize(100000, 100000)), nullptr);
}

TEST(Chain, EmptyChainHandsBackTheSource)
{
    CProcessorArray chain;
    const TestImage in = RandomImage(3, 4, 2);
    TestImage out;
    ASSERT_TRUE(RunChain(chain, in, out));
    EXPECT_TRUE(out == in);
}
