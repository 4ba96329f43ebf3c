// The engine's image document: GDI+ images, thumbnail, files, clipboard.
#include "../capture/CKdCore.h"

#include "../../framework/CDC.h"
#include "../../framework/MemoryStream.h"
#include "CGdiplusFileOpenDialog.h"
#include "CGdiplusFileSaveAsDialog.h"

#include <cguid.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The last component of a path.
CString FileNameOf(const CString& strPath)
{
    const int slash = std::max(strPath.ReverseFind(L'\\'), strPath.ReverseFind(L'/'));
    return strPath.Mid(slash + 1);
}

// Decodes a file from memory, so the image holds no lock on the file and
// the same path can be saved over later.
Gdiplus::Image* LoadImageUnlocked(const CString& strPath)
{
    FILE* f = _wfopen(strPath, L"rb");
    if (!f)
        return nullptr;
    std::vector<char> bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    if (bytes.empty())
        return nullptr;
    IStream* pStream = CreateMemoryStream(bytes.data(), bytes.size());
    if (!pStream)
        return nullptr;
    // The image keeps its own reference to the stream.
    Gdiplus::Image* pImage = new Gdiplus::Image(pStream);
    pStream->Release();
    if (pImage->GetLastStatus() != Gdiplus::Ok) {
        delete pImage;
        return nullptr;
    }
    return pImage;
}

} // namespace

BOOL CKdCore::InitGdiplus()
{
    Gdiplus::GdiplusStartupInput input;
    m_bGdiplusStarted = Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr) == Gdiplus::Ok;
    return m_bGdiplusStarted;
}

void CKdCore::TermGdiplus()
{
    if (!m_bGdiplusStarted)
        return;
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_bGdiplusStarted = FALSE;
}

Gdiplus::Image* CKdCore::ConvertImage(HBITMAP hBitmap)
{
    if (!hBitmap)
        return nullptr;
    Gdiplus::Bitmap* pTemp = Gdiplus::Bitmap::FromHBITMAP(hBitmap, nullptr);
    if (!pTemp)
        return nullptr;
    Gdiplus::Bitmap* pClone = nullptr;
    if (pTemp->GetLastStatus() == Gdiplus::Ok)
        pClone = pTemp->Clone(0, 0, static_cast<INT>(pTemp->GetWidth()), static_cast<INT>(pTemp->GetHeight()),
                              PixelFormat24bppRGB);
    delete pTemp;
    if (pClone && pClone->GetLastStatus() != Gdiplus::Ok) {
        delete pClone;
        pClone = nullptr;
    }
    return pClone;
}

CBitmap* CKdCore::ConvertImage(Gdiplus::Image* pImage)
{
    if (!pImage)
        return nullptr;
    const int cx = static_cast<int>(pImage->GetWidth()), cy = static_cast<int>(pImage->GetHeight());
    if (cx <= 0 || cy <= 0)
        return nullptr;
    CClientDC dc(m_pClipboardWnd ? m_pClipboardWnd->m_hWnd : nullptr);
    CDC memDC;
    if (!dc.m_hDC || !memDC.CreateCompatibleDC(&dc))
        return nullptr;
    CBitmap* pBitmap = new CBitmap;
    if (!pBitmap->CreateCompatibleBitmap(dc, cx, cy)) {
        delete pBitmap;
        return nullptr;
    }
    Gdiplus::Status st;
    {
        CSelectObject select(memDC, pBitmap->m_hObject);
        Gdiplus::Graphics graphics(memDC.m_hDC);
        st = graphics.DrawImage(pImage, 0, 0, cx, cy);
    }
    // A picture that cannot be drawn (a damaged file) gives no bitmap.
    if (st != Gdiplus::Ok) {
        delete pBitmap;
        return nullptr;
    }
    return pBitmap;
}

void CKdCore::SetThubImage(Gdiplus::Image* pImage)
{
    delete m_pThubImage;
    m_pThubImage = nullptr;
    if (!pImage || !m_pClipboardWnd)
        return;
    CRect rc;
    m_pClipboardWnd->GetClientRect(&rc);
    rc.DeflateRect(2, 2);
    const int aw = rc.Width(), ah = rc.Height();
    const int w = static_cast<int>(pImage->GetWidth()), h = static_cast<int>(pImage->GetHeight());
    if (aw <= 0 || ah <= 0 || w <= 0 || h <= 0)
        return;
    int tw = w, th = h;
    if (w > aw || h > ah) {
        const double r = std::max(static_cast<double>(w) / aw, static_cast<double>(h) / ah);
        // A very thin image still gets a thumbnail one pixel across.
        tw = std::max(1, static_cast<int>(w / r));
        th = std::max(1, static_cast<int>(h / r));
    }
    m_nThubLeft = tw <= aw ? 2 + (aw - tw) / 2 : 2;
    m_nThubTop = th < ah ? 2 + (ah - th) / 2 : 2;
    m_pThubImage = pImage->GetThumbnailImage(static_cast<UINT>(tw), static_cast<UINT>(th), nullptr, nullptr);
}

