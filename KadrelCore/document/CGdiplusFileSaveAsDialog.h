#pragma once
#include "CGdiplusFileDialog.h"

// Save dialog over every encoder. The encoder is the selected type's,
// unless the typed name's extension belongs to another encoder; a name
// whose extension no encoder knows is refused.
class KDCORE_API CGdiplusFileSaveAsDialog : public CGdiplusFileDialog
{
public:
    explicit CGdiplusFileSaveAsDialog(LPCWSTR lpszFileName = nullptr,
                                      DWORD dwFlags = OFN_EXPLORER | OFN_OVERWRITEPROMPT, CWnd* pParentWnd = nullptr);

    // A name confirmed without extension gets the chosen type's, also where
    // the platform's dialog does not add it itself.
    INT_PTR DoModal() override;

    GUID GetCodecCLSID() const { return m_clsidCodec; }
    // Extension of the name typed into the dialog right now, without the dot.
    CString GetFileExt() const;

protected:
    void FillCodecInfoArray() override { EnumerateImageCodecs(true, m_arrCodecs); }
    void ConstructMFCStyleFilter() override { m_strFilter = MakeSaveFilter(m_arrCodecs); }
    void SetDefaultExt();
    void SetCurrentCodecCLSID();
    void OnInitDone() override;
    void OnTypeChange() override;
    BOOL OnFileNameOK() override;
    // The selected type's codec, or NULL for an index outside the list.
    const CGdiplusCodecInfo* SelectedCodec() const;

    GUID m_clsidCodec;
    CString m_strChosenExt;
};
