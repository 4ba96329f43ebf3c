// Keeps one Wine GUI process alive for a test run, so that the desktop and
// the clipboard outlive each test program. Ends on WM_CLOSE or when killed.
#include <windows.h>

static LRESULT CALLBACK KeeperProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE hInst, HINSTANCE, LPWSTR, int)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = KeeperProc;
    wc.hInstance = hInst;
    wc.lpszClassName = L"KadrelWineKeeper";
    RegisterClassW(&wc);
    // A tiny window in a corner that screen tests do not look at.
    HWND hWnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"KadrelWineKeeper",
                                WS_POPUP | WS_VISIBLE, 1020, 764, 4, 4, nullptr, nullptr, hInst, nullptr);
    if (!hWnd)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
