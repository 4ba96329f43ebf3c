#pragma once
#include <windows.h>

#ifdef HOOK_EXPORTS
#define KDHOOK_API __declspec(dllexport)
#else
#define KDHOOK_API __declspec(dllimport)
#endif

// Messages the hook posts to its window while picking is on.
const UINT WM_HOOK_LBUTTONDOWN = WM_USER + 1001; // 0x07E9
const UINT WM_HOOK_RBUTTONDOWN = WM_USER + 1002; // 0x07EA: lets picking be cancelled
const UINT WM_HOOK_MOUSEMOVE = WM_USER + 1007;   // 0x07EF

// A system-wide mouse hook that reports to one window. The low-level hook
// itself exists only between StartMouseHook and StopMouseHook, so the rest
// of the time the system's mouse input pays nothing for it. While it runs,
// button presses are reported and swallowed, so that a pick does not also
// click the window under the cursor. One hook per process is active.
class KDHOOK_API CKdHook
{
public:
    CKdHook();
    virtual ~CKdHook();
    CKdHook(const CKdHook&) = delete;
    CKdHook& operator=(const CKdHook&) = delete;

    void SetHookWnd(HWND hWnd);
    // Prepares the hook; TRUE when a window to report to is set.
    BOOL InstallHook();
    void StartMouseHook();
    void StopMouseHook();
    BOOL UninstallHook();

private:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    HHOOK m_hHook;
    BOOL m_bInstalled;
};
