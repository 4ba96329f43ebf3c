// The save dialog driven for real from a second thread: the typed
// extension wins over the selected type, a name without one gets the
// type's, and an unknown one keeps the dialog open.
#include "CGdiplusFileSaveAsDialog.h"
#include "EngineHost.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cguid.h>

#include <atomic>
#include <thread>

namespace {

HWND FindFileDialog(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    for (;;) {
        HWND h = nullptr;
        while ((h = FindWindowExW(nullptr, h, L"#32770", nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == GetCurrentProcessId() && GetDlgItem(h, cmb1))
                return h;
        }
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return nullptr;
        Sleep(50);
    }
}

void ChooseType(HWND hDlg, const wchar_t* format)
{
    HWND combo = GetDlgItem(hDlg, cmb1);
    const int n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 255)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        if (wcsncmp(text, format, wcslen(format)) == 0) {
            SendMessageW(combo, CB_SETCURSEL, i, 0);
            SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
            return;
        }
    }
}

void TypeName(HWND hDlg, const wchar_t* name)
{
    HWND edit = GetDlgItem(hDlg, cmb13);
    if (!edit)
        edit = GetDlgItem(hDlg, edt1);
    SetWindowTextW(edit, name);
}

struct DriveResult { bool found = false; bool stillOpen = false; std::atomic<bool> done{false}; };

// Cancels every dialog of this process, so a test that went wrong (an
// unexpected prompt) ends instead of waiting forever.
void CloseOurDialogs()
{
    HWND h = nullptr;
    while ((h = FindWindowExW(nullptr, h, L"#32770", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetCurrentProcessId())
            PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

// Picks JPEG, types the name and presses Save; when expectRefusal, checks
// the dialog stays and then cancels it.
void Drive(const wchar_t* name, bool expectRefusal, DriveResult& r)
{
    HWND hDlg = FindFileDialog(10000);
    r.found = hDlg != nullptr;
    if (!hDlg)
        return;
    ChooseType(hDlg, L"JPEG");
    TypeName(hDlg, name);
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    if (expectRefusal) {
        Sleep(800);
        r.stillOpen = IsWindow(hDlg) && IsWindowVisible(hDlg);
        PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    for (int i = 0; i < 100 && !r.done; ++i)
        Sleep(50);
    while (!r.done) {
        CloseOurDialogs();
        Sleep(200);
    }
}

std::string Head(const CString& path)
{
    std::string bytes;
    ReadBytes(path, bytes);
    return bytes.substr(0, 4);
}

} // namespace

TEST_F(EngineTest, SaveDialogChoosesTheEncoder)
{
    StartCore(m_core);
    HBITMAP h = MakeBitmap(RandomImage(40, 30, 8));
    m_core.ResetBitmapData(h);
    DeleteObject(h);
    m_core.RefreshImageData();
    const CString folder = CHelper::GetAppPath();

    struct Case { const wchar_t* typed; const wchar_t* file; const char* head; bool refused; };
    const Case cases[] = {
        {L"dlg_a.png", L"dlg_a.png", "\x89PNG", false},
        {L"dlg_b", L"dlg_b.jpg", "\xFF\xD8\xFF", false},
        {L"dlg_c.xyz", L"dlg_c.xyz", "", true},
    };
    for (const Case& c : cases) {
        const CString typed = folder + c.typed, file = folder + c.file;
        RemoveTestFile(file);
        RemoveTestFile(typed);
        DriveResult r;
        std::thread driver(Drive, static_cast<const wchar_t*>(typed), c.refused, std::ref(r));
        const BOOL saved = m_core.SaveImage(L"", FALSE);
        r.done = true;
        driver.join();
        ASSERT_TRUE(r.found);
        if (c.refused) {
            EXPECT_TRUE(r.stillOpen) << "an unknown extension keeps the dialog open";
            EXPECT_FALSE(saved);
            EXPECT_EQ(Head(file), std::string());
        } else {
            EXPECT_TRUE(saved) << static_cast<const wchar_t*>(c.typed);
            EXPECT_EQ(Head(file).substr(0, strlen(c.head)), std::string(c.head)) << static_cast<const wchar_t*>(c.typed);
            EXPECT_EQ(m_core.GetPathName(), file) << static_cast<const wchar_t*>(m_core.GetPathName());
            EXPECT_EQ(m_core.GetFileName(), CString(c.file));
        }
        RemoveTestFile(file);
        RemoveTestFile(typed);
    }
}

namespace {

// The save dialog's type selection without a window.
class OpenSaveDialog : public CGdiplusFileSaveAsDialog
{
public:
    using CGdiplusFileSaveAsDialog::FillCodecInfoArray;
    using CGdiplusFileSaveAsDialog::OnFileNameOK;
    using CGdiplusFileSaveAsDialog::OnTypeChange;
    int Count() const { return m_arrCodecs.GetSize(); }
};

} // namespace

TEST_F(EngineTest, ATypeOutsideTheCodecListChoosesNoEncoder)
{
    OpenSaveDialog dlg;
    dlg.FillCodecInfoArray();
    ASSERT_GT(dlg.Count(), 0);
    dlg.GetOFN().nFilterIndex = 1;
    dlg.OnTypeChange();
    EXPECT_FALSE(dlg.GetCodecCLSID() == GUID_NULL);
    for (DWORD index : {0ul, static_cast<DWORD>(dlg.Count() + 1), 1000ul}) {
        dlg.GetOFN().nFilterIndex = index;
        dlg.OnTypeChange();
        EXPECT_TRUE(dlg.GetCodecCLSID() == GUID_NULL) << index;
        EXPECT_TRUE(dlg.OnFileNameOK()) << "a name without extension is refused";
    }
}
