// The framework's window classes on real windows: message dispatch to the
// object, timers, modal and modeless dialogs with data exchange.
#include "CDialog.h"
#include "CStringPrinter.h"
#include "WinTestUtil.h"

#include <gtest/gtest.h>

namespace {

class CCountingWnd : public CWnd
{
public:
    int m_nTimers = 0;
    bool m_bDestroyed = false;

protected:
    void OnTimer(UINT_PTR nIDEvent) override
    {
        if (nIDEvent == 7 && ++m_nTimers == 3)
            KillTimer(7);
    }
    void OnDestroy() override { m_bDestroyed = true; }
};

class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(200) {}
    int m_bCheck = 1;
    CString m_strName = L"名字";
    int m_nNumber = 42;
    int m_nChoice = 1;
    int m_nMin = -1000;
    bool m_bAutoClose = true;
    bool m_bInitRan = false;

protected:
    BOOL OnInitDialog() override
    {
        SendDlgItemMessageW(m_hWnd, 204, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
        SendDlgItemMessageW(m_hWnd, 204, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"二"));
        CDialog::OnInitDialog();
        m_bInitRan = true;
        if (m_bAutoClose)
            SetTimer(1, 50);
        return TRUE;
    }
    void OnTimer(UINT_PTR) override
    {
        KillTimer(1);
        // What a user would change before pressing OK.
        SendDlgItemMessageW(m_hWnd, 201, BM_SETCHECK, BST_UNCHECKED, 0);
        SetDlgItemTextW(m_hWnd, 202, L"新的");
        SetDlgItemTextW(m_hWnd, 203, L" -17 ");
        SendDlgItemMessageW(m_hWnd, 204, CB_SETCURSEL, 0, 0);
        ::PostMessageW(m_hWnd, WM_COMMAND, IDOK, 0);
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Check(pDX, 201, m_bCheck);
        DDX_Text(pDX, 202, m_strName);
        DDX_Text(pDX, 203, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, m_nMin, 1000000);
        DDX_CBIndex(pDX, 204, m_nChoice);
    }
};

void Pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(5);
    }
}

// Presses OK on the message box a failed validation shows.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    for (HWND h = FindWindowW(L"#32770", nullptr); h; h = FindWindowExW(nullptr, h, L"#32770", nullptr))
        if (GetDlgItem(h, IDOK) && !GetDlgItem(h, 202))
            PostMessageW(h, WM_COMMAND, IDOK, 0);
}

} // namespace

TEST(FrameworkWin, WindowMessagesReachTheObject)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    CCountingWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, 0, CRect(0, 0, 0, 0), &parent, 100));
    EXPECT_EQ(child.GetDlgCtrlID(), 100);
    EXPECT_TRUE(GetWindowLongW(child.m_hWnd, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(CWnd::FromHandle(child.m_hWnd), &child);
    EXPECT_EQ(child.GetParent(), &parent);
    child.SetTimer(7, 10);
    Pump(500);
    EXPECT_EQ(child.m_nTimers, 3);
    // A foreign window gets a temporary wrapper.
    CWnd* desktop = CWnd::FromHandle(GetDesktopWindow());
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop->m_hWnd, GetDesktopWindow());
    EXPECT_EQ(CWnd::FromHandlePermanent(GetDesktopWindow()), nullptr);
    EXPECT_TRUE(parent.DestroyWindow());
    EXPECT_TRUE(child.m_bDestroyed);
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_EQ(parent.m_hWnd, nullptr);
}

TEST(FrameworkWin, ModalDialogExchangesData)
{
    CTestDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bInitRan);
    EXPECT_EQ(dlg.m_bCheck, 0);
    EXPECT_EQ(dlg.m_strName, CString(L"新的"));
    EXPECT_EQ(dlg.m_nNumber, -17);
    EXPECT_EQ(dlg.m_nChoice, 0);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(FrameworkWin, ModelessDialogAndValidation)
{
    CTestDialog dlg;
    dlg.m_bAutoClose = false;
    ASSERT_TRUE(dlg.Create(200));
    EXPECT_TRUE(dlg.m_bInitRan);
    // Members went to the controls.
    wchar_t text[32] = {};
    GetDlgItemTextW(dlg.m_hWnd, 202, text, 32);
    EXPECT_STREQ(text, L"名字");
    EXPECT_EQ(GetDlgItemInt(dlg.m_hWnd, 203, nullptr, TRUE), 42u);
    EXPECT_EQ(SendDlgItemMessageW(dlg.m_hWnd, 204, CB_GETCURSEL, 0, 0), 1);
    // A value outside the range fails the exchange, after a message that a
    // timer closes here.
    dlg.m_nMin = 100;
    SetDlgItemTextW(dlg.m_hWnd, 203, L"5");
    SetTimer(nullptr, 0, 300, CloseMessageBox);
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, 203)) << "the failing control has the focus";
    SetDlgItemTextW(dlg.m_hWnd, 203, L"500");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nNumber, 500);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}
