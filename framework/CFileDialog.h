#pragma once
#include "CDialog.h"

#include <commdlg.h>
#include <vector>

// The platform's Explorer-style open or save dialog. The object is linked
// to the dialog's hook window (a child of the visible dialog), which
// receives the notifications passed on to OnInitDone, OnTypeChange and
// OnFileNameOK.
class CFileDialog : public CDialog
{
public:
    CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr, LPCWSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

    INT_PTR DoModal() override;

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    OPENFILENAMEW& GetOFN() { return m_ofn; }
    const OPENFILENAMEW& GetOFN() const { return m_ofn; }
    // Sets the extension the open dialog appends to a name typed without one.
    void SetDefExt(LPCSTR lpsz);

    OPENFILENAMEW m_ofn;

protected:
    virtual void OnInitDone();
    virtual void OnTypeChange();
    // TRUE refuses the name and keeps the dialog open.
    virtual BOOL OnFileNameOK();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    // The visible dialog: the hook window's parent.
    HWND DialogWindow() const { return ::GetParent(m_hWnd); }

    BOOL m_bOpenFileDialog;
    std::vector<wchar_t> m_fileBuffer;
    std::wstring m_strDefExt;
    std::wstring m_strFilterStore;
};
