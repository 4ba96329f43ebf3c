#include "CImageBitmap.h"

#include "CImageBlurrer.h"
#include "CImageColorReplacer.h"
#include "CImageFlipper.h"
#include "CImageGrayer.h"
#include "CImageNegator.h"
#include "CImageResizer.h"
#include "CImageRotator.h"
#include "CImageShearer.h"
#include "CImageSharpener.h"

#include "../../framework/CDC.h"
#include "../../framework/CString.h"
#include "../../framework/MemoryStream.h"

#include <cstdlib>
#include <cstring>

namespace {

bool QueryBitmapSize(HBITMAP h, CSize& size)
{
    BITMAP bm = {};
    if (!h || !::GetObjectW(h, sizeof bm, &bm))
        return false;
    size = CSize(bm.bmWidth, bm.bmHeight);
    return true;
}

void Fill32BitHeader(BITMAPINFO& bmi, CSize size)
{
    std::memset(&bmi, 0, sizeof bmi);
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bmi.bmiHeader.biSizeImage = static_cast<DWORD>(PixelCount(size) * 4);
}

} // namespace

CImageBitmap::CImageBitmap(DWORD clrBackground)
    : m_clrBackground(clrBackground)
{
}

CImageBitmap::~CImageBitmap() = default;

void CImageBitmap::Replace(HBITMAP hNew)
{
    DeleteObject();
    Attach(hNew);
}

LONG CImageBitmap::PrepareBitmapInfo32(BITMAPINFO& bmi, HBITMAP hBitmap)
{
    if (!hBitmap)
        hBitmap = static_cast<HBITMAP>(m_hObject);
    CSize size;
    if (!QueryBitmapSize(hBitmap, size) || !IsPixelSizeUsable(size))
        return 0;
    Fill32BitHeader(bmi, size);
    return size.cy;
}

RGBX* CImageBitmap::ReadPixels32(HBITMAP hBitmap, CSize& size)
{
    BITMAPINFO bmi;
    const LONG lines = PrepareBitmapInfo32(bmi, hBitmap);
    if (lines <= 0 || bmi.bmiHeader.biWidth <= 0)
        return nullptr;
    size = CSize(bmi.bmiHeader.biWidth, lines);
    RGBX* pPixels = AllocPixelArray(size);
    if (!pPixels)
        return nullptr;
    CClientDC dc(nullptr);
    if (!dc || ::GetDIBits(dc, hBitmap ? hBitmap : static_cast<HBITMAP>(m_hObject), 0, static_cast<UINT>(lines),
                           pPixels, &bmi, DIB_RGB_COLORS) != lines) {
        FreePixelArray(pPixels);
        return nullptr;
    }
    return pPixels;
}

RGBX* CImageBitmap::GetDIBits32()
{
    CSize size;
    return ReadPixels32(nullptr, size);
}

HBITMAP CImageBitmap::CreateFromPixels(const RGBX* pPixels, CSize size)
{
    if (!PixelCount(size))
        return nullptr;
    CClientDC dc(nullptr);
    if (!dc)
        return nullptr;
    HBITMAP hNew = ::CreateCompatibleBitmap(dc, size.cx, size.cy);
    if (!hNew)
        return nullptr;
    BITMAPINFO bmi;
    Fill32BitHeader(bmi, size);
    if (::SetDIBits(dc, hNew, 0, static_cast<UINT>(size.cy), pPixels, &bmi, DIB_RGB_COLORS) != size.cy) {
        ::DeleteObject(hNew);
        return nullptr;
    }
    return hNew;
}

BOOL CImageBitmap::CopyImage(HBITMAP hBitmap)
{
    if (!hBitmap)
        return FALSE;
    CSize size;
    RGBX* pPixels = ReadPixels32(hBitmap, size);
    if (!pPixels)
        return FALSE;
    HBITMAP hNew = CreateFromPixels(pPixels, size);
    FreePixelArray(pPixels);
    if (!hNew)
        return FALSE;
    Replace(hNew);
    return TRUE;
}

BOOL CImageBitmap::CopyImage(CBitmap* pBitmap)
{
    if (!pBitmap)
        return FALSE;
    return CopyImage(static_cast<HBITMAP>(pBitmap->m_hObject));
}

