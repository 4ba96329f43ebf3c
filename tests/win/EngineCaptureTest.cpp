// The capture engine on the real Xvfb screen: full-screen and window
// grabs, hiding the host, the delay, the start-up capture, the busy guard
// and auto-copy.
#include "EngineHost.h"
#include "TestFiles.h"
#include "XML_File.h"

#include <gtest/gtest.h>

namespace {

bool ClipboardHasBitmap()
{
    return IsClipboardFormatAvailable(CF_BITMAP) != 0;
}

void PutTextOnClipboard(const wchar_t* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(h), text, bytes);
    GlobalUnlock(h);
    SetClipboardData(CF_UNICODETEXT, h);
    CloseClipboard();
}

bool ClipboardBitmap(TestImage& out)
{
    if (!OpenClipboard(nullptr))
        return false;
    HBITMAP h = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    const bool ok = h && ReadBitmap(h, out);
    CloseClipboard();
    return ok;
}

} // namespace

TEST_F(EngineTest, FullScreenCaptureEqualsTheScreen)
{
    CTestWindow pattern(CRect(40, 60, 340, 260), 0, true);
    ASSERT_TRUE(pattern.WaitShown());
    StartCore(m_core);
    ASSERT_TRUE(m_core.SnapFullScreen());
    const TestImage screen = GrabScreen();
    const TestImage shot = m_core.Source();
    ASSERT_EQ(shot.size, CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(SameColours(shot, screen));
    EXPECT_TRUE(SameBGR(shot.at(40 + 17, 60 + 33), PatternAt(17, 33)));
    EXPECT_EQ(m_core.GetSnapMode(), 0);
    ASSERT_NE(m_core.GetImage(), nullptr);
    EXPECT_EQ(m_core.GetImage()->GetPixelFormat(), PixelFormat24bppRGB);
}

TEST_F(EngineTest, HostIsHiddenDuringTheCaptureOnlyWhenAsked)
{
    StartCore(m_core);
    const int x = 750, y = 650; // inside the magenta host, below the preview
    for (BOOL hide : {TRUE, FALSE}) {
        m_core.SetHideMainWnd(hide);
        ASSERT_TRUE(m_core.SnapFullScreen());
        const bool marker = SameBGR(m_core.Source().at(x, y), Px(255, 0, 255));
        EXPECT_EQ(marker, !hide) << "hide " << hide;
        EXPECT_TRUE(m_host->IsWindowVisible());
        ASSERT_TRUE(m_host->WaitShown());
    }
}

TEST_F(EngineTest, WindowCapturesHoldOnlyOnScreenPixels)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    struct Case { const char* edge; CRect rc; CSize size; CPoint from; };
    const Case cases[] = {
        {"left", CRect(-30, 50, 90, 130), CSize(90, 80), CPoint(30, 0)},
        {"top", CRect(50, -20, 170, 60), CSize(120, 60), CPoint(0, 20)},
        {"right", CRect(sw - 40, 100, sw + 60, 180), CSize(40, 80), CPoint(0, 0)},
        {"bottom", CRect(100, sh - 30, 220, sh + 50), CSize(120, 30), CPoint(0, 0)},
        {"inside", CRect(300, 300, 400, 350), CSize(100, 50), CPoint(0, 0)},
    };
    for (const Case& c : cases) {
        CTestWindow w(c.rc, 0, true);
        ASSERT_TRUE(w.WaitShown()) << c.edge;
        std::unique_ptr<CImageBitmap> shot(CKdCore::SnapBitmap(w.m_hWnd, CRect(0, 0, 0, 0)));
        ASSERT_NE(shot, nullptr) << c.edge;
        TestImage img;
        ASSERT_TRUE(ReadBitmap(static_cast<HBITMAP>(shot->m_hObject), img));
        ASSERT_EQ(img.size, c.size) << c.edge;
        // Taken from the matching place of the window.
        EXPECT_TRUE(SameBGR(img.at(0, 0), PatternAt(c.from.x, c.from.y))) << c.edge;
        EXPECT_TRUE(SameBGR(img.at(c.size.cx - 1, c.size.cy - 1),
                            PatternAt(c.from.x + c.size.cx - 1, c.from.y + c.size.cy - 1))) << c.edge;
    }

    // A given rectangle, in window coordinates, is cut at the screen too.
    CTestWindow w(CRect(sw - 100, 200, sw + 100, 300), 0, true);
    ASSERT_TRUE(w.WaitShown());
    std::unique_ptr<CImageBitmap> part(CKdCore::SnapBitmap(w.m_hWnd, CRect(10, 20, 150, 60)));
    ASSERT_NE(part, nullptr);
    TestImage img;
    ASSERT_TRUE(ReadBitmap(static_cast<HBITMAP>(part->m_hObject), img));
    EXPECT_EQ(img.size, CSize(90, 40));
    EXPECT_TRUE(SameBGR(img.at(0, 0), PatternAt(10, 20)));
    // Wholly off the screen, or no window: nothing.
    EXPECT_EQ(CKdCore::SnapBitmap(w.m_hWnd, CRect(150, 0, 190, 50)), nullptr);
    EXPECT_EQ(CKdCore::SnapBitmap(nullptr, CRect(0, 0, 0, 0)), nullptr);
}

