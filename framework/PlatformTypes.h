// The Win32 scalar and geometry types. On Windows they come from windows.h;
// the native (Linux) build of the portable code gets the same names here.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef DWORD COLORREF;
typedef wchar_t WCHAR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct tagSIZE  { LONG cx; LONG cy; };
struct tagPOINT { LONG x; LONG y; };
struct tagRECT  { LONG left; LONG top; LONG right; LONG bottom; };
typedef tagSIZE SIZE;
typedef tagPOINT POINT;
typedef tagRECT RECT;
typedef const RECT* LPCRECT;
typedef RECT* LPRECT;

// A class or interface identifier.
struct GUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
inline bool operator==(const GUID& a, const GUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

inline BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c); }
inline BYTE GetGValue(COLORREF c) { return static_cast<BYTE>(c >> 8); }
inline BYTE GetBValue(COLORREF c) { return static_cast<BYTE>(c >> 16); }
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#endif