BOOL CImageBitmap::ProcessImage(CProcessorArray& chain)
{
    if (!m_hObject)
        return FALSE;
    if (chain.GetSize() == 0)
        return TRUE;
    CSize size;
    if (!QueryBitmapSize(static_cast<HBITMAP>(m_hObject), size))
        return FALSE;
    RGBX* pSource = GetDIBits32();
    if (!pSource)
        return FALSE;
    RGBX* pResult = nullptr;
    CSize sizeResult;
    if (!RunProcessorChain(chain, pSource, size, m_clrBackground, &pResult, &sizeResult))
        return FALSE;
    // A chain may shrink an image to nothing; there is no bitmap of that
    // size, so the image stays as it was.
    HBITMAP hNew = CreateFromPixels(pResult, sizeResult);
    FreePixelArray(pResult);
    if (!hNew)
        return FALSE;
    Replace(hNew);
    return TRUE;
}

BOOL CImageBitmap::ProcessImage(CImage32BitProcessor* pProcessor)
{
    CProcessorArray chain;
    chain.Add(pProcessor);
    return ProcessImage(chain);
}

BOOL CImageBitmap::RotateImage(int nDegrees, int bWeighted)
{
    CImageRotator p(nDegrees, bWeighted);
    return ProcessImage(&p);
}

BOOL CImageBitmap::ShearImage(int nShearAcross, int nShearDown, int bWeighted)
{
    CImageShearer p(nShearAcross, nShearDown, bWeighted);
    return ProcessImage(&p);
}

BOOL CImageBitmap::ResizeImage(double dFactor)
{
    CImageResizer p(dFactor);
    return ProcessImage(&p);
}

BOOL CImageBitmap::GrayImage()
{
    CImageGrayer p;
    return ProcessImage(&p);
}

BOOL CImageBitmap::NegateImage()
{
    CImageNegator p;
    return ProcessImage(&p);
}

BOOL CImageBitmap::FlipImage(int bHorz, int bVert)
{
    CImageFlipper p(bHorz, bVert);
    return ProcessImage(&p);
}

BOOL CImageBitmap::ReplaceColor(DWORD clrFrom, DWORD clrTo)
{
    CImageColorReplacer p(clrFrom, clrTo);
    return ProcessImage(&p);
}

BOOL CImageBitmap::BlurImage(int nFactor)
{
    CImageBlurrer p(nFactor);
    return ProcessImage(&p);
}

BOOL CImageBitmap::SharpenImage(int nFactor)
{
    CImageSharpener p(nFactor);
    return ProcessImage(&p);
}

BOOL CImageBitmap::Fill(RGBX* pPixels, CSize size, DWORD clr)
{
    return FillPixelArray(pPixels, size, clr);
}

int CImageBitmap::GetFileType(LPCWSTR lpszPath)
{
    CString path(lpszPath);
    path.MakeUpper();
    // An extension counts anywhere in the path except at its very start.
    static const struct { const wchar_t* ext; int type; } kTypes[] = {
        {L".BMP", 0}, {L".ICO", 1}, {L".JPG", 2}, {L".JPEG", 2}, {L".GIF", 3},
    };
    for (const auto& t : kTypes)
        if (path.Find(t.ext, 1) > 0)
            return t.type;
    return 4;
}

