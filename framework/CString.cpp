#include "CString.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

// Rewrites the Windows wide-printf meaning of %s / %c (wide) into the
// portable %ls / %lc, which every C library reads the same way.
std::wstring PortableFormat(const wchar_t* fmt)
{
    std::wstring out;
    for (const wchar_t* p = fmt; *p; ++p) {
        out += *p;
        if (*p != L'%')
            continue;
        ++p;
        if (*p == L'%') { out += *p; continue; }
        // flags, width, precision
        while (*p && std::wcschr(L"-+ #0123456789.*", *p))
            out += *p++;
        bool hasLength = false;
        while (*p && std::wcschr(L"hlLqjzt", *p)) {
            out += *p++;
            hasLength = true;
        }
        if (!*p)
            break;
        if (!hasLength && (*p == L's' || *p == L'c'))
            out += L'l';
        if (!hasLength && (*p == L'S' || *p == L'C')) {
            // Windows' %S is narrow text in a wide format.
            out += L'h';
            out += static_cast<wchar_t>(*p - L'S' + L's');
            continue;
        }
        out += *p;
    }
    return out;
}

} // namespace

int CString::Compare(const wchar_t* s) const
{
    return m_str.compare(s ? s : L"");
}

int CString::CompareNoCase(const wchar_t* s) const
{
    CString a(*this), b(s);
    a.MakeLower();
    b.MakeLower();
    return a.Compare(b);
}

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* s, int nStart) const
{
    if (!s || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(s, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::wstring from(pszOld), to(pszNew ? pszNew : L"");
    std::wstring out;
    int count = 0;
    size_t pos = 0;
    for (;;) {
        size_t hit = m_str.find(from, pos);
        if (hit == std::wstring::npos)
            break;
        out.append(m_str, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++count;
    }
    if (count) {
        out.append(m_str, pos, std::wstring::npos);
        m_str.swap(out);
    }
    return count;
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int count = 0;
    for (wchar_t& c : m_str)
        if (c == chOld) { c = chNew; ++count; }
    return count;
}

int CString::Remove(wchar_t ch)
{
    int before = GetLength();
    std::wstring out;
    for (wchar_t c : m_str)
        if (c != ch)
            out += c;
    m_str.swap(out);
    return before - GetLength();
}

int CString::Insert(int nIndex, const wchar_t* s)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    if (s)
        m_str.insert(static_cast<size_t>(nIndex), s);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex >= 0 && nIndex < GetLength() && nCount > 0)
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

CString CString::Left(int n) const
{
    if (n <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(n)));
}

CString CString::Right(int n) const
{
    if (n <= 0)
        return CString();
    if (n >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString& CString::MakeUpper()
{
#ifdef _WIN32
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
#else
    for (wchar_t& c : m_str)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
#endif
    return *this;
}

CString& CString::MakeLower()
{
#ifdef _WIN32
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
#else
    for (wchar_t& c : m_str)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
#endif
    return *this;
}

CString& CString::MakeReverse()
{
    m_str.assign(m_str.rbegin(), m_str.rend());
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::TrimLeft() { return TrimLeft(L" \t\r\n\v\f"); }
CString& CString::TrimRight() { return TrimRight(L" \t\r\n\v\f"); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft(const wchar_t* chars)
{
    size_t pos = m_str.find_first_not_of(chars ? chars : L"");
    m_str.erase(0, pos == std::wstring::npos ? m_str.size() : pos);
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars)
{
    size_t pos = m_str.find_last_not_of(chars ? chars : L"");
    m_str.erase(pos == std::wstring::npos ? 0 : pos + 1);
    return *this;
}

wchar_t* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::wcslen(m_str.c_str()));
    if (nNewLength < GetLength())
        m_str.resize(static_cast<size_t>(nNewLength));
}

void CString::FormatAppendV(const wchar_t* fmt, ...)
{
    if (!fmt)
        return;
    const std::wstring portable = PortableFormat(fmt);
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list args;
        va_start(args, fmt);
        int n = std::vswprintf(buf.data(), buf.size(), portable.c_str(), args);
        va_end(args);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
            m_str.append(buf.data(), static_cast<size_t>(n));
            return;
        }
        // vswprintf reports -1 both for a short buffer and for bad input;
        // give up at a size no sane format reaches.
        if (buf.size() >= (1u << 24))
            return;
        buf.resize(buf.size() * 4);
    }
}
