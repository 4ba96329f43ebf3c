// CImageBitmap on real GDI bitmaps: the pixel exchange, the chain runner's
// guarantees and the one-step operations.
#include "CImageBitmap.h"
#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"
#include "WinTestUtil.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Opens the protected helpers for tests.
class OpenImageBitmap : public CImageBitmap
{
public:
    using CImageBitmap::Fill;
    using CImageBitmap::GetDIBits32;
    using CImageBitmap::GetFileType;
    using CImageBitmap::PrepareBitmapInfo32;
};

TestImage Pixels(CImageBitmap& bmp)
{
    TestImage img;
    EXPECT_TRUE(ReadBitmap(static_cast<HBITMAP>(bmp.m_hObject), img));
    return img;
}

// A buffer holding a copy of img.
void Load(CImageBitmap& bmp, const TestImage& img)
{
    HBITMAP h = MakeBitmap(img);
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(bmp.CopyImage(h));
    DeleteObject(h);
}

} // namespace

TEST(ImageBitmap, CopyImageIsADeepCopy)
{
    const TestImage img = RandomImage(13, 7, 3);
    HBITMAP h = MakeBitmap(img);
    ASSERT_NE(h, nullptr);
    CImageBitmap bmp;
    ASSERT_TRUE(bmp.CopyImage(h));
    EXPECT_NE(bmp.m_hObject, static_cast<HGDIOBJ>(h));
    DeleteObject(h);
    EXPECT_TRUE(SameColours(Pixels(bmp), img));

    // Copying the buffer's own bitmap gives a fresh handle with the same pixels.
    HGDIOBJ before = bmp.m_hObject;
    ASSERT_TRUE(bmp.CopyImage(&bmp));
    EXPECT_NE(bmp.m_hObject, before);
    EXPECT_TRUE(SameColours(Pixels(bmp), img));

    // Bad arguments leave the buffer as it was.
    before = bmp.m_hObject;
    EXPECT_FALSE(bmp.CopyImage(static_cast<HBITMAP>(nullptr)));
    EXPECT_FALSE(bmp.CopyImage(static_cast<CBitmap*>(nullptr)));
    EXPECT_FALSE(bmp.CopyImage(reinterpret_cast<HBITMAP>(static_cast<ULONG_PTR>(0x1234))));
    EXPECT_EQ(bmp.m_hObject, before);
}

TEST(ImageBitmap, PixelArrayIsTopDown)
{
    TestImage img(3, 2, Px(1, 2, 3));
    img.at(0, 0) = Px(10, 20, 30);
    img.at(2, 1) = Px(40, 50, 60);
    OpenImageBitmap bmp;
    EXPECT_EQ(bmp.GetDIBits32(), nullptr);
    Load(bmp, img);
    RGBX* p = bmp.GetDIBits32();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(SameBGR(p[0], Px(10, 20, 30)));
    EXPECT_TRUE(SameBGR(p[5], Px(40, 50, 60)));
    FreePixelArray(p);
    BITMAPINFO bmi;
    EXPECT_EQ(bmp.PrepareBitmapInfo32(bmi, nullptr), 2);
    EXPECT_EQ(bmi.bmiHeader.biHeight, -2);
    EXPECT_EQ(bmi.bmiHeader.biSizeImage, 24u);
}

TEST(ImageBitmap, EmptyAndFailingChainsKeepTheBitmap)
{
    CImageBitmap empty;
    CImageGrayer grey;
    EXPECT_FALSE(empty.ProcessImage(&grey));

    const TestImage img = RandomImage(20, 10, 5);
    CImageBitmap bmp;
    Load(bmp, img);
    const HGDIOBJ handle = bmp.m_hObject;
    CProcessorArray none;
    EXPECT_TRUE(bmp.ProcessImage(none));
    EXPECT_EQ(bmp.m_hObject, handle);

    CImageResizer zero(0.0), enormous(100000.0);
    CProcessorArray failing;
    failing.Add(&grey);
    failing.Add(&zero);
    EXPECT_FALSE(bmp.ProcessImage(failing));
    EXPECT_FALSE(bmp.ProcessImage(&enormous));
    CImageResizer toNothing(0.01);
    EXPECT_FALSE(bmp.ProcessImage(&toNothing)) << "a result without pixels keeps the image";
    EXPECT_EQ(bmp.m_hObject, handle);
    EXPECT_TRUE(SameColours(Pixels(bmp), img));
}

TEST(ImageBitmap, HugeScaleOfAFourKFrameFailsCleanly)
{
    CImageBitmap bmp;
    HDC dc = GetDC(nullptr);
    HBITMAP h = CreateCompatibleBitmap(dc, 3840, 2160);
    ReleaseDC(nullptr, dc);
    ASSERT_NE(h, nullptr);
    bmp.Attach(h);
    EXPECT_FALSE(bmp.ResizeImage(100000.0));
    EXPECT_FALSE(bmp.ShearImage(INT_MAX, INT_MAX, 1));
    EXPECT_EQ(bmp.m_hObject, static_cast<HGDIOBJ>(h));
}

