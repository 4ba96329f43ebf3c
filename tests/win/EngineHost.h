#pragma once
// The host windows and an opened-up engine for the engine tests: a main
// window painted in one colour, a preview child of a given client size,
// and test windows painted with a pattern that encodes each pixel's
// position.
#include "CKdCore.h"
#include "WinTestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Runs the thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms);
// Polls cond (pumping messages) until it holds or ms run out.
bool WaitFor(const std::function<bool()>& cond, DWORD ms = 3000);
// The screen's pixels, grabbed independently of the engine.
TestImage GrabScreen();
// Live GDI objects of this process.
int CountGdiObjects();

// The colour a pattern window shows at its own coordinates (x, y).
RGBX PatternAt(int x, int y);

// A top-level popup window: filled with one colour, or with the pattern.
class CTestWindow : public CWnd
{
public:
    CTestWindow(const CRect& rc, COLORREF clr, bool bPattern = false, DWORD dwExStyle = 0);
    // Waits until the screen shows the window's content at a visible point.
    bool WaitShown();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    COLORREF m_clr;
    bool m_bPattern;
    CRect m_rc;
};

// A child window whose client area is exactly cx x cy.
class CPreviewWindow : public CWnd
{
public:
    CPreviewWindow(CWnd* pParent, int cx, int cy);
};

// CKdCore with its inner state laid open.
class TestCore : public CKdCore
{
public:
    using CKdCore::EnterSnap;
    using CKdCore::LeaveSnap;
    using CKdCore::SnapRect;
    using CKdCore::m_bFirstSnap;
    using CKdCore::m_bSnapping;
    using CKdCore::m_bApplyEffects;
    using CKdCore::m_bmpSource;
    using CKdCore::m_bmpResult;

    TestImage Source() { TestImage t; ReadBitmap(static_cast<HBITMAP>(m_bmpSource.m_hObject), t); return t; }
    TestImage Result() { TestImage t; ReadBitmap(static_cast<HBITMAP>(m_bmpResult.m_hObject), t); return t; }
};

// The pixels of a GDI+ image, drawn onto a 32-bit bitmap.
bool ReadImage(Gdiplus::Image* pImage, TestImage& out);

// Writes a config.xml that starts the engine quickly and silently.
void WriteQuickConfig();
// Removes config.xml beside the test program (the engine reads and writes it).
void RemoveConfig();

// Test fixture: GDI+ for the test itself, no settings file, a host window
// and a 404 x 204 preview, and an engine started on them with quick,
// silent settings (no start-up capture, no delay, no sound).
class EngineTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // An engine started on the host with the quick settings.
    void StartCore(TestCore& core);

    ULONG_PTR m_gdiplusToken = 0;
    std::unique_ptr<CTestWindow> m_host;
    std::unique_ptr<CPreviewWindow> m_preview;
    TestCore m_core;
};
