#pragma once
#include "PlatformTypes.h"

#include <cstdarg>
#include <string>

// The system's text type: a wide string (UTF-16 code units on Windows,
// one wchar_t per code point on the native build). Value semantics.
class CString
{
public:
    CString() = default;
    CString(const wchar_t* s) : m_str(s ? s : L"") {}
    CString(const wchar_t* s, int nLength) : m_str(s ? s : L"", s && nLength > 0 ? nLength : 0) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    CString(const std::wstring& s) : m_str(s) {}
    CString(std::wstring&& s) : m_str(std::move(s)) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const std::wstring& Str() const { return m_str; }

    wchar_t GetAt(int i) const { return m_str[static_cast<size_t>(i)]; }
    void SetAt(int i, wchar_t ch) { m_str[static_cast<size_t>(i)] = ch; }

    CString& operator=(const wchar_t* s) { m_str = s ? s : L""; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) m_str += s; return *this; }
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }
    void Append(const wchar_t* s, int n) { if (s && n > 0) m_str.append(s, static_cast<size_t>(n)); }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
    friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator==(const wchar_t* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    // <0, 0 or >0 by code unit order; the NoCase form folds with MakeLower's rules.
    int Compare(const wchar_t* s) const;
    int CompareNoCase(const wchar_t* s) const;

    // Positions are code-unit indices; -1 when not found.
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* s, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    // Replaces every occurrence, left to right without overlap; returns the count.
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    int Replace(wchar_t chOld, wchar_t chNew);
    int Remove(wchar_t ch);
    int Insert(int nIndex, const wchar_t* s);
    int Delete(int nIndex, int nCount = 1);

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight(const wchar_t* chars);

    // printf-style formatting with the Windows meaning of %s and %c (wide
    // text). CString arguments may be passed directly: they are turned into
    // pointers before the C variadic call, where passing a class is undefined.
    template <class... Args>
    void Format(const wchar_t* fmt, const Args&... args) { m_str.clear(); FormatAppendV(fmt, Pass(args)...); }
    template <class... Args>
    void AppendFormat(const wchar_t* fmt, const Args&... args) { FormatAppendV(fmt, Pass(args)...); }

    // Raw buffer access for platform calls that fill text in place.
    wchar_t* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    static const wchar_t* Pass(const CString& s) { return s.GetString(); }
    template <class T>
    static const T& Pass(const T& v) { return v; }
    void FormatAppendV(const wchar_t* fmt, ...);

    std::wstring m_str;
};