TEST(ImageBitmap, ProcessImageGivesTheProcessorsPixels)
{
    const TestImage img = RandomImage(23, 17, 9);
    CImageGrayer grey;
    CImageNegator neg;
    CImageFlipper flip(1, 0);
    CImageColorReplacer replace(img.px[0].r | (img.px[0].g << 8) | (img.px[0].b << 16), 0x00FF00);
    CImageRotator rot(30, 1);
    CImageShearer shear(-7, 5, 1);
    CImageResizer grow(1.7), shrink(0.4);
    CImageBlurrer blur(6);
    CImageSharpener sharp(4);
    CImage32BitProcessor* all[] = {&grey, &neg, &flip, &replace, &rot, &shear, &grow, &shrink, &blur, &sharp};
    for (CImage32BitProcessor* p : all) {
        CImageBitmap bmp;
        Load(bmp, img);
        ASSERT_TRUE(bmp.ProcessImage(p));
        EXPECT_TRUE(SameColours(Pixels(bmp), Apply(*p, img)));
    }
    // A whole chain in one call equals the steps applied one after another.
    CProcessorArray chain;
    for (CImage32BitProcessor* p : all)
        chain.Add(p);
    CImageBitmap bmp;
    Load(bmp, img);
    ASSERT_TRUE(bmp.ProcessImage(chain));
    TestImage expect;
    ASSERT_TRUE(RunChain(chain, img, expect));
    EXPECT_TRUE(SameColours(Pixels(bmp), expect));
}

TEST(ImageBitmap, RotationThenHalfScaleOnABitmap)
{
    CImageBitmap bmp;
    Load(bmp, TestImage(100, 50, Px(0, 0, 0)));
    CImageRotator rot(45, 1);
    CImageResizer half(0.5);
    CProcessorArray chain;
    chain.Add(&rot);
    chain.Add(&half);
    ASSERT_TRUE(bmp.ProcessImage(chain));
    const TestImage out = Pixels(bmp);
    ASSERT_EQ(out.size, CSize(54, 54));
    EXPECT_TRUE(SameBGR(out.at(0, 0), Grey(255)));
    EXPECT_TRUE(SameBGR(out.at(53, 53), Grey(255)));
    EXPECT_TRUE(SameBGR(out.at(27, 27), Grey(0)));
}

TEST(ImageBitmap, OneStepOperations)
{
    const TestImage img = RandomImage(12, 9, 14);
    struct Op {
        const char* name;
        std::function<BOOL(CImageBitmap&)> run;
        std::function<CImage32BitProcessor*()> make;
    };
    CImageRotator rot(-30, 0);
    CImageShearer shear(3, -4, 1);
    CImageResizer resize(1.5);
    CImageGrayer grey;
    CImageNegator neg;
    CImageFlipper flip(0, 1);
    CImageColorReplacer replace(0x000000, 0x0000FF);
    CImageBlurrer blur(3);
    CImageSharpener sharp(8);
    const Op ops[] = {
        {"RotateImage", [](CImageBitmap& b) { return b.RotateImage(-30, 0); }, [&] { return &rot; }},
        {"ShearImage", [](CImageBitmap& b) { return b.ShearImage(3, -4, 1); }, [&] { return &shear; }},
        {"ResizeImage", [](CImageBitmap& b) { return b.ResizeImage(1.5); }, [&] { return &resize; }},
        {"GrayImage", [](CImageBitmap& b) { return b.GrayImage(); }, [&] { return &grey; }},
        {"NegateImage", [](CImageBitmap& b) { return b.NegateImage(); }, [&] { return &neg; }},
        {"FlipImage", [](CImageBitmap& b) { return b.FlipImage(0, 1); }, [&] { return &flip; }},
        {"ReplaceColor", [](CImageBitmap& b) { return b.ReplaceColor(0x000000, 0x0000FF); }, [&] { return &replace; }},
        {"BlurImage", [](CImageBitmap& b) { return b.BlurImage(3); }, [&] { return &blur; }},
        {"SharpenImage", [](CImageBitmap& b) { return b.SharpenImage(8); }, [&] { return &sharp; }},
    };
    for (const Op& op : ops) {
        CImageBitmap empty;
        EXPECT_FALSE(op.run(empty)) << op.name;
        CImageBitmap bmp;
        Load(bmp, img);
        EXPECT_TRUE(op.run(bmp)) << op.name;
        EXPECT_TRUE(SameColours(Pixels(bmp), Apply(*op.make(), img))) << op.name;
    }
    CImageBitmap bmp;
    Load(bmp, img);
    const HGDIOBJ handle = bmp.m_hObject;
    EXPECT_FALSE(bmp.ResizeImage(0.0));
    EXPECT_EQ(bmp.m_hObject, handle);
    EXPECT_TRUE(SameColours(Pixels(bmp), img));
}

TEST(ImageBitmap, FileTypeByExtensionAnywhereButTheStart)
{
    struct { const wchar_t* path; int type; } cases[] = {
        {L"c:\\a\\pic.jpeg", 2}, {L"c:\\a\\PIC.JPG", 2}, {L"x.bmp.gif", 0}, {L"c:\\x.BMP\\y.gif", 0},
        {L".gif", 4}, {L".bmp", 4}, {L"photo.png", 4}, {L"icon.ico", 1}, {L"anim.GIF", 3}, {L"", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenImageBitmap::GetFileType(c.path), c.type);
    EXPECT_EQ(CImageBitmap::LoadImageFile(L"c:\\nothing.png", 0xFFFFFFFF), nullptr);
}

TEST(ImageBitmap, GdiObjectsDoNotLeak)
{
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const TestImage img = RandomImage(40, 30, 1);
    for (int i = 0; i < 200; ++i) {
        CImageBitmap bmp;
        Load(bmp, img);
        CImageRotator rot(i, 1);
        CImageResizer zero(0.0);
        bmp.ProcessImage(&rot);
        bmp.ProcessImage(&zero);
        bmp.CopyImage(&bmp);
    }
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 2);
}
