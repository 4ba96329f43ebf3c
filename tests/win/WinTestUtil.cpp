#include "WinTestUtil.h"

#include "CHelper.h"

#include <cstring>

namespace {

BITMAPINFO Header32(CSize size)
{
    BITMAPINFO bmi;
    std::memset(&bmi, 0, sizeof bmi);
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

} // namespace

HBITMAP MakeBitmap(const TestImage& img)
{
    HDC dc = GetDC(nullptr);
    HBITMAP h = CreateCompatibleBitmap(dc, img.size.cx, img.size.cy);
    BITMAPINFO bmi = Header32(img.size);
    if (h && SetDIBits(dc, h, 0, img.size.cy, img.px.data(), &bmi, DIB_RGB_COLORS) != img.size.cy) {
        DeleteObject(h);
        h = nullptr;
    }
    ReleaseDC(nullptr, dc);
    return h;
}

bool ReadBitmap(HBITMAP h, TestImage& out)
{
    BITMAP bm = {};
    if (!h || !GetObjectW(h, sizeof bm, &bm))
        return false;
    out = TestImage(bm.bmWidth, bm.bmHeight);
    BITMAPINFO bmi = Header32(out.size);
    HDC dc = GetDC(nullptr);
    const int lines = GetDIBits(dc, h, 0, bm.bmHeight, out.px.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return lines == bm.bmHeight;
}

bool SameColours(const TestImage& a, const TestImage& b)
{
    if (a.size != b.size)
        return false;
    for (size_t i = 0; i < a.px.size(); ++i)
        if (!SameBGR(a.px[i], b.px[i]))
            return false;
    return true;
}

CString ExeFolder()
{
    return CHelper::GetAppPath();
}
