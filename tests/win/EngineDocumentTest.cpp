// The effects pipeline and the image document of the engine: thumbnails,
// saving through every encoder, opening, copy and paste.
#include "EngineHost.h"
#include "CGdiplusFileDialog.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Puts an image into the engine as if it had been captured.
void Feed(TestCore& core, const TestImage& img)
{
    HBITMAP h = MakeBitmap(img);
    ASSERT_NE(h, nullptr);
    core.ResetBitmapData(h);
    DeleteObject(h);
    core.RefreshImageData();
}

TestImage Shown(TestCore& core)
{
    TestImage img;
    EXPECT_TRUE(ReadImage(core.GetImage(), img));
    return img;
}

CSize ShownSize(TestCore& core)
{
    Gdiplus::Image* p = core.GetImage();
    return p ? CSize(static_cast<LONG>(p->GetWidth()), static_cast<LONG>(p->GetHeight())) : CSize(-1, -1);
}

} // namespace

TEST_F(EngineTest, EffectsRunInTheirFixedOrderFromTheCapture)
{
    StartCore(m_core);
    // No capture yet: nothing changes, not even the names.
    m_core.SetPathName(L"keep");
    m_core.RefreshImageData();
    EXPECT_EQ(m_core.GetPathName(), CString(L"keep"));
    EXPECT_EQ(m_core.GetImage(), nullptr);

    const TestImage red(8, 8, Px(0, 0, 255));
    Feed(m_core, red);
    EXPECT_TRUE(m_core.GetPathName().IsEmpty());
    EXPECT_TRUE(SameColours(Shown(m_core), red));

    // Grey before negative: 255 - grey(red) = 179, not grey(negative) = 178.
    m_core.SetGrayScale(TRUE);
    m_core.SetNegate(TRUE);
    m_core.RefreshImageData();
    EXPECT_TRUE(SameBGR(Shown(m_core).at(3, 3), Grey(179)));

    // Off again: exactly the capture, nothing accumulated.
    m_core.SetGrayScale(FALSE);
    m_core.SetNegate(FALSE);
    m_core.RefreshImageData();
    EXPECT_TRUE(SameColours(Shown(m_core), red));
    EXPECT_TRUE(SameColours(m_core.Source(), red));

    // A failing chain (scale 0) shows the plain copy.
    m_core.SetGrayScale(TRUE);
    m_core.SetScale(TRUE);
    m_core.SetScaleFactor(0);
    m_core.RefreshImageData();
    EXPECT_TRUE(SameColours(Shown(m_core), red));

    // The master switch off: no effect at all.
    m_core.SetScaleFactor(50);
    m_core.m_bApplyEffects = FALSE;
    m_core.RefreshImageData();
    EXPECT_TRUE(SameColours(Shown(m_core), red));
}

TEST_F(EngineTest, EffectSizes)
{
    StartCore(m_core);
    struct Case { const char* what; CSize in; std::function<void(TestCore&)> set; CSize out; };
    const Case cases[] = {
        {"rotate 45", CSize(100, 50), [](TestCore& c) { c.SetRotate(TRUE); }, CSize(108, 108)},
        {"scale 50", CSize(640, 480), [](TestCore& c) { c.SetScale(TRUE); }, CSize(320, 240)},
        {"scale 100", CSize(640, 480), [](TestCore& c) { c.SetScale(TRUE); c.SetScaleFactor(100); }, CSize(640, 480)},
        {"both shears", CSize(100, 80), [](TestCore& c) { c.SetShearAcross(TRUE); c.SetShearDown(TRUE); }, CSize(150, 130)},
        {"vertical shear", CSize(100, 80), [](TestCore& c) { c.SetShearDown(TRUE); }, CSize(100, 130)},
    };
    for (const Case& c : cases) {
        m_core.ResetImageOption();
        c.set(m_core);
        Feed(m_core, TestImage(c.in.cx, c.in.cy, Px(0, 0, 0)));
        EXPECT_EQ(ShownSize(m_core), c.out) << c.what;
    }
    // Rotation turns clockwise and leaves white corners.
    m_core.ResetImageOption();
    m_core.SetRotate(TRUE);
    Feed(m_core, TestImage(100, 50, Px(0, 0, 0)));
    const TestImage shown = Shown(m_core);
    EXPECT_TRUE(SameBGR(shown.at(0, 0), Grey(255)));
    EXPECT_TRUE(SameBGR(shown.at(54, 54), Grey(0)));
}

