#pragma once
// Whole-file reads and writes for tests, by wide path on every build.
#include "CHelper.h"
#include "CString.h"
#include "CStringPrinter.h"
#include "Utf8.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

inline FILE* OpenTestFile(const CString& path, bool write)
{
#ifdef _WIN32
    return _wfopen(path, write ? L"wb" : L"rb");
#else
    return std::fopen(WideToUtf8(path.Str()).c_str(), write ? "wb" : "rb");
#endif
}

inline bool ReadBytes(const CString& path, std::string& out)
{
    FILE* f = OpenTestFile(path, false);
    if (!f)
        return false;
    out.clear();
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    std::fclose(f);
    return true;
}

inline bool WriteBytes(const CString& path, const std::string& bytes)
{
    FILE* f = OpenTestFile(path, true);
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline void RemoveTestFile(const CString& path)
{
#ifdef _WIN32
    DeleteFileW(path);
#else
    unlink(WideToUtf8(path.Str()).c_str());
#endif
}

inline bool MakeTestDir(const CString& path)
{
#ifdef _WIN32
    return CreateDirectoryW(path, nullptr) != 0;
#else
    return mkdir(WideToUtf8(path.Str()).c_str(), 0755) == 0;
#endif
}

inline void RemoveTestDir(const CString& path)
{
#ifdef _WIN32
    RemoveDirectoryW(path);
#else
    rmdir(WideToUtf8(path.Str()).c_str());
#endif
}

// UTF-16LE bytes of a text, written out independently of the code under
// test. Code points above U+FFFF (only where wchar_t holds them) become
// surrogate pairs.
inline std::string U16(const std::wstring& s)
{
    std::string out;
    auto unit = [&](unsigned u) { out += static_cast<char>(u & 0xFF); out += static_cast<char>(u >> 8); };
    for (wchar_t wc : s) {
        unsigned long c = static_cast<unsigned long>(wc);
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(static_cast<unsigned>(c));
        }
    }
    return out;
}

// A file beside the test program.
inline CString TestPath(const wchar_t* name)
{
    return CHelper::GetAppPath() + name;
}
