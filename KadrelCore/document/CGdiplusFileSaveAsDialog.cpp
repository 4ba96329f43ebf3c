#include "CGdiplusFileSaveAsDialog.h"

#include <cguid.h>
#include <vector>

CGdiplusFileSaveAsDialog::CGdiplusFileSaveAsDialog(LPCWSTR lpszFileName, DWORD dwFlags, CWnd* pParentWnd)
    : CGdiplusFileDialog(FALSE, lpszFileName, dwFlags, pParentWnd), m_clsidCodec(GUID_NULL)
{
}

CString CGdiplusFileSaveAsDialog::GetFileExt() const
{
    HWND hDlg = m_hWnd ? DialogWindow() : nullptr;
    if (!hDlg)
        return CString();
    // Ask for the size first: a long name is never cut.
    const LRESULT need = ::SendMessageW(hDlg, CDM_GETSPEC, 0, 0);
    if (need <= 0)
        return CString();
    std::vector<wchar_t> buf(static_cast<size_t>(need) + 1, L'\0');
    if (::SendMessageW(hDlg, CDM_GETSPEC, static_cast<WPARAM>(buf.size()), reinterpret_cast<LPARAM>(buf.data())) < 0)
        return CString();
    return ExtensionOf(CString(buf.data()));
}

INT_PTR CGdiplusFileSaveAsDialog::DoModal()
{
    m_strChosenExt.Empty();
    const INT_PTR r = CGdiplusFileDialog::DoModal();
    if (r != IDOK || m_strChosenExt.IsEmpty() || !ExtensionOf(GetFileName()).IsEmpty())
        return r;
    const CString path = GetPathName() + L"." + m_strChosenExt;
    if (static_cast<size_t>(path.GetLength()) < m_fileBuffer.size()) {
        wcscpy(m_fileBuffer.data(), path);
        m_ofn.lpstrFile = m_fileBuffer.data();
        m_ofn.nFileExtension = static_cast<WORD>(path.GetLength() - m_strChosenExt.GetLength());
    }
    return r;
}

const CGdiplusCodecInfo* CGdiplusFileSaveAsDialog::SelectedCodec() const
{
    const int index = static_cast<int>(GetOFN().nFilterIndex) - 1;
    if (index < 0 || index >= m_arrCodecs.GetSize())
        return nullptr;
    return m_arrCodecs[index];
}

void CGdiplusFileSaveAsDialog::SetDefaultExt()
{
    const CGdiplusCodecInfo* pCodec = SelectedCodec();
    if (!pCodec)
        return;
    char ext[20] = {};
    ::WideCharToMultiByte(CP_OEMCP, 0, pCodec->GetDefExt(), -1, ext, sizeof ext - 1, nullptr, nullptr);
    SetDefExt(ext);
}

void CGdiplusFileSaveAsDialog::SetCurrentCodecCLSID()
{
    // A type outside the codec list chooses no encoder; OnFileNameOK then
    // refuses names that do not name one by their extension.
    const CGdiplusCodecInfo* pCodec = SelectedCodec();
    m_clsidCodec = pCodec ? pCodec->GetCLSID() : GUID_NULL;
    m_strChosenExt = pCodec ? CString(pCodec->GetDefExt()) : CString();
}

void CGdiplusFileSaveAsDialog::OnInitDone()
{
    CGdiplusFileDialog::OnInitDone();
    SetDefaultExt();
    SetCurrentCodecCLSID();
}

void CGdiplusFileSaveAsDialog::OnTypeChange()
{
    CGdiplusFileDialog::OnTypeChange();
    SetDefaultExt();
    SetCurrentCodecCLSID();
}

BOOL CGdiplusFileSaveAsDialog::OnFileNameOK()
{
    const CString ext = GetFileExt();
    if (!ext.IsEmpty()) {
        const int i = FindCodecForExtension(m_arrCodecs, ext);
        if (i < 0)
            return TRUE;
        m_clsidCodec = m_arrCodecs[i]->GetCLSID();
        m_strChosenExt = m_arrCodecs[i]->GetDefExt();
    } else if (m_clsidCodec == GUID_NULL) {
        return TRUE;
    }
    return CGdiplusFileDialog::OnFileNameOK();
}
