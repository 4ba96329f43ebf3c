#include "CWnd.h"

#include <map>
#include <memory>

namespace {

const wchar_t kObjectProp[] = L"Kadrel.CWnd";
const wchar_t kDefaultClass[] = L"KadrelWnd";

HINSTANCE ThisModule()
{
    HMODULE h = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &h);
    return h;
}

HINSTANCE& ResourceHandle()
{
    static HINSTANCE h = ThisModule();
    return h;
}

} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    static HINSTANCE h = ThisModule();
    return h;
}

HINSTANCE AfxGetResourceHandle()
{
    return ResourceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInst)
{
    ResourceHandle() = hInst;
}

CWnd::~CWnd()
{
    // A window that outlives its object would call into freed memory.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        if (m_pfnSuper)
            UnsubclassWindow();
        else
            DestroyWindow();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kObjectProp)) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd))
        return p;
    // Wrappers for windows no object handles, kept only briefly.
    thread_local std::map<HWND, std::unique_ptr<CWnd>> temporaries;
    if (temporaries.size() > 64)
        temporaries.clear();
    std::unique_ptr<CWnd>& slot = temporaries[hWnd];
    if (!slot)
        slot.reset(new CWnd);
    slot->m_hWnd = hWnd;
    return slot.get();
}

void CWnd::Link(HWND hWnd, CWnd* pWnd)
{
    pWnd->m_hWnd = hWnd;
    ::SetPropW(hWnd, kObjectProp, pWnd);
}

void CWnd::Unlink(HWND hWnd)
{
    ::RemovePropW(hWnd, kObjectProp);
}

LRESULT CWnd::Dispatch(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    // No exception may cross into the system's message dispatch.
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = 0;
    }
    if (message == WM_NCDESTROY) {
        Unlink(hWnd);
        if (pWnd->m_pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->m_pfnSuper = nullptr;
        pWnd->m_hWnd = nullptr;
        pWnd->PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd && message == WM_NCCREATE) {
        const CREATESTRUCTW* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        pWnd = static_cast<CWnd*>(cs->lpCreateParams);
        if (pWnd)
            Link(hWnd, pWnd);
    }
    if (!pWnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return Dispatch(pWnd, hWnd, message, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT_PTR nIDorHMenu)
{
    if (m_hWnd)
        return FALSE;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!lpszClassName) {
        WNDCLASSW wc = {};
        if (!::GetClassInfoW(hInst, kDefaultClass, &wc)) {
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = StdWndProc;
            wc.hInstance = hInst;
            wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
            wc.lpszClassName = kDefaultClass;
            if (!::RegisterClassW(&wc))
                return FALSE;
        }
        lpszClassName = kDefaultClass;
    }
    HWND hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, lpszWindowName ? lpszWindowName : L"", dwStyle,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                  pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(nIDorHMenu), hInst, this);
    if (!hWnd)
        return FALSE;
    // A window of another class did not pass through StdWndProc: route it here.
    if (FromHandlePermanent(hWnd) != this)
        SubclassWindow(hWnd);
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND h = m_hWnd;
    if (FromHandlePermanent(h) != this) {
        // A temporary wrapper does not own the window's life.
        m_hWnd = nullptr;
        return ::DestroyWindow(h);
    }
    return ::DestroyWindow(h);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    Link(hWnd, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND h = m_hWnd;
    if (!h)
        return nullptr;
    if (m_pfnSuper)
        ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    Unlink(h);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd)
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    m_hWnd = nullptr;
    return h;
}

CString CWnd::GetWindowText() const
{
    const int n = ::GetWindowTextLengthW(m_hWnd);
    CString s;
    if (n > 0) {
        ::GetWindowTextW(m_hWnd, s.GetBuffer(n + 1), n + 1);
        s.ReleaseBuffer();
    }
    return s;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

void CWnd::OnTimer(UINT_PTR) {}
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
void CWnd::OnDestroy() {}
void CWnd::PostNcDestroy() {}
