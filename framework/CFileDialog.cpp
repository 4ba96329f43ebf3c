#include "CFileDialog.h"

#include <cstring>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName, DWORD dwFlags,
                         LPCWSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : CDialog(0, pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_fileBuffer(32768, L'\0')
{
    std::memset(&m_ofn, 0, sizeof m_ofn);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags;
    if (lpszFileName)
        wcsncpy(m_fileBuffer.data(), lpszFileName, m_fileBuffer.size() - 1);
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    if (lpszDefExt) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFilter) {
        // "a|b|" style, as the MFC-style constructors take it.
        m_strFilterStore = lpszFilter;
        for (wchar_t& c : m_strFilterStore)
            if (c == L'|')
                c = L'\0';
        m_ofn.lpstrFilter = m_strFilterStore.c_str();
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    m_bModal = true;
    const BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    m_bModal = false;
    return ok ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFileDialog* pDlg = static_cast<CFileDialog*>(FromHandlePermanent(hDlg));
    if (!pDlg && message == WM_INITDIALOG) {
        const OPENFILENAMEW* pOfn = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        pDlg = reinterpret_cast<CFileDialog*>(pOfn->lCustData);
        Link(hDlg, pDlg);
        return TRUE;
    }
    if (!pDlg)
        return 0;
    return static_cast<UINT_PTR>(HandleDialogMessage(pDlg, hDlg, message, wParam, lParam));
}

LRESULT CFileDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const OFNOTIFYW* pNotify = reinterpret_cast<const OFNOTIFYW*>(lParam);
        // The dialog reports the selected type in the structure it works on.
        if (pNotify->lpOFN && pNotify->lpOFN != &m_ofn)
            m_ofn.nFilterIndex = pNotify->lpOFN->nFilterIndex;
        switch (pNotify->hdr.code) {
        case CDN_INITDONE:
            OnInitDone();
            return 0;
        case CDN_TYPECHANGE:
            OnTypeChange();
            return 0;
        case CDN_FILEOK:
            return OnFileNameOK() ? 1 : 0;
        }
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CFileDialog::OnInitDone() {}
void CFileDialog::OnTypeChange() {}
BOOL CFileDialog::OnFileNameOK() { return FALSE; }

CString CFileDialog::GetPathName() const
{
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    const CString path(m_ofn.lpstrFile);
    if (m_ofn.nFileOffset > 0 && m_ofn.nFileOffset < path.GetLength())
        return path.Mid(m_ofn.nFileOffset);
    return path.Mid(path.ReverseFind(L'\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

void CFileDialog::SetDefExt(LPCSTR lpsz)
{
    wchar_t wide[64] = {};
    if (lpsz)
        ::MultiByteToWideChar(CP_OEMCP, 0, lpsz, -1, wide, 63);
    m_strDefExt = wide;
    if (m_hWnd)
        ::SendMessageW(DialogWindow(), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(m_strDefExt.c_str()));
    else
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
}
