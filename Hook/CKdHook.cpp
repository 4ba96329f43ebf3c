#include "CKdHook.h"

namespace {

// A low-level hook procedure gets no context: the running hook's object.
// Set and cleared on the thread that runs the hook.
CKdHook* g_pRunning = nullptr;
HINSTANCE g_hModule = nullptr;
// A press that was swallowed also has its release swallowed.
bool g_bSwallowLeftUp = false;
bool g_bSwallowRightUp = false;

} // namespace

BOOL WINAPI DllMain(HINSTANCE hInst, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hModule = hInst;
        ::DisableThreadLibraryCalls(hInst);
    }
    return TRUE;
}

CKdHook::CKdHook() : m_hWnd(nullptr), m_hHook(nullptr), m_bInstalled(FALSE) {}

CKdHook::~CKdHook()
{
    StopMouseHook();
}

void CKdHook::SetHookWnd(HWND hWnd)
{
    m_hWnd = hWnd;
}

BOOL CKdHook::InstallHook()
{
    m_bInstalled = m_hWnd != nullptr;
    return m_bInstalled;
}

void CKdHook::StartMouseHook()
{
    if (!m_bInstalled || m_hHook)
        return;
    if (g_pRunning && g_pRunning != this)
        g_pRunning->StopMouseHook();
    g_bSwallowLeftUp = g_bSwallowRightUp = false;
    g_pRunning = this;
    m_hHook = ::SetWindowsHookExW(WH_MOUSE_LL, MouseProc, g_hModule, 0);
    if (!m_hHook)
        g_pRunning = nullptr;
}

void CKdHook::StopMouseHook()
{
    if (m_hHook) {
        ::UnhookWindowsHookEx(m_hHook);
        m_hHook = nullptr;
    }
    if (g_pRunning == this)
        g_pRunning = nullptr;
}

BOOL CKdHook::UninstallHook()
{
    StopMouseHook();
    const BOOL was = m_bInstalled;
    m_bInstalled = FALSE;
    return was;
}

LRESULT CALLBACK CKdHook::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CKdHook* p = g_pRunning;
    if (nCode != HC_ACTION || !p || !p->m_hWnd)
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    const MSLLHOOKSTRUCT* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const LPARAM pos = MAKELPARAM(static_cast<short>(info->pt.x), static_cast<short>(info->pt.y));
    switch (wParam) {
    case WM_MOUSEMOVE:
        ::PostMessageW(p->m_hWnd, WM_HOOK_MOUSEMOVE, 0, pos);
        break;
    case WM_LBUTTONDOWN:
        ::PostMessageW(p->m_hWnd, WM_HOOK_LBUTTONDOWN, MK_LBUTTON, pos);
        g_bSwallowLeftUp = true;
        return 1;
    case WM_RBUTTONDOWN:
        ::PostMessageW(p->m_hWnd, WM_HOOK_RBUTTONDOWN, MK_RBUTTON, pos);
        g_bSwallowRightUp = true;
        return 1;
    case WM_LBUTTONUP:
        if (g_bSwallowLeftUp) {
            g_bSwallowLeftUp = false;
            return 1;
        }
        break;
    case WM_RBUTTONUP:
        if (g_bSwallowRightUp) {
            g_bSwallowRightUp = false;
            return 1;
        }
        break;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
