// The picture loaders on BMP, GIF, ICO and JPEG files written by our own
// fixture generator: a 16 x 16 pattern of red, green, blue and white
// quadrants, the red one transparent in the GIF and the icon.
#include "CImageBitmap.h"
#include "TestFiles.h"
#include "WinTestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CString Fixture(const wchar_t* name)
{
    return ExeFolder() + L"fixtures\\" + name;
}

// The colour of each quadrant, sampled at its centre.
struct Quadrants { RGBX tl, tr, bl, br; };

Quadrants Sample(HBITMAP h)
{
    TestImage img;
    EXPECT_TRUE(ReadBitmap(h, img));
    EXPECT_EQ(img.size, CSize(16, 16));
    if (img.size != CSize(16, 16))
        return Quadrants{};
    return Quadrants{img.at(4, 4), img.at(12, 4), img.at(4, 12), img.at(12, 12)};
}

::testing::AssertionResult Near(RGBX a, RGBX b, int tol)
{
    if (std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << int(a.r) << "," << int(a.g) << "," << int(a.b)
                                         << " expected " << int(b.r) << "," << int(b.g) << "," << int(b.b);
}

const RGBX kRed = Px(0, 0, 255), kGreen = Px(0, 255, 0), kBlue = Px(255, 0, 0), kWhitePx = Px(255, 255, 255);

class LoaderTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { CoInitialize(nullptr); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

} // namespace

TEST_F(LoaderTest, EachFormatLoadsItsPixels)
{
    struct { const wchar_t* name; bool transparent; int tol; } cases[] = {
        {L"pattern.bmp", false, 0}, {L"pattern.gif", true, 0}, {L"pattern.ico", true, 0}, {L"pattern.jpg", false, 3},
    };
    for (const auto& c : cases) {
        CImageBitmap bmp;
        ASSERT_TRUE(bmp.LoadImageW(Fixture(c.name))) << static_cast<const wchar_t*>(c.name);
        const Quadrants q = Sample(static_cast<HBITMAP>(bmp.m_hObject));
        // Transparent parts show the buffer's background, white by default.
        EXPECT_TRUE(Near(q.tl, c.transparent ? kWhitePx : kRed, c.tol)) << static_cast<const wchar_t*>(c.name);
        EXPECT_TRUE(Near(q.tr, kGreen, c.tol));
        EXPECT_TRUE(Near(q.bl, kBlue, c.tol));
        EXPECT_TRUE(Near(q.br, kWhitePx, c.tol));
    }
}

TEST_F(LoaderTest, BackgroundColourBehindTransparentParts)
{
    for (const wchar_t* name : {L"pattern.gif", L"pattern.ico"}) {
        // A buffer with another background paints that behind the picture.
        CImageBitmap yellow(0x0000FFFF);
        ASSERT_TRUE(yellow.LoadImageW(Fixture(name)));
        EXPECT_TRUE(Near(Sample(static_cast<HBITMAP>(yellow.m_hObject)).tl, Px(0, 255, 255), 0));
        // An explicit colour wins over the buffer's.
        CImageBitmap white;
        ASSERT_TRUE(white.LoadImageW(Fixture(name), 0x00FF0000));
        EXPECT_TRUE(Near(Sample(static_cast<HBITMAP>(white.m_hObject)).tl, Px(255, 0, 0), 0));
        // Called directly with 0xFFFFFFFF, nothing is painted behind them.
        HBITMAP h = CImageBitmap::LoadImageFile(Fixture(name), 0xFFFFFFFF);
        ASSERT_NE(h, nullptr);
        EXPECT_TRUE(Near(Sample(h).tl, Px(0, 0, 0), 0));
        EXPECT_TRUE(Near(Sample(h).tr, kGreen, 0));
        DeleteObject(h);
    }
}

TEST_F(LoaderTest, LoadingIntoAFullBufferIsRefused)
{
    CImageBitmap bmp;
    ASSERT_TRUE(bmp.LoadImageW(Fixture(L"pattern.bmp")));
    const HGDIOBJ handle = bmp.m_hObject;
    EXPECT_FALSE(bmp.LoadImageW(Fixture(L"pattern.gif")));
    EXPECT_FALSE(bmp.LoadImageW(101, L"IMAGE", GetModuleHandleW(nullptr)));
    EXPECT_EQ(bmp.m_hObject, handle);
}

TEST_F(LoaderTest, MissingTruncatedAndUnknownFilesGiveNothing)
{
    CImageBitmap bmp;
    EXPECT_FALSE(bmp.LoadImageW(Fixture(L"missing.gif")));
    EXPECT_FALSE(bmp.LoadImageW(Fixture(L"pattern.png")));
    for (const wchar_t* name : {L"pattern.bmp", L"pattern.gif", L"pattern.ico", L"pattern.jpg"}) {
        std::string bytes;
        ASSERT_TRUE(ReadBytes(Fixture(name), bytes));
        for (size_t keep : {size_t(0), size_t(5), bytes.size() / 3}) {
            const CString cut = Fixture(L"cut_") + name;
            ASSERT_TRUE(WriteBytes(cut, bytes.substr(0, keep)));
            // Any outcome but a crash is acceptable for a damaged file;
            // a bitmap that does come back must be a usable one.
            CImageBitmap b;
            if (b.LoadImageW(cut)) {
                TestImage img;
                EXPECT_TRUE(ReadBitmap(static_cast<HBITMAP>(b.m_hObject), img));
            }
            RemoveTestFile(cut);
        }
    }
    EXPECT_EQ(bmp.m_hObject, nullptr);
}

TEST_F(LoaderTest, ResourcesTakeThePictureRoute)
{
    HINSTANCE hInst = GetModuleHandleW(nullptr);
    int size = 0;
    ASSERT_TRUE(CImageBitmap::GetResource(MAKEINTRESOURCEW(101), L"IMAGE", hInst, nullptr, size));
    std::string file;
    ASSERT_TRUE(ReadBytes(Fixture(L"pattern.gif"), file));
    EXPECT_EQ(size, static_cast<int>(file.size()));
    std::string copy(static_cast<size_t>(size), '\0');
    int small = size - 1;
    EXPECT_FALSE(CImageBitmap::GetResource(MAKEINTRESOURCEW(101), L"IMAGE", hInst, &copy[0], small));
    EXPECT_TRUE(CImageBitmap::GetResource(MAKEINTRESOURCEW(101), L"IMAGE", hInst, &copy[0], size));
    EXPECT_EQ(copy, file);
    EXPECT_FALSE(CImageBitmap::GetResource(MAKEINTRESOURCEW(999), L"IMAGE", hInst, nullptr, size));

    struct { UINT id; bool transparent; int tol; } cases[] = {{101, true, 0}, {102, false, 3}, {103, true, 0}};
    for (const auto& c : cases) {
        CImageBitmap bmp;
        // Only the low 16 bits of the identifier count.
        ASSERT_TRUE(bmp.LoadImageW(c.id | 0x10000u, L"IMAGE", hInst)) << c.id;
        const Quadrants q = Sample(static_cast<HBITMAP>(bmp.m_hObject));
        EXPECT_TRUE(Near(q.tl, c.transparent ? kWhitePx : kRed, c.tol)) << c.id;
        EXPECT_TRUE(Near(q.br, kWhitePx, c.tol)) << c.id;
    }
    EXPECT_EQ(CImageBitmap::LoadImageResource(999, L"IMAGE", hInst, 0), nullptr);
    EXPECT_EQ(CImageBitmap::LoadFromBuffer(nullptr, 0), nullptr);
    BYTE junk[64] = {1, 2, 3};
    IPicture* p = CImageBitmap::LoadFromBuffer(junk, sizeof junk);
    if (p)
        p->Release();
    EXPECT_EQ(p, nullptr);
}