TEST_F(EngineTest, ThumbnailIsFittedAndCentredInThePreview)
{
    struct Case { CSize client, image, thumb; CPoint at; };
    const Case cases[] = {
        {CSize(404, 204), CSize(800, 600), CSize(266, 200), CPoint(69, 2)},
        {CSize(404, 204), CSize(100, 50), CSize(100, 50), CPoint(152, 77)},
        {CSize(204, 104), CSize(1000, 500), CSize(200, 100), CPoint(2, 2)},
    };
    for (const Case& c : cases) {
        CPreviewWindow preview(m_host.get(), c.client.cx, c.client.cy);
        TestCore core;
        WriteQuickConfig();
        ASSERT_TRUE(core.InitSnapper(m_host.get(), &preview));
        Feed(core, TestImage(c.image.cx, c.image.cy, Px(10, 20, 30)));
        int left = -1, top = -1;
        Gdiplus::Image* thumb = core.GetThubImage(left, top);
        ASSERT_NE(thumb, nullptr);
        EXPECT_EQ(CSize(static_cast<LONG>(thumb->GetWidth()), static_cast<LONG>(thumb->GetHeight())), c.thumb);
        EXPECT_EQ(CPoint(left, top), c.at);
        core.CloseSnapper();
    }
}

TEST_F(EngineTest, SaveThroughEveryEncoderAndOpenAgain)
{
    StartCore(m_core);
    const TestImage img = RandomImage(64, 48, 77);
    CCodecInfoArray encoders;
    EnumerateImageCodecs(true, encoders);
    ASSERT_GT(encoders.GetSize(), 0);
    for (int i = 0; i < encoders.GetSize(); ++i) {
        const CString format = encoders[i]->GetFormat();
        const CString name = CString(L"saved.") + encoders[i]->GetDefExt();
        const CString path = CHelper::GetAppPath() + name;
        if (format == L"GIF")
            continue; // see GifEncoderOfWineIsBrokenForTrueColour
        Feed(m_core, img);
        ASSERT_TRUE(m_core.SaveImage(path, FALSE)) << static_cast<const wchar_t*>(format);
        EXPECT_EQ(m_core.GetPathName(), path);
        EXPECT_EQ(m_core.GetFileName(), name);

        m_core.SetGrayScale(TRUE);
        ASSERT_TRUE(m_core.OpenImage(path)) << static_cast<const wchar_t*>(format);
        EXPECT_FALSE(m_core.GetGrayScale()) << "opening switches the effects off";
        EXPECT_EQ(m_core.GetPathName(), path);
        EXPECT_EQ(m_core.GetFileName(), name);
        const TestImage back = Shown(m_core);
        ASSERT_EQ(back.size, img.size);
        if (format == L"JPEG")
            EXPECT_TRUE(SameColours(m_core.Source(), back));
        else
            EXPECT_TRUE(SameColours(back, img)) << static_cast<const wchar_t*>(format) << " is lossless";
        // The file is not held open: it can be saved over at once.
        EXPECT_TRUE(m_core.SaveImage(path, FALSE));
        RemoveTestFile(path);
    }
    for (int i = 0; i < encoders.GetSize(); ++i)
        delete encoders[i];

    // No encoder for the extension: refused, nothing written.
    const CString odd = CHelper::GetAppPath() + L"saved.xyz";
    EXPECT_FALSE(m_core.SaveImage(odd, FALSE));
    std::string bytes;
    EXPECT_FALSE(ReadBytes(odd, bytes));
    // The thumbnail saves without becoming the document's file.
    const CString thumbPath = CHelper::GetAppPath() + L"thumb.png";
    m_core.SetPathName(L"doc");
    EXPECT_TRUE(m_core.SaveImage(thumbPath, TRUE));
    EXPECT_EQ(m_core.GetPathName(), CString(L"doc"));
    RemoveTestFile(thumbPath);
}

