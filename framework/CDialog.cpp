#include "CDialog.h"

#include <climits>

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    INT_PTR r = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hParent, DialogProc,
                                  reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return r;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModal = false;
    HWND h = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                  m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, DialogProc,
                                  reinterpret_cast<LPARAM>(this));
    return h != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        DestroyWindow();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) { OnOK(); return 0; }
            if (LOWORD(wParam) == IDCANCEL) { OnCancel(); return 0; }
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM)
{
    m_bUnhandled = true;
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg = static_cast<CDialog*>(FromHandlePermanent(hDlg));
    if (!pDlg && message == WM_INITDIALOG) {
        pDlg = reinterpret_cast<CDialog*>(lParam);
        Link(hDlg, pDlg);
    }
    if (!pDlg)
        return FALSE;
    return HandleDialogMessage(pDlg, hDlg, message, wParam, lParam);
}

INT_PTR CDialog::HandleDialogMessage(CDialog* pDlg, HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    pDlg->m_bUnhandled = false;
    const LRESULT r = Dispatch(pDlg, hDlg, message, wParam, lParam);
    if (message == WM_INITDIALOG)
        return r;
    if (pDlg->m_bUnhandled || message == WM_NCDESTROY)
        return FALSE;
    // The one place a dialog's message result is set.
    ::SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, r);
    return TRUE;
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    return m_hLastControl;
}

void CDataExchange::Fail(LPCWSTR lpszMessage)
{
    if (m_bFailed)
        return;
    m_bFailed = true;
    if (lpszMessage)
        ::MessageBoxW(m_pDlgWnd->m_hWnd, lpszMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (m_hLastControl)
        ::SetFocus(m_hLastControl);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bFailed || !h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bFailed || !h)
        return;
    if (pDX->m_bSaveAndValidate)
        value = CWnd::FromHandle(h)->GetWindowText();
    else
        ::SetWindowTextW(h, value);
}

namespace {

// A whole decimal number with optional sign and surrounding blanks.
bool ParseNumber(const CString& text, long long& out)
{
    CString t(text);
    t.Trim();
    if (t.IsEmpty())
        return false;
    int i = 0;
    bool negative = false;
    if (t.GetAt(0) == L'-' || t.GetAt(0) == L'+')
        negative = t.GetAt(i++) == L'-';
    if (i >= t.GetLength())
        return false;
    long long v = 0;
    for (; i < t.GetLength(); ++i) {
        const wchar_t c = t.GetAt(i);
        if (c < L'0' || c > L'9' || v > 0xFFFFFFFFll)
            return false;
        v = v * 10 + (c - L'0');
    }
    out = negative ? -v : v;
    return true;
}

const wchar_t kNeedInteger[] = L"请输入一个整数。";

// A number through the control's text: formatted on the way in, parsed
// and range-checked on the way out.
template <class T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, const wchar_t* pszFormat, long long minVal,
                    long long maxVal, const wchar_t* pszMessage)
{
    CString text;
    if (!pDX->m_bSaveAndValidate)
        text.Format(pszFormat, value);
    DDX_Text(pDX, nIDC, text);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    long long v = 0;
    if (!ParseNumber(text, v) || v < minVal || v > maxVal)
        pDX->Fail(pszMessage);
    else
        value = static_cast<T>(v);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, L"%d", INT_MIN, INT_MAX, kNeedInteger);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, L"%u", 0, 0xFFFFFFFFll, L"请输入一个正整数。");
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bFailed || !h)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (h)
        rControl.SubclassWindow(h);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed || (value >= minVal && value <= maxVal))
        return;
    CString msg;
    msg.Format(L"请输入一个介于 %d 和 %d 之间的整数。", minVal, maxVal);
    pDX->Fail(msg);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed || (value >= minVal && value <= maxVal))
        return;
    CString msg;
    msg.Format(L"请输入一个介于 %u 和 %u 之间的整数。", minVal, maxVal);
    pDX->Fail(msg);
}