Gdiplus::Image* CKdCore::GetThubImage(int& nLeft, int& nTop) const
{
    nLeft = m_nThubLeft;
    nTop = m_nThubTop;
    return m_pThubImage;
}

void CKdCore::ClearGdiplusImage()
{
    delete m_pImage;
    m_pImage = nullptr;
    delete m_pThubImage;
    m_pThubImage = nullptr;
    m_strPathName.Empty();
    m_strFileName.Empty();
}

BOOL CKdCore::OpenImage(CString strPath)
{
    CString strFileName;
    if (strPath.IsEmpty()) {
        CGdiplusFileOpenDialog dlg(nullptr, OFN_EXPLORER | OFN_HIDEREADONLY, nullptr);
        if (dlg.DoModal() == IDOK) {
            strPath = dlg.GetPathName();
            strFileName = dlg.GetFileName();
        }
    } else {
        strFileName = FileNameOf(strPath);
    }
    if (strPath.IsEmpty())
        return FALSE;

    // Decode completely before anything changes: a file that does not load
    // leaves the current picture, its effects and its name as they are.
    Gdiplus::Image* pImage = LoadImageUnlocked(strPath);
    if (!pImage)
        return FALSE;
    CBitmap* pBitmap = ConvertImage(pImage);
    if (!pBitmap || !pBitmap->m_hObject) {
        delete pBitmap;
        delete pImage;
        return FALSE;
    }
    ResetImageOption();
    ClearGdiplusImage();
    m_pImage = pImage;
    SetThubImage(m_pImage);
    if (m_bmpSource.CopyImage(static_cast<HBITMAP>(pBitmap->m_hObject)))
        m_bmpResult.CopyImage(&m_bmpSource);
    delete pBitmap;
    m_strPathName = strPath;
    m_strFileName = strFileName;
    return TRUE;
}

BOOL CKdCore::SaveImage(CString strPath, BOOL bThumbnail)
{
    Gdiplus::Image* pImage = bThumbnail ? m_pThubImage : m_pImage;
    if (!pImage)
        return FALSE;
    CLSID clsid = GUID_NULL;
    CString strFileName;
    if (strPath.IsEmpty()) {
        CGdiplusFileSaveAsDialog dlg(L"", OFN_EXPLORER | OFN_OVERWRITEPROMPT, m_pMainWnd);
        if (dlg.DoModal() == IDOK) {
            clsid = dlg.GetCodecCLSID();
            strPath = dlg.GetPathName();
            strFileName = dlg.GetFileName();
        }
        if (strPath.IsEmpty())
            return FALSE;
    } else {
        // A given path: the encoder that knows its extension.
        CCodecInfoArray encoders;
        EnumerateImageCodecs(true, encoders);
        const int i = FindCodecForExtension(encoders, ExtensionOf(FileNameOf(strPath)));
        if (i >= 0)
            clsid = encoders[i]->GetCLSID();
        for (int k = 0; k < encoders.GetSize(); ++k)
            delete encoders[k];
        if (i < 0)
            return FALSE;
        strFileName = FileNameOf(strPath);
    }
    if (pImage->Save(strPath, &clsid, nullptr) != Gdiplus::Ok)
        return FALSE;
    if (!bThumbnail) {
        m_strPathName = strPath;
        m_strFileName = strFileName;
    }
    return TRUE;
}

BOOL CKdCore::CopyImageData(BOOL bThumbnail)
{
    CBitmap* pBitmap = ConvertImage(bThumbnail ? m_pThubImage : m_pImage);
    if (!pBitmap)
        return FALSE;
    BOOL bCopied = FALSE;
    if (::OpenClipboard(m_pClipboardWnd ? m_pClipboardWnd->m_hWnd : nullptr)) {
        ::EmptyClipboard();
        // Once accepted, the bitmap belongs to the clipboard.
        if (::SetClipboardData(CF_BITMAP, pBitmap->m_hObject)) {
            pBitmap->Detach();
            bCopied = TRUE;
        }
        ::CloseClipboard();
    }
    delete pBitmap;
    return bCopied;
}

BOOL CKdCore::PasteImageData()
{
    if (!::OpenClipboard(nullptr))
        return FALSE;
    BOOL bPasted = FALSE;
    HBITMAP hBitmap = ::IsClipboardFormatAvailable(CF_BITMAP) ? static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)) : nullptr;
    // A bitmap that cannot be copied leaves the document as it was.
    if (hBitmap && m_bmpSource.CopyImage(hBitmap)) {
        m_bmpResult.CopyImage(&m_bmpSource);
        RefreshImageData();
        bPasted = TRUE;
    }
    ::CloseClipboard();
    return bPasted;
}