TEST_F(EngineTest, GifEncoderOfWineIsBrokenForTrueColour)
{
    StartCore(m_core);
    Feed(m_core, RandomImage(32, 32, 5));
    const CString path = CHelper::GetAppPath() + L"saved.gif";
    const BOOL saved = m_core.SaveImage(path, FALSE);
    const BOOL opened = saved && m_core.OpenImage(path);
    RemoveTestFile(path);
    if (!opened)
        GTEST_SKIP() << "Wine's GDI+ GIF encoder writes a corrupt file from a 24-bit image";
    EXPECT_EQ(ShownSize(m_core), CSize(32, 32));
}

TEST_F(EngineTest, AFailedOpenChangesNothing)
{
    StartCore(m_core);
    const TestImage img = RandomImage(30, 20, 9);
    Feed(m_core, img);
    const CString good = CHelper::GetAppPath() + L"good.png";
    ASSERT_TRUE(m_core.SaveImage(good, FALSE));
    std::string png;
    ASSERT_TRUE(ReadBytes(good, png));
    m_core.SetBlur(TRUE);
    Gdiplus::Image* const image = m_core.GetImage();
    int l, t;
    Gdiplus::Image* const thumb = m_core.GetThubImage(l, t);

    const CString bad = CHelper::GetAppPath() + L"bad.png";
    const CString text = CHelper::GetAppPath() + L"text.png";
    ASSERT_TRUE(WriteBytes(bad, png.substr(0, png.size() / 2)));
    ASSERT_TRUE(WriteBytes(text, "not a picture"));
    for (const CString& path : {bad, text, CHelper::GetAppPath() + L"missing.png"}) {
        EXPECT_FALSE(m_core.OpenImage(path)) << static_cast<const wchar_t*>(path);
        EXPECT_EQ(m_core.GetImage(), image);
        EXPECT_EQ(m_core.GetThubImage(l, t), thumb);
        EXPECT_TRUE(m_core.GetBlur());
        EXPECT_EQ(m_core.GetPathName(), good);
        EXPECT_TRUE(SameColours(m_core.Source(), img));
    }
    RemoveTestFile(good);
    RemoveTestFile(bad);
    RemoveTestFile(text);
}

TEST_F(EngineTest, CopyAndPasteRoundTrip)
{
    StartCore(m_core);
    // Nothing to copy: FALSE, and the clipboard keeps what it holds.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    memcpy(GlobalLock(h), L"txt", 8);
    GlobalUnlock(h);
    SetClipboardData(CF_UNICODETEXT, h);
    CloseClipboard();
    EXPECT_FALSE(m_core.CopyImageData(TRUE));
    EXPECT_FALSE(m_core.CopyImageData(FALSE));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    // Text only: paste refuses, and the clipboard can be opened right after.
    EXPECT_FALSE(m_core.PasteImageData());
    EXPECT_TRUE(OpenClipboard(nullptr));
    CloseClipboard();

    const TestImage img = RandomImage(50, 40, 3);
    Feed(m_core, img);
    ASSERT_TRUE(m_core.CopyImageData(FALSE));
    Feed(m_core, TestImage(5, 5, Px(1, 1, 1)));
    m_core.SetNegate(TRUE);
    ASSERT_TRUE(m_core.PasteImageData());
    EXPECT_TRUE(SameColours(m_core.Source(), img));
    EXPECT_TRUE(m_core.GetNegate()) << "pasting keeps the effects";
    const TestImage shown = Shown(m_core);
    EXPECT_EQ(shown.at(0, 0).r, 255 - img.at(0, 0).r);
    // The thumbnail copies too.
    EXPECT_TRUE(m_core.CopyImageData(TRUE));
}
