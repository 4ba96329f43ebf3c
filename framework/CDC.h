#pragma once
#include "CGdiObject.h"
#include "CRect.h"

// A device context. CDC itself owns a DC it created (CreateCompatibleDC)
// and deletes it; the derived window DCs pair acquire and release.
class CDC
{
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    BOOL CreateCompatibleDC(CDC* pDC)
    {
        DeleteDC();
        m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
        return m_hDC != nullptr;
    }
    BOOL DeleteDC()
    {
        if (!m_hDC)
            return FALSE;
        BOOL ok = ::DeleteDC(m_hDC);
        m_hDC = nullptr;
        return ok;
    }
    BOOL Attach(HDC hDC) { if (m_hDC || !hDC) return FALSE; m_hDC = hDC; return TRUE; }
    HDC Detach() { HDC h = m_hDC; m_hDC = nullptr; return h; }

    HGDIOBJ SelectObject(HGDIOBJ h) { return ::SelectObject(m_hDC, h); }
    HGDIOBJ SelectObject(CGdiObject* p) { return ::SelectObject(m_hDC, p->m_hObject); }
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* pSrc, int xSrc, int ySrc, DWORD rop)
    { return ::BitBlt(m_hDC, x, y, cx, cy, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, rop); }
    void FillSolidRect(const RECT& rc, COLORREF clr)
    {
        ::SetBkColor(m_hDC, clr);
        ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
};

// The client area DC of a window.
class CClientDC : public CDC
{
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetDC(hWnd); }
    ~CClientDC() override { if (m_hDC) ::ReleaseDC(m_hWnd, Detach()); }

private:
    HWND m_hWnd;
};

// The whole-window DC (non-client area included).
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetWindowDC(hWnd); }
    ~CWindowDC() override { if (m_hDC) ::ReleaseDC(m_hWnd, Detach()); }

private:
    HWND m_hWnd;
};

// BeginPaint / EndPaint for one WM_PAINT.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() override { ::EndPaint(m_hWnd, &m_ps); Detach(); }
    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};

// Selects an object into a DC for a scope and restores the previous one.
class CSelectObject
{
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    ~CSelectObject() { if (m_hOld) ::SelectObject(m_hDC, m_hOld); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
