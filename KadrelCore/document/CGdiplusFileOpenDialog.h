#pragma once
#include "CGdiplusFileDialog.h"

// Open dialog over every decoder, with an entry for all supported files first.
class KDCORE_API CGdiplusFileOpenDialog : public CGdiplusFileDialog
{
public:
    explicit CGdiplusFileOpenDialog(LPCWSTR lpszFileName = nullptr, DWORD dwFlags = OFN_EXPLORER | OFN_HIDEREADONLY,
                                    CWnd* pParentWnd = nullptr)
        : CGdiplusFileDialog(TRUE, lpszFileName, dwFlags, pParentWnd) {}

protected:
    void FillCodecInfoArray() override { EnumerateImageCodecs(false, m_arrCodecs); }
    void ConstructMFCStyleFilter() override { m_strFilter = MakeOpenFilter(m_arrCodecs); }
};
