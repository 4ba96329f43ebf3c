#pragma once
#include "CWnd.h"

class CDataExchange;

// A dialog from a template of the current resource module, modal
// (DoModal) or modeless (Create). Values travel between controls and
// members through DoDataExchange, run by UpdateData.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    // TRUE: controls to members, with validation; FALSE: members to controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Unhandled dialog messages go back to the dialog manager.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs one message through a linked dialog object and reports the
    // result the way a dialog procedure must.
    static INT_PTR HandleDialogMessage(CDialog* pDlg, HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bModal = false;
    bool m_bUnhandled = false;
};

// One run of data exchange; a failed step stops UpdateData.
class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    HWND PrepareCtrl(int nIDC);
    // Tells the user and marks the exchange failed, focus on the last control.
    void Fail(LPCWSTR lpszMessage);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hLastControl = nullptr;
    bool m_bFailed = false;
};

void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
