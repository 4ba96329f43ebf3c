#include "XML_File.h"

#include "../../framework/Utf8.h"

#include <cstdio>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// Files larger than this are not settings files; only their start is read.
const size_t kMaxReadBytes = 64u << 20;

// Indentation is one space per level up to this depth and no deeper: the
// reader ignores it, and without a cap a deeply nested tree would grow the
// file with the square of its depth.
const int kMaxIndent = 1000;

void AppendUnit(std::string& out, unsigned u)
{
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>((u >> 8) & 0xFF);
}

// UTF-16LE, explicitly, so the native build (32-bit wchar_t) writes the
// same bytes as Windows. Code points above the BMP become surrogate pairs;
// a lone surrogate read from a file is written back as it was.
void AppendText(std::string& out, const CString& s)
{
    for (int i = 0; i < s.GetLength(); ++i) {
        const unsigned long c = static_cast<unsigned long>(s.GetAt(i));
        if (c >= 0x10000 && c <= 0x10FFFF) {
            const unsigned long v = c - 0x10000;
            AppendUnit(out, 0xD800 + (v >> 10));
            AppendUnit(out, 0xDC00 + (v & 0x3FF));
        } else {
            AppendUnit(out, c > 0x10FFFF ? 0xFFFD : static_cast<unsigned>(c));
        }
    }
}

FILE* OpenFile(const CString& path, bool write)
{
#ifdef _WIN32
    return _wfopen(path, write ? L"wb" : L"rb");
#else
    return std::fopen(WideToUtf8(path.Str()).c_str(), write ? "wb" : "rb");
#endif
}

void RemoveFile(const CString& path)
{
#ifdef _WIN32
    ::DeleteFileW(path);
#else
    std::remove(WideToUtf8(path.Str()).c_str());
#endif
}

bool ReplaceFile(const CString& from, const CString& to)
{
#ifdef _WIN32
    return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(WideToUtf8(from.Str()).c_str(), WideToUtf8(to.Str()).c_str()) == 0;
#endif
}

bool FlushToDisk(FILE* f)
{
    if (std::fflush(f) != 0)
        return false;
#ifdef _WIN32
    return true;
#else
    return fsync(fileno(f)) == 0;
#endif
}

bool IsTrimSpace(wchar_t c)
{
    return c == L' ' || c == L'\n' || c == L'\t';
}

} // namespace

std::string XML_File::Serialize(XML_Tree* pTree)
{
    std::string out;
    XML_Node* pNode = pTree ? pTree->GetRoot() : nullptr;
    if (!pNode)
        return out;
    int depth = 0;
    CString indent;
    auto setDepth = [&](int d) {
        depth = d;
        indent = CString(L' ', depth < kMaxIndent ? depth : kMaxIndent);
    };
    auto writeEnd = [&](XML_Node* p) {
        AppendText(out, indent + L"</" + p->GetName() + L">\n");
    };
    for (;;) {
        AppendText(out, indent + L"<" + pNode->GetName() + L">\n");
        if (!pNode->GetValue().IsEmpty()) {
            CString line = indent + L" " + pNode->GetValue() + L"\n";
            MakeSaveString(line);
            AppendText(out, line);
        }
        if (XML_Node* pChild = pNode->GetFirstSubItem()) {
            pNode = pChild;
            setDepth(depth + 1);
            continue;
        }
        writeEnd(pNode);
        // Climb until an element has a next child.
        for (;;) {
            XML_Node* pParent = pNode->GetParent();
            if (!pParent)
                return out;
            setDepth(depth - 1);
            if (XML_Node* pNext = pParent->GetNextSubItem()) {
                pNode = pNext;
                setDepth(depth + 1);
                break;
            }
            writeEnd(pParent);
            pNode = pParent;
        }
    }
}

bool XML_File::WriteXMLFile(XML_Tree* pTree, CString strPath)
{
    const std::string bytes = Serialize(pTree);
    // Write beside the old file and swap it in only when complete, so a
    // failed save (full disk, no permission) never leaves a damaged file.
    const CString tmp = strPath + L".tmp";
    FILE* f = OpenFile(tmp, true);
    if (!f)
        return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = FlushToDisk(f) && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok)
        ok = ReplaceFile(tmp, strPath);
    if (!ok)
        RemoveFile(tmp);
    return ok;
}

void XML_File::Parse(XML_Tree* pTree, const unsigned char* pData, size_t nSize)
{
    std::wstring token;
    bool inTag = false;
    const size_t units = nSize / 2;
    for (size_t i = 0; i < units; ++i) {
        unsigned long c = pData[2 * i] | (pData[2 * i + 1] << 8);
        if (sizeof(wchar_t) > 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
            const unsigned long lo = pData[2 * i + 2] | (pData[2 * i + 3] << 8);
            if (lo >= 0xDC00 && lo < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        if (c == L'<') {
            size_t first = 0, last = token.size();
            while (first < last && IsTrimSpace(token[first]))
                ++first;
            while (last > first && IsTrimSpace(token[last - 1]))
                --last;
            if (first < last) {
                CString value(token.substr(first, last - first));
                UnmakeSaveString(value);
                pTree->AddValue(value);
            }
            inTag = true;
            token.clear();
        } else if (c == L'>' && inTag) {
            if (!token.empty() && token[0] == L'/')
                pTree->EndElement();
            else
                pTree->AddElement(CString(token));
            inTag = false;
            token.clear();
        } else {
            token += static_cast<wchar_t>(c);
        }
    }
}

bool XML_File::ReadXMLFile(XML_Tree* pTree, CString strPath)
{
    if (!pTree)
        return false;
    FILE* f = OpenFile(strPath, false);
    if (!f)
        return false;
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    size_t n;
    while (data.size() < kMaxReadBytes && (n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        data.insert(data.end(), chunk, chunk + n);
    std::fclose(f);
    if (data.size() > kMaxReadBytes)
        data.resize(kMaxReadBytes);
    Parse(pTree, data.data(), data.size());
    return true;
}