TEST_F(EngineTest, ATopmostWindowIsNotTopmostAfterwards)
{
    CTestWindow top(CRect(200, 200, 300, 260), RGB(0, 128, 255), false, WS_EX_TOPMOST);
    ASSERT_TRUE(top.WaitShown());
    ASSERT_TRUE(GetWindowLongW(top.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    std::unique_ptr<CImageBitmap> shot(CKdCore::SnapBitmap(top.m_hWnd, CRect(0, 0, 0, 0)));
    ASSERT_NE(shot, nullptr);
    EXPECT_FALSE(GetWindowLongW(top.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(EngineTest, TheConfiguredDelayIsWaited)
{
    StartCore(m_core);
    m_core.SetSnapDelayTime(400);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(m_core.SnapFullScreen());
    EXPECT_GE(GetTickCount() - start, 390u);
}

TEST_F(EngineTest, StartUpCaptureIsQuickSilentAndRecordsNoMode)
{
    CKdConfig stored;
    stored.SetSnapOnStart(TRUE);
    stored.SetSnapDelayTime(5000);
    stored.SetSnapMode(3);
    stored.SetHideMainWnd(FALSE);
    stored.SaveConfig();
    const DWORD start = GetTickCount();
    ASSERT_TRUE(m_core.InitSnapper(m_host.get(), m_preview.get()));
    EXPECT_LT(GetTickCount() - start, 2500u) << "the start-up capture waits 50 ms, not the delay";
    EXPECT_NE(m_core.GetImage(), nullptr);
    EXPECT_EQ(m_core.GetSnapMode(), 3);
    EXPECT_FALSE(m_core.m_bFirstSnap);
    m_core.SetSnapDelayTime(0);
    ASSERT_TRUE(m_core.SnapFullScreen());
    EXPECT_EQ(m_core.GetSnapMode(), 0);
}

TEST_F(EngineTest, WithoutWindowsTheEngineStaysInStartUp)
{
    CKdConfig stored;
    stored.SetSnapOnStart(FALSE);
    stored.SetSnapDelayTime(0);
    stored.SetSnapMode(2);
    stored.SaveConfig();
    TestCore core;
    EXPECT_FALSE(core.InitSnapper(nullptr, m_preview.get()));
    EXPECT_TRUE(core.m_bFirstSnap);
    EXPECT_EQ(core.m_hWnd, nullptr);
    ASSERT_TRUE(core.SnapFullScreen());
    EXPECT_EQ(core.GetSnapMode(), 2) << "still the start-up manner";
    core.CloseSnapper();
}

TEST_F(EngineTest, BusyGuardRefusesAndChangesNothing)
{
    StartCore(m_core);
    m_core.SetHideMainWnd(TRUE);
    m_core.SetPathName(L"C:\\x.png");
    ASSERT_TRUE(m_core.EnterSnap());
    EXPECT_FALSE(m_core.SnapFullScreen());
    EXPECT_TRUE(m_host->IsWindowVisible());
    EXPECT_EQ(m_core.GetPathName(), CString(L"C:\\x.png"));
    EXPECT_EQ(m_core.GetImage(), nullptr);
    m_core.LeaveSnap(FALSE);
    EXPECT_TRUE(m_core.GetPathName().IsEmpty()) << "the end of every capture clears the names";
}

TEST_F(EngineTest, AutoCopyPutsEveryCaptureOnTheClipboard)
{
    StartCore(m_core);
    // Off: the clipboard is never touched.
    PutTextOnClipboard(L"keep me");
    ASSERT_TRUE(m_core.SnapFullScreen());
    EXPECT_FALSE(ClipboardHasBitmap());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    // On: the new image.
    m_core.SetAutoCopy(TRUE);
    ASSERT_TRUE(m_core.SnapFullScreen());
    TestImage clip;
    ASSERT_TRUE(ClipboardBitmap(clip));
    EXPECT_TRUE(SameColours(clip, m_core.Result()));

    // A capture that captures nothing copies the previous image again.
    PutTextOnClipboard(L"gone");
    ASSERT_TRUE(m_core.EnterSnap());
    m_core.LeaveSnap(FALSE);
    ASSERT_TRUE(ClipboardBitmap(clip));
    EXPECT_TRUE(SameColours(clip, m_core.Result()));
}

TEST_F(EngineTest, CloseSnapperWritesTheSettingsFile)
{
    StartCore(m_core);
    m_core.SetRotateAngle(123);
    m_core.CloseSnapper();
    XML_Tree tree;
    ASSERT_TRUE(XML_File::ReadXMLFile(&tree, CHelper::GetAppPath() + L"config.xml"));
    ASSERT_NE(tree.GetRoot(), nullptr);
    int elements = 0;
    for (XML_Node* c = tree.GetRoot()->GetFirstSubItem(); c; c = tree.GetRoot()->GetNextSubItem()) {
        ++elements;
        for (XML_Node* d = c->GetFirstSubItem(); d; d = c->GetNextSubItem())
            ++elements;
    }
    EXPECT_EQ(elements, 48);
    EXPECT_EQ(tree.GetRoot()->GetSubItem(L"Image")->GetSubItem(L"RotateAngle")->GetValueAsInt(), 123);
    EXPECT_EQ(m_core.m_hWnd, nullptr);
}

TEST_F(EngineTest, TwoHundredCapturesLeakNoGdiObjects)
{
    StartCore(m_core);
    m_core.SetGrayScale(TRUE);
    ASSERT_TRUE(m_core.SnapFullScreen());
    const int before = CountGdiObjects();
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(m_core.SnapFullScreen());
    const int after = CountGdiObjects();
    EXPECT_LE(after, before + 3) << before << " -> " << after;
}
