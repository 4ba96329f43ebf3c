#pragma once
#include "../../framework/CWnd.h"
#include "../KadrelCoreApi.h"
#include "../imaging/CImageBitmap.h"
#include "../settings/CKdConfig.h"
#include "CKdHook.h"

#include <gdiplus.h>

// The capture engine: an invisible child window of the host's main window
// (it receives the hook messages and the picking timer), the settings
// record, and the owner of the current capture in four forms: unprocessed
// and processed 32-bit buffers, and the processed image and its thumbnail
// as GDI+ images. All calls come from the thread that owns the windows.
class KDCORE_API CKdCore : public CWnd, public CKdConfig
{
public:
    CKdCore();
    ~CKdCore() override;

    // Starts GDI+, loads the settings, creates the engine window (control
    // id 100) under the main window and installs the hook; takes a
    // start-up capture when the settings ask for one.
    BOOL InitSnapper(CWnd* pMainWnd, CWnd* pClipboardWnd);
    // Releases the images, stops GDI+, saves the settings, removes the hook
    // and destroys the engine window.
    void CloseSnapper();

    BOOL SnapFullScreen();
    // The on-screen part of a window (empty rectangle) or of a rectangle in
    // the window's own coordinates, as a new bitmap the caller owns.
    static CImageBitmap* SnapBitmap(HWND hWnd, CRect rect);

    // The effects pipeline: m_bmpResult from m_bmpSource through every
    // enabled effect, then the displayable image and thumbnail from it.
    void RefreshImageData();

    // The image document.
    CString GetPathName() const { return m_strPathName; }
    void SetPathName(CString str) { m_strPathName = str; }
    CString GetFileName() const { return m_strFileName; }
    void SetFileName(CString str) { m_strFileName = str; }
    Gdiplus::Image* GetImage() const { return m_pImage; }
    Gdiplus::Image* GetThubImage(int& nLeft, int& nTop) const;
    void ClearGdiplusImage();
    BOOL OpenImage(CString strPath);
    BOOL SaveImage(CString strPath, BOOL bThumbnail);
    BOOL CopyImageData(BOOL bThumbnail);
    BOOL PasteImageData();

    // Replaces both buffers by a copy of a bitmap, without refreshing.
    void ResetBitmapData(HBITMAP hBitmap);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    LRESULT OnKdLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnKdMouseMove(WPARAM wParam, LPARAM lParam);

    // The capture sequence every mode shares: the busy guard, hiding and
    // showing the main window, and the end (names cleared, auto-copy,
    // guard released; returns bResult).
    BOOL EnterSnap();
    void HideMainWnd();
    BOOL LeaveSnap(BOOL bResult);

    BOOL SnapRect(HWND hWnd, CRect rect);
    void PlaySnapSound();

    BOOL InitGdiplus();
    void TermGdiplus();
    Gdiplus::Image* ConvertImage(HBITMAP hBitmap);
    CBitmap* ConvertImage(Gdiplus::Image* pImage);
    void SetThubImage(Gdiplus::Image* pImage);

    ULONG_PTR m_gdiplusToken;
    CString m_strPathName;
    CString m_strFileName;
    CWnd* m_pMainWnd;
    CWnd* m_pClipboardWnd;
    Gdiplus::Image* m_pImage;
    Gdiplus::Image* m_pThubImage;
    int m_nThubLeft;
    int m_nThubTop;
    CImageBitmap m_bmpSource;
    CImageBitmap m_bmpResult;
    BOOL m_bFirstSnap;
    BOOL m_bSnapping;
    CKdHook m_hook;
    HWND m_hFoundWnd;
    BOOL m_bPicking;
    BOOL m_bGdiplusStarted;
};
