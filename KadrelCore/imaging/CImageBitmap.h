#pragma once
#include "../../framework/CBitmap.h"
#include "../KadrelCoreApi.h"
#include "ProcessorChain.h"

#include <ocidl.h>
#include <olectl.h>

// The system's in-memory image: owns one GDI bitmap and runs processor
// chains over its pixels, exchanged as 32-bit top-down DIB rows.
class KDCORE_API CImageBitmap : public CBitmap
{
public:
    explicit CImageBitmap(DWORD clrBackground = 0x00FFFFFF);
    ~CImageBitmap() override;

    // Replace the held bitmap by a deep, screen-compatible copy. On failure
    // the held bitmap stays.
    BOOL CopyImage(HBITMAP hBitmap);
    BOOL CopyImage(CBitmap* pBitmap);

    // Load a picture file / resource into an empty buffer. 0xFFFFFFFF as
    // the colour means the buffer's background colour.
    BOOL LoadImageW(LPCWSTR lpszPath, DWORD clrBack = 0xFFFFFFFF);
    BOOL LoadImageW(UINT nID, LPCWSTR lpszType, HINSTANCE hInst, DWORD clrBack = 0xFFFFFFFF);

    // Run processors over the image; the held bitmap is replaced only when
    // every step and the write-back succeed. An empty chain changes nothing.
    BOOL ProcessImage(CProcessorArray& chain);
    BOOL ProcessImage(CImage32BitProcessor* pProcessor);

    // One effect in one call.
    BOOL RotateImage(int nDegrees, int bWeighted);
    BOOL ShearImage(int nShearAcross, int nShearDown, int bWeighted);
    BOOL ResizeImage(double dFactor);
    BOOL GrayImage();
    BOOL NegateImage();
    BOOL FlipImage(int bHorz, int bVert);
    BOOL ReplaceColor(DWORD clrFrom, DWORD clrTo);
    BOOL BlurImage(int nFactor);
    BOOL SharpenImage(int nFactor);

    // Loaders; the bitmap or picture returned is the caller's.
    static HBITMAP LoadImageFile(LPCWSTR lpszPath, DWORD clrBack);
    static HBITMAP LoadImageResource(UINT nID, LPCWSTR lpszType, HINSTANCE hInst, DWORD clrBack);
    static IPicture* LoadFromBuffer(BYTE* pBuffer, int nSize);
    // NULL buffer: stores the resource's size in nSize. Otherwise copies the
    // resource when nSize (the buffer's capacity) is large enough.
    static BOOL GetResource(LPCWSTR lpszName, LPCWSTR lpszType, HINSTANCE hInst, void* pBuffer, int& nSize);

    DWORD m_clrBackground;

protected:
    // The held bitmap's pixels, top row first; free with FreePixelArray.
    RGBX* GetDIBits32();
    // 32-bit top-down header for a bitmap (the held one when NULL); returns
    // its height in scan lines, 0 when it cannot be queried.
    LONG PrepareBitmapInfo32(BITMAPINFO& bmi, HBITMAP hBitmap);
    static BOOL Fill(RGBX* pPixels, CSize size, DWORD clr);
    // 0 .BMP, 1 .ICO, 2 .JPG/.JPEG, 3 .GIF, 4 anything else.
    static int GetFileType(LPCWSTR lpszPath);
    static HBITMAP ExtractBitmap(IPicture* pPicture, DWORD clrBack);

private:
    // A bitmap's pixels (the held one when NULL) as 32-bit top-down rows.
    RGBX* ReadPixels32(HBITMAP hBitmap, CSize& size);
    // Writes a packed 32-bit array as a new screen-compatible bitmap.
    static HBITMAP CreateFromPixels(const RGBX* pPixels, CSize size);
    void Replace(HBITMAP hNew);
};
