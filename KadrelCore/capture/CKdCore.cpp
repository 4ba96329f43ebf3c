#include "CKdCore.h"

#include "../../framework/CDC.h"
#include "../settings/CHelper.h"

#include <mmsystem.h>

namespace {
const UINT kEngineWindowId = 100;
}

CKdCore::CKdCore()
    : m_gdiplusToken(0),
      m_pMainWnd(nullptr),
      m_pClipboardWnd(nullptr),
      m_pImage(nullptr),
      m_pThubImage(nullptr),
      m_nThubLeft(0),
      m_nThubTop(0),
      m_bmpSource(0x00FFFFFF),
      m_bmpResult(0x00FFFFFF),
      m_bFirstSnap(TRUE),
      m_bSnapping(FALSE),
      m_hFoundWnd(nullptr),
      m_bPicking(FALSE),
      m_bGdiplusStarted(FALSE)
{
}

CKdCore::~CKdCore() = default;

BOOL CKdCore::InitSnapper(CWnd* pMainWnd, CWnd* pClipboardWnd)
{
    InitGdiplus();
    LoadConfig();
    if (!pMainWnd || !pClipboardWnd)
        return FALSE;
    m_pClipboardWnd = pClipboardWnd;
    m_pMainWnd = pMainWnd;
    const BOOL bCreated = Create(nullptr, nullptr, 0, CRect(0, 0, 0, 0), pMainWnd, kEngineWindowId);
    m_hook.SetHookWnd(m_hWnd);
    m_hook.InstallHook();
    if (GetSnapOnStart())
        SnapFullScreen();
    m_bFirstSnap = FALSE;
    return bCreated;
}

void CKdCore::CloseSnapper()
{
    ClearGdiplusImage();
    TermGdiplus();
    SaveConfig();
    m_hook.UninstallHook();
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

LRESULT CKdCore::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOOK_LBUTTONDOWN:
        return OnKdLButtonDown(wParam, lParam);
    case WM_HOOK_MOUSEMOVE:
        return OnKdMouseMove(wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// Object picking drives these; outside picking they do nothing.
void CKdCore::OnTimer(UINT_PTR) {}
LRESULT CKdCore::OnKdLButtonDown(WPARAM, LPARAM) { return 0; }
LRESULT CKdCore::OnKdMouseMove(WPARAM, LPARAM) { return 0; }

BOOL CKdCore::EnterSnap()
{
    if (m_bSnapping)
        return FALSE;
    m_bSnapping = TRUE;
    return TRUE;
}

void CKdCore::HideMainWnd()
{
    if (GetHideMainWnd() && m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_HIDE);
}

BOOL CKdCore::LeaveSnap(BOOL bResult)
{
    if (GetHideMainWnd() && m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_SHOW);
    m_strPathName.Empty();
    m_strFileName.Empty();
    // Also after a capture that captured nothing: the previous image then
    // goes to the clipboard again.
    if (GetAutoCopy())
        CopyImageData(FALSE);
    m_bSnapping = FALSE;
    return bResult;
}

BOOL CKdCore::SnapFullScreen()
{
    if (!EnterSnap())
        return FALSE;
    HideMainWnd();
    if (m_bFirstSnap) {
        // The start-up capture: short wait, no sound, the loaded mode kept.
        ::Sleep(50);
    } else {
        ::Sleep(GetSnapDelayTime());
        SetSnapMode(0);
    }
    PlaySnapSound();
    const BOOL bResult = SnapRect(::GetDesktopWindow(), CRect(0, 0, 0, 0));
    return LeaveSnap(bResult);
}

CImageBitmap* CKdCore::SnapBitmap(HWND hWnd, CRect rect)
{
    if (!hWnd)
        return nullptr;
    CRect rcWindow;
    if (!::GetWindowRect(hWnd, &rcWindow))
        return nullptr;
    // The part to take, in the window's own coordinates (origin at its
    // top-left corner, non-client area included).
    CRect part = rect.IsRectEmpty() ? CRect(0, 0, rcWindow.Width(), rcWindow.Height()) : rect;
    // Only pixels that are on the screen: intersect in screen coordinates
    // and take the block from the matching place of the window.
    part.OffsetRect(rcWindow.left, rcWindow.top);
    const CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CRect onScreen;
    if (!onScreen.IntersectRect(part, screen))
        return nullptr;
    onScreen.OffsetRect(-rcWindow.left, -rcWindow.top);
    const int cx = onScreen.Width(), cy = onScreen.Height();

    ::SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CImageBitmap* pBitmap = nullptr;
    {
        CWindowDC dcWindow(hWnd);
        CDC memDC;
        CBitmap bitmap;
        if (dcWindow.m_hDC && memDC.CreateCompatibleDC(&dcWindow) &&
            bitmap.CreateCompatibleBitmap(dcWindow, cx, cy)) {
            BOOL ok;
            {
                CSelectObject select(memDC, bitmap.m_hObject);
                ok = memDC.BitBlt(0, 0, cx, cy, &dcWindow, onScreen.left, onScreen.top, SRCCOPY);
            }
            if (ok) {
                pBitmap = new CImageBitmap(0x00FFFFFF);
                pBitmap->Attach(bitmap.Detach());
            }
        }
    }
    ::SetWindowPos(hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return pBitmap;
}

BOOL CKdCore::SnapRect(HWND hWnd, CRect rect)
{
    if (!hWnd)
        return FALSE;
    CImageBitmap* pBitmap = SnapBitmap(hWnd, rect);
    if (!pBitmap)
        return FALSE;
    if (pBitmap->m_hObject) {
        m_bmpSource.CopyImage(static_cast<HBITMAP>(pBitmap->m_hObject));
        m_bmpResult.CopyImage(&m_bmpSource);
    }
    RefreshImageData();
    delete pBitmap;
    return TRUE;
}

void CKdCore::ResetBitmapData(HBITMAP hBitmap)
{
    if (!hBitmap)
        return;
    m_bmpSource.CopyImage(hBitmap);
    m_bmpResult.CopyImage(&m_bmpSource);
}

void CKdCore::PlaySnapSound()
{
    if (GetPlaySnapSound() && !m_bFirstSnap)
        ::sndPlaySoundW(CHelper::GetAppPath() + L"snap.wav", SND_ASYNC);
}
