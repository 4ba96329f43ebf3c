#pragma once
#include "../../framework/CFileDialog.h"
#include "../KadrelCoreApi.h"
#include "CGdiplusCodecInfo.h"

// A file dialog whose file types come from the platform's image codecs,
// built anew each time it is shown.
class KDCORE_API CGdiplusFileDialog : public CFileDialog
{
public:
    CGdiplusFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszFileName, DWORD dwFlags, CWnd* pParentWnd);
    ~CGdiplusFileDialog() override;

    // IDCANCEL at once when GDI+ is not running.
    INT_PTR DoModal() override;

protected:
    virtual void FillCodecInfoArray() = 0;
    virtual void ConstructMFCStyleFilter() = 0;
    void TranslateFilter();
    virtual void OnDestroy() override;
    void DeleteCodecs();

    CCodecInfoArray m_arrCodecs;
    CString m_strFilter;
};

// Every decoder or encoder of the platform, in its order; the caller owns
// the entries.
KDCORE_API void EnumerateImageCodecs(bool bEncoders, CCodecInfoArray& codecs);
