#pragma once
#include "CRect.h"
#include "CString.h"

// A window and the object that handles its messages. The object is linked
// to the window through a window property, set when the window is created
// or subclassed and removed at WM_NCDESTROY. Derived classes override
// WindowProc (switch on the message, fall back to the base) or one of the
// named handlers.
class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object linked to a window; for a window no object handles, a
    // temporary wrapper that lives until the next call on this thread.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // A window of the framework's own class (lpszClassName NULL) or of a
    // registered class. Create adds WS_CHILD.
    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT_PTR nIDorHMenu);
    virtual BOOL DestroyWindow();
    // Routes an existing window's messages through this object.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    BOOL Attach(HWND hWnd);
    HWND Detach();

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    BOOL SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT nFlags)
    { return ::SetWindowPos(m_hWnd, pAfter ? pAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags); }
    void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) { ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetWindowText(LPCWSTR lpszText) { ::SetWindowTextW(m_hWnd, lpszText); }
    CString GetWindowText() const;
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfn = nullptr)
    { return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfn); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    BOOL OpenClipboard() { return ::OpenClipboard(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageW(m_hWnd, msg, wParam, lParam); }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return ::PostMessageW(m_hWnd, msg, wParam, lParam); }

protected:
    // The message entry of the object. The base calls the named handlers
    // below and passes everything else to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure (subclassed windows) or the default one.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnDestroy();
    // After the window is gone (WM_NCDESTROY); the object may delete itself.
    virtual void PostNcDestroy();

    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Link(HWND hWnd, CWnd* pWnd);
    static void Unlink(HWND hWnd);
    // Runs WindowProc and handles the end of the window's life.
    static LRESULT Dispatch(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
};

// The module the framework's resources (dialog templates, cursors) come
// from. Each module has its own, starting as the module itself.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInst);
// The module this copy of the framework is linked into.
HINSTANCE AfxGetInstanceHandle();
