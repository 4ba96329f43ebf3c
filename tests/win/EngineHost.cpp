#include "EngineHost.h"

#include "CHelper.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

void PumpMessages(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool WaitFor(const std::function<bool()>& cond, DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    for (;;) {
        if (cond())
            return true;
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return false;
        PumpMessages(20);
    }
}

TestImage GrabScreen()
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    TestImage img;
    ReadBitmap(bmp, img);
    DeleteObject(bmp);
    return img;
}

int CountGdiObjects()
{
    const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n)
        return static_cast<int>(n);
    // Wine does not count; it does accept a bare handle index, so count
    // the indices that name a live object.
    int live = 0;
    for (ULONG_PTR v = 1; v < 0x10000; ++v)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(v)))
            ++live;
    return live;
}

RGBX PatternAt(int x, int y)
{
    return Px((x * 7 + y) & 0xFF, (y * 5) & 0xFF, (x * 3) & 0xFF);
}

CTestWindow::CTestWindow(const CRect& rc, COLORREF clr, bool bPattern, DWORD dwExStyle)
    : m_clr(clr), m_bPattern(bPattern), m_rc(rc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = StdWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KadrelTestWindow";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    CreateEx(dwExStyle | WS_EX_TOOLWINDOW, L"KadrelTestWindow", L"KadrelTest", WS_POPUP | WS_VISIBLE, rc, nullptr, 0);
    UpdateWindow();
}

LRESULT CTestWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        CRect rc;
        GetClientRect(&rc);
        if (m_bPattern) {
            TestImage img(rc.Width(), rc.Height());
            for (int y = 0; y < rc.Height(); ++y)
                for (int x = 0; x < rc.Width(); ++x)
                    img.at(x, y) = PatternAt(x, y);
            BITMAPINFO bmi = {};
            bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            bmi.bmiHeader.biWidth = rc.Width();
            bmi.bmiHeader.biHeight = -rc.Height();
            bmi.bmiHeader.biPlanes = 1;
            bmi.bmiHeader.biBitCount = 32;
            SetDIBitsToDevice(dc, 0, 0, rc.Width(), rc.Height(), 0, 0, 0, rc.Height(), img.px.data(), &bmi,
                              DIB_RGB_COLORS);
        } else {
            HBRUSH br = CreateSolidBrush(m_clr);
            FillRect(dc, &rc, br);
            DeleteObject(br);
        }
        EndPaint(m_hWnd, &ps);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CTestWindow::WaitShown()
{
    // A point of the window that is on the screen.
    const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    CRect vis;
    vis.IntersectRect(m_rc, screen);
    const int sx = (vis.left + vis.right) / 2, sy = (vis.top + vis.bottom) / 2;
    const RGBX want = m_bPattern ? PatternAt(sx - m_rc.left, sy - m_rc.top)
                                 : Px(GetBValue(m_clr), GetGValue(m_clr), GetRValue(m_clr));
    return WaitFor([&] {
        HDC dc = GetDC(nullptr);
        const COLORREF c = GetPixel(dc, sx, sy);
        ReleaseDC(nullptr, dc);
        return GetRValue(c) == want.r && GetGValue(c) == want.g && GetBValue(c) == want.b;
    });
}

CPreviewWindow::CPreviewWindow(CWnd* pParent, int cx, int cy)
{
    Create(L"STATIC", L"", WS_VISIBLE, CRect(0, 0, cx, cy), pParent, 1000);
}

bool ReadImage(Gdiplus::Image* pImage, TestImage& out)
{
    if (!pImage)
        return false;
    const int cx = static_cast<int>(pImage->GetWidth()), cy = static_cast<int>(pImage->GetHeight());
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    Gdiplus::Status st;
    {
        Gdiplus::Graphics g(mem);
        st = g.DrawImage(pImage, 0, 0, cx, cy);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    const bool ok = st == Gdiplus::Ok && ReadBitmap(bmp, out);
    DeleteObject(bmp);
    return ok;
}

void RemoveConfig()
{
    RemoveTestFile(CHelper::GetAppPath() + L"config.xml");
}

void EngineTest::SetUp()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);
    RemoveConfig();
    m_host.reset(new CTestWindow(CRect(500, 300, 1000, 740), RGB(255, 0, 255)));
    m_preview.reset(new CPreviewWindow(m_host.get(), 404, 204));
    ASSERT_TRUE(m_host->WaitShown());
}

void EngineTest::StartCore(TestCore& core)
{
    WriteQuickConfig();
    ASSERT_TRUE(core.InitSnapper(m_host.get(), m_preview.get()));
}

void WriteQuickConfig()
{
    // Defaults, but no start-up capture, delay, sound or hiding.
    CKdConfig quick;
    quick.SetSnapOnStart(FALSE);
    quick.SetSnapDelayTime(0);
    quick.SetPlaySnapSound(FALSE);
    quick.SetHideMainWnd(FALSE);
    quick.SaveConfig();
}

void EngineTest::TearDown()
{
    if (m_core.m_hWnd)
        m_core.CloseSnapper();
    m_preview.reset();
    m_host.reset();
    RemoveConfig();
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
}
