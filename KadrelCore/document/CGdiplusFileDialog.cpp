#include "CGdiplusFileDialog.h"

#include <gdiplus.h>

#include <cstdlib>

void EnumerateImageCodecs(bool bEncoders, CCodecInfoArray& codecs)
{
    UINT count = 0, size = 0;
    const Gdiplus::Status st = bEncoders ? Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &size)
                                         : Gdiplus::DllExports::GdipGetImageDecodersSize(&count, &size);
    if (st != Gdiplus::Ok || count == 0 || size == 0)
        return;
    Gdiplus::ImageCodecInfo* info = static_cast<Gdiplus::ImageCodecInfo*>(std::malloc(size));
    if (!info)
        return;
    const Gdiplus::Status got = bEncoders ? Gdiplus::DllExports::GdipGetImageEncoders(count, size, info)
                                          : Gdiplus::DllExports::GdipGetImageDecoders(count, size, info);
    if (got == Gdiplus::Ok)
        for (UINT i = 0; i < count; ++i)
            codecs.Add(new CGdiplusCodecInfo(info[i].FormatDescription, info[i].FilenameExtension, info[i].Clsid));
    std::free(info);
}

CGdiplusFileDialog::CGdiplusFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszFileName, DWORD dwFlags, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, nullptr, lpszFileName, dwFlags, nullptr, pParentWnd, 0, TRUE)
{
}

CGdiplusFileDialog::~CGdiplusFileDialog()
{
    DeleteCodecs();
}

void CGdiplusFileDialog::DeleteCodecs()
{
    for (int i = 0; i < m_arrCodecs.GetSize(); ++i)
        delete m_arrCodecs[i];
    m_arrCodecs.RemoveAll();
}

INT_PTR CGdiplusFileDialog::DoModal()
{
    // A 1 x 1 bitmap tells whether GDI+ is running.
    Gdiplus::GpBitmap* pTest = nullptr;
    const Gdiplus::Status st =
        Gdiplus::DllExports::GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &pTest);
    if (st == Gdiplus::GdiplusNotInitialized) {
        if (pTest)
            Gdiplus::DllExports::GdipDisposeImage(pTest);
        return IDCANCEL;
    }
    DeleteCodecs();
    FillCodecInfoArray();
    ConstructMFCStyleFilter();
    TranslateFilter();
    const INT_PTR r = CFileDialog::DoModal();
    if (pTest)
        Gdiplus::DllExports::GdipDisposeImage(pTest);
    return r;
}

void CGdiplusFileDialog::TranslateFilter()
{
    if (m_strFilter.IsEmpty())
        return;
    CString translated(m_strFilter);
    TranslateFilterText(translated);
    m_strFilterStore = translated.Str();
    GetOFN().lpstrFilter = m_strFilterStore.c_str();
}

void CGdiplusFileDialog::OnDestroy()
{
    CFileDialog::OnDestroy();
    DeleteCodecs();
}