HBITMAP CImageBitmap::LoadImageFile(LPCWSTR lpszPath, DWORD clrBack)
{
    if (!lpszPath)
        return nullptr;
    switch (GetFileType(lpszPath)) {
    case 0:
        return static_cast<HBITMAP>(::LoadImageW(nullptr, lpszPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    case 1:
    case 2:
    case 3: {
        IPicture* pPicture = nullptr;
        if (FAILED(::OleLoadPicturePath(const_cast<LPOLESTR>(lpszPath), nullptr, 0, clrBack, IID_IPicture,
                                        reinterpret_cast<void**>(&pPicture))) || !pPicture)
            return nullptr;
        HBITMAP h = ExtractBitmap(pPicture, clrBack);
        pPicture->Release();
        return h;
    }
    default:
        return nullptr;
    }
}

BOOL CImageBitmap::GetResource(LPCWSTR lpszName, LPCWSTR lpszType, HINSTANCE hInst, void* pBuffer, int& nSize)
{
    HRSRC hRes = ::FindResourceW(hInst, lpszName, lpszType);
    if (!hRes)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    if (!hData)
        return FALSE;
    BOOL ok = FALSE;
    const void* pData = ::LockResource(hData);
    const DWORD dwSize = ::SizeofResource(hInst, hRes);
    if (pData) {
        if (!pBuffer) {
            nSize = static_cast<int>(dwSize);
            ok = TRUE;
        } else if (nSize >= 0 && static_cast<DWORD>(nSize) >= dwSize) {
            std::memcpy(pBuffer, pData, dwSize);
            ok = TRUE;
        }
    }
    ::FreeResource(hData);
    return ok;
}

HBITMAP CImageBitmap::LoadImageResource(UINT nID, LPCWSTR lpszType, HINSTANCE hInst, DWORD clrBack)
{
    LPCWSTR lpszName = MAKEINTRESOURCEW(nID & 0xFFFF);
    int nSize = 0;
    if (!GetResource(lpszName, lpszType, hInst, nullptr, nSize) || nSize <= 0)
        return nullptr;
    BYTE* pBuffer = static_cast<BYTE*>(std::malloc(static_cast<size_t>(nSize)));
    if (!pBuffer)
        return nullptr;
    HBITMAP h = nullptr;
    if (GetResource(lpszName, lpszType, hInst, pBuffer, nSize)) {
        IPicture* pPicture = LoadFromBuffer(pBuffer, nSize);
        if (pPicture) {
            h = ExtractBitmap(pPicture, clrBack);
            pPicture->Release();
        }
    }
    std::free(pBuffer);
    return h;
}

IPicture* CImageBitmap::LoadFromBuffer(BYTE* pBuffer, int nSize)
{
    if (!pBuffer || nSize <= 0)
        return nullptr;
    IStream* pStream = CreateMemoryStream(pBuffer, static_cast<size_t>(nSize));
    if (!pStream)
        return nullptr;
    IPicture* pPicture = nullptr;
    if (FAILED(::OleLoadPicture(pStream, nSize, FALSE, IID_IPicture, reinterpret_cast<void**>(&pPicture))))
        pPicture = nullptr;
    pStream->Release();
    return pPicture;
}

HBITMAP CImageBitmap::ExtractBitmap(IPicture* pPicture, DWORD clrBack)
{
    if (!pPicture)
        return nullptr;
    CClientDC dc(::GetDesktopWindow());
    CDC memDC;
    if (!dc.m_hDC || !memDC.CreateCompatibleDC(&dc))
        return nullptr;
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (FAILED(pPicture->get_Width(&hmWidth)) || FAILED(pPicture->get_Height(&hmHeight)))
        return nullptr;
    const int cx = ::MulDiv(hmWidth, dc.GetDeviceCaps(LOGPIXELSX), 2540);
    const int cy = ::MulDiv(hmHeight, dc.GetDeviceCaps(LOGPIXELSY), 2540);
    if (cx <= 0 || cy <= 0 || !IsPixelSizeUsable(CSize(cx, cy)))
        return nullptr;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dc, cx, cy);
    if (!hBitmap)
        return nullptr;
    CSelectObject select(memDC, hBitmap);
    // Transparent parts of the picture show this colour.
    if (clrBack != 0xFFFFFFFF)
        memDC.FillSolidRect(CRect(0, 0, cx, cy), clrBack);
    pPicture->Render(memDC, 0, 0, cx, cy, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    return hBitmap;
}

BOOL CImageBitmap::LoadImageW(LPCWSTR lpszPath, DWORD clrBack)
{
    if (m_hObject)
        return FALSE;
    if (clrBack == 0xFFFFFFFF)
        clrBack = m_clrBackground;
    return Attach(LoadImageFile(lpszPath, clrBack));
}

BOOL CImageBitmap::LoadImageW(UINT nID, LPCWSTR lpszType, HINSTANCE hInst, DWORD clrBack)
{
    if (m_hObject)
        return FALSE;
    if (clrBack == 0xFFFFFFFF)
        clrBack = m_clrBackground;
    return Attach(LoadImageResource(nID, lpszType, hInst, clrBack));
}
