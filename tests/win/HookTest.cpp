// Hook.dll: reports mouse movement and presses to its window, only while
// started, and swallows the presses meanwhile.
#include "CKdHook.h"
#include "EngineHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the hook messages it gets and the clicks that reach it.
class CHookTarget : public CTestWindow
{
public:
    explicit CHookTarget(const CRect& rc) : CTestWindow(rc, RGB(20, 200, 20)) {}
    int m_nMoves = 0, m_nLeft = 0, m_nRight = 0, m_nClicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_HOOK_MOUSEMOVE: ++m_nMoves; return 0;
        case WM_HOOK_LBUTTONDOWN: ++m_nLeft; return 0;
        case WM_HOOK_RBUTTONDOWN: ++m_nRight; return 0;
        case WM_LBUTTONDOWN: ++m_nClicks; return 0;
        }
        return CTestWindow::WindowProc(message, wParam, lParam);
    }
};

void Mouse(DWORD flags, int x = 0, int y = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &in, sizeof in);
}

} // namespace

TEST(HookTest, ReportsAndSwallowsOnlyWhileStarted)
{
    CHookTarget target(CRect(100, 100, 500, 400));
    ASSERT_TRUE(target.WaitShown());
    SetForegroundWindow(target.m_hWnd);
    CKdHook hook;
    EXPECT_FALSE(hook.InstallHook()) << "no window yet";
    hook.SetHookWnd(target.m_hWnd);
    ASSERT_TRUE(hook.InstallHook());

    // Installed but not started: nothing is reported, clicks go through.
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 200, 200);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(300);
    EXPECT_EQ(target.m_nMoves + target.m_nLeft, 0);
    EXPECT_EQ(target.m_nClicks, 1);

    hook.StartMouseHook();
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 250, 220);
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 260, 230);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(WaitFor([&] { return target.m_nLeft == 1 && target.m_nRight == 1; }, 3000));
    EXPECT_GE(target.m_nMoves, 2);
    EXPECT_EQ(target.m_nClicks, 1) << "the press was swallowed";

    hook.StopMouseHook();
    const int moves = target.m_nMoves;
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 300, 300);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(300);
    EXPECT_EQ(target.m_nMoves, moves);
    EXPECT_EQ(target.m_nLeft, 1);
    EXPECT_EQ(target.m_nClicks, 2);
    EXPECT_TRUE(hook.UninstallHook());
}
