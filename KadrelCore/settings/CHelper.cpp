#include "CHelper.h"

#ifdef _WIN32
#include <vector>
#else
#include "../../framework/Utf8.h"
#include <unistd.h>
#include <vector>
#endif

CString CHelper::GetAppPath()
{
#ifdef _WIN32
    // The host program's module: the library is loaded by it, so a NULL
    // module handle names the executable, not this DLL. Grow the buffer
    // rather than cut a long path.
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0)
            return CString();
        if (n < buf.size() || buf.size() >= 32768) {
            CString path(buf.data(), static_cast<int>(n));
            return path.Left(path.ReverseFind(L'\\')) + L"\\";
        }
        buf.resize(buf.size() * 2);
    }
#else
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0)
        return CString(L"./");
    CString path(Utf8ToWide(std::string(buf.data(), static_cast<size_t>(n))));
    return path.Left(path.ReverseFind(L'/')) + L"/";
#endif
}
