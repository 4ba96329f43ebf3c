// The settings record and "config.xml".
#include "ConfigPeek.h"
#include "TestFiles.h"
#include "XML_File.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ConfigTest : public testing::Test
{
protected:
    const CString m_path = CHelper::GetAppPath() + L"config.xml";
    void SetUp() override { RemoveTestFile(m_path); }
    void TearDown() override { RemoveTestFile(m_path); }
};

// The file a first run writes, line by line.
const wchar_t kDefaultFile[] =
    L"<Kadrel>\n"
    L" <Author>\n  Talvex\n </Author>\n"
    L" <Version>\n  Ver 1.2.12.103\n </Version>\n"
    L" <URL>\n  https:\\colon\\colonwww.talvex.example\\colonkadrel\\colon\n </URL>\n"
    L" <Mail>\n  support@talvex.example\n </Mail>\n"
    L" <AppName>\n  Kadrel（Talvex作品）\n </AppName>\n"
    L" <Basic>\n"
    L"  <PlaySnapSound>\n   1\n  </PlaySnapSound>\n"
    L"  <HideMainWnd>\n   1\n  </HideMainWnd>\n"
    L"  <SnapOnStart>\n   1\n  </SnapOnStart>\n"
    L"  <SnapDelayTime>\n   500\n  </SnapDelayTime>\n"
    L"  <KeepOnTop>\n   1\n  </KeepOnTop>\n"
    L" </Basic>\n"
    L" <Image>\n"
    L"  <GrayScale>\n   0\n  </GrayScale>\n"
    L"  <Negate>\n   0\n  </Negate>\n"
    L"  <Scale>\n   0\n  </Scale>\n"
    L"  <Rotate>\n   0\n  </Rotate>\n"
    L"  <FlipHorz>\n   0\n  </FlipHorz>\n"
    L"  <FlipVert>\n   0\n  </FlipVert>\n"
    L"  <ShearDown>\n   0\n  </ShearDown>\n"
    L"  <ShearAcross>\n   0\n  </ShearAcross>\n"
    L"  <Blur>\n   0\n  </Blur>\n"
    L"  <Sharpen>\n   0\n  </Sharpen>\n"
    L"  <AutoCopy>\n   0\n  </AutoCopy>\n"
    L"  <EditAppPath>\n   mspaint.exe\n  </EditAppPath>\n"
    L"  <RotateAngle>\n   45\n  </RotateAngle>\n"
    L"  <XShearAmount>\n   50\n  </XShearAmount>\n"
    L"  <YShearAmount>\n   50\n  </YShearAmount>\n"
    L"  <BlurFactor>\n   5\n  </BlurFactor>\n"
    L"  <SharpenFactor>\n   5\n  </SharpenFactor>\n"
    L" </Image>\n"
    L" <HotKey>\n"
    L"  <NewSnapModifier>\n   0\n  </NewSnapModifier>\n"
    L"  <NewSnapVk>\n   44\n  </NewSnapVk>\n"
    L"  <FullScreenModifier>\n   2\n  </FullScreenModifier>\n"
    L"  <FullScreenVk>\n   44\n  </FullScreenVk>\n"
    L"  <ActiveWinModifier>\n   0\n  </ActiveWinModifier>\n"
    L"  <ActiveWinVk>\n   114\n  </ActiveWinVk>\n"
    L"  <CurrentWinModifier>\n   0\n  </CurrentWinModifier>\n"
    L"  <CurrentWinVk>\n   115\n  </CurrentWinVk>\n"
    L"  <WinClientModifier>\n   0\n  </WinClientModifier>\n"
    L"  <WinClientVk>\n   116\n  </WinClientVk>\n"
    L"  <WinObjModifier>\n   0\n  </WinObjModifier>\n"
    L"  <WinObjVk>\n   117\n  </WinObjVk>\n"
    L"  <SelectRectModifier>\n   0\n  </SelectRectModifier>\n"
    L"  <SelectRectVk>\n   118\n  </SelectRectVk>\n"
    L"  <ShowHideModifier>\n   0\n  </ShowHideModifier>\n"
    L"  <ShowHideVk>\n   119\n  </ShowHideVk>\n"
    L" </HotKey>\n"
    L" <AppData>\n"
    L"  <SnapMode>\n   0\n  </SnapMode>\n"
    L" </AppData>\n"
    L"</Kadrel>\n";

// Names of every element below the root, in document order.
void CollectNames(XML_Node* node, std::vector<CString>& out)
{
    for (XML_Node* c = node->GetFirstSubItem(); c; c = node->GetNextSubItem()) {
        out.push_back(c->GetName());
        CollectNames(c, out);
    }
}

std::vector<CString> ElementNames(XML_Node* root)
{
    std::vector<CString> names;
    CollectNames(root, names);
    return names;
}

} // namespace

TEST_F(ConfigTest, DefaultsOfAFreshRecord)
{
    ConfigPeek c;
    EXPECT_EQ(c.m_strAuthor, CString(L"Talvex"));
    EXPECT_EQ(c.m_strVersion, CString(L"Ver 1.2.12.103"));
    EXPECT_EQ(c.GetAppName(), CString(L"Kadrel（Talvex作品）"));
    EXPECT_TRUE(c.GetPlaySnapSound() && c.GetHideMainWnd() && c.GetSnapOnStart() && c.GetKeepOnTop());
    EXPECT_EQ(c.GetSnapDelayTime(), 500u);
    EXPECT_EQ(c.GetEditAppPath(), CString(L"mspaint.exe"));
    EXPECT_FALSE(c.GetGrayScale() || c.GetNegate() || c.GetScale() || c.GetRotate() || c.GetFlipHorz() ||
                 c.GetFlipVert() || c.GetShearDown() || c.GetShearAcross() || c.GetBlur() || c.GetSharpen() ||
                 c.GetAutoCopy());
    EXPECT_EQ(c.GetScaleFactor(), 50);
    EXPECT_EQ(c.GetRotateAngle(), 45);
    EXPECT_EQ(c.GetShearDownAmout(), 50);
    EXPECT_EQ(c.GetShearAcrossAmout(), 50);
    EXPECT_EQ(c.GetBlurFactor(), 5);
    EXPECT_EQ(c.GetSharpenFactor(), 5);
    EXPECT_TRUE(c.m_bApplyEffects);
    EXPECT_FALSE(c.m_bReplaceColor);
    EXPECT_TRUE(c.m_bInterpolate);
    EXPECT_EQ(c.GetSnapMode(), 0);

    typedef void (CKdConfig::*Getter)(WORD&, WORD&);
    const struct { Getter get; WORD mod, vk; } hotkeys[] = {
        {&CKdConfig::GetNewSnapHotkey, 0, 0x2C}, {&CKdConfig::GetFullScreenHotkey, 0x02, 0x2C},
        {&CKdConfig::GetActiveWinHotkey, 0, 0x72}, {&CKdConfig::GetCurrentWinHotkey, 0, 0x73},
        {&CKdConfig::GetWinClientHotkey, 0, 0x74}, {&CKdConfig::GetWinObjHotkey, 0, 0x75},
        {&CKdConfig::GetSelectRectHotkey, 0, 0x76}, {&CKdConfig::GetShowHideHotkey, 0, 0x77},
    };
    for (const auto& h : hotkeys) {
        WORD mod = 0xEEEE, vk = 0xEEEE;
        (c.*h.get)(mod, vk);
        EXPECT_EQ(mod, h.mod);
        EXPECT_EQ(vk, h.vk);
    }
}

TEST_F(ConfigTest, SettersStoreUncheckedAndResetTouchesOnlyEffects)
{
    ConfigPeek c;
    c.SetAllNonDefault();
    c.SetScaleFactor(7);
    EXPECT_EQ(c.GetRotateAngle(), 400);
    EXPECT_EQ(c.GetSnapDelayTime(), 0u);
    WORD mod, vk;
    c.SetFullScreenHotkey(0x06, 0x41);
    c.GetFullScreenHotkey(mod, vk);
    EXPECT_EQ(mod, 0x06);
    EXPECT_EQ(vk, 0x41);

    ConfigPeek expect(c);
    c.ResetImageOption();
    expect.SetGrayScale(FALSE); expect.SetNegate(FALSE); expect.SetScale(FALSE); expect.SetRotate(FALSE);
    expect.SetFlipHorz(FALSE); expect.SetFlipVert(FALSE); expect.SetShearDown(FALSE); expect.SetShearAcross(FALSE);
    expect.SetBlur(FALSE); expect.SetSharpen(FALSE);
    expect.SetBlurFactor(5); expect.SetSharpenFactor(5); expect.SetScaleFactor(50);
    expect.SetShearDownAmout(50); expect.SetShearAcrossAmout(50); expect.SetRotateAngle(45);
    EXPECT_EQ(c.Dump(), expect.Dump());
    EXPECT_TRUE(c.GetAutoCopy());
    EXPECT_EQ(c.GetEditAppPath(), CString(L"C:/Tools/edit.exe"));
}

TEST_F(ConfigTest, CopyAndAssignmentCopyEveryField)
{
    ConfigPeek src;
    src.SetAllNonDefault();
    src.m_bApplyEffects = FALSE;
    src.m_bReplaceColor = TRUE;
    src.m_bInterpolate = FALSE;
    CKdConfig copy(src);
    CKdConfig assigned;
    assigned = src;
    EXPECT_EQ(ConfigPeek(copy).Dump(), src.Dump());
    EXPECT_EQ(ConfigPeek(assigned).Dump(), src.Dump());
}

TEST_F(ConfigTest, FirstRunWritesTheDefaultFileExactly)
{
    ConfigPeek c;
    c.LoadConfig(); // no file: defaults stay
    EXPECT_EQ(c.Dump(), ConfigPeek().Dump());
    c.SaveConfig();
    std::string bytes;
    ASSERT_TRUE(ReadBytes(m_path, bytes));
    // The same bytes on every build: UTF-16LE, LF, no byte-order mark.
    EXPECT_EQ(bytes, U16(kDefaultFile));

    XML_Tree tree;
    ASSERT_TRUE(XML_File::ReadXMLFile(&tree, m_path));
    const std::vector<CString> names = ElementNames(tree.GetRoot());
    const wchar_t* expected[] = {
        L"Author", L"Version", L"URL", L"Mail", L"AppName", L"Basic", L"PlaySnapSound", L"HideMainWnd",
        L"SnapOnStart", L"SnapDelayTime", L"KeepOnTop", L"Image", L"GrayScale", L"Negate", L"Scale", L"Rotate",
        L"FlipHorz", L"FlipVert", L"ShearDown", L"ShearAcross", L"Blur", L"Sharpen", L"AutoCopy", L"EditAppPath",
        L"RotateAngle", L"XShearAmount", L"YShearAmount", L"BlurFactor", L"SharpenFactor", L"HotKey",
        L"NewSnapModifier", L"NewSnapVk", L"FullScreenModifier", L"FullScreenVk", L"ActiveWinModifier",
        L"ActiveWinVk", L"CurrentWinModifier", L"CurrentWinVk", L"WinClientModifier", L"WinClientVk",
        L"WinObjModifier", L"WinObjVk", L"SelectRectModifier", L"SelectRectVk", L"ShowHideModifier",
        L"ShowHideVk", L"AppData", L"SnapMode"};
    ASSERT_EQ(names.size(), 48u);
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(names[i], CString(expected[i])) << i;
}

TEST_F(ConfigTest, SaveThenLoadRestoresEveryPersistedField)
{
    struct Case { const char* what; UINT delay; };
    for (const Case& k : {Case{"delay 0", 0u}, Case{"delay above INT_MAX", 3000000000u}}) {
        ConfigPeek saved;
        saved.SetAllNonDefault();
        saved.SetSnapDelayTime(k.delay);
        saved.SetEditAppPath(CString(L"D:/very/long/") + CString(L'p', 1000) + L".exe");
        saved.SaveConfig();

        ConfigPeek loaded;
        loaded.LoadConfig();
        EXPECT_EQ(loaded.Dump(), saved.Dump()) << k.what;
        EXPECT_EQ(loaded.GetSnapDelayTime(), k.delay);
    }
    // Scale factor and the three unstored switches start again at their defaults.
    ConfigPeek changed;
    changed.SetScaleFactor(80);
    changed.m_bInterpolate = FALSE;
    changed.SaveConfig();
    ConfigPeek restarted;
    restarted.LoadConfig();
    EXPECT_EQ(restarted.GetScaleFactor(), 50);
    EXPECT_TRUE(restarted.m_bInterpolate);

    // Negative delay text as written for 3000000000.
    ConfigPeek big;
    big.SetSnapDelayTime(3000000000u);
    big.SaveConfig();
    std::string bytes;
    ASSERT_TRUE(ReadBytes(m_path, bytes));
    EXPECT_NE(bytes.find(U16(L"   -1294967296\n")), std::string::npos);
}

TEST_F(ConfigTest, EveryBuildWritesTheSameBytesForTheSameRecord)
{
    // Chinese text, "/" in strings, negative numbers and 0xFFFF words: the
    // digest of the file is fixed, so the Windows and native builds agree.
    ConfigPeek c;
    c.SetAllNonDefault();
    c.SetSnapDelayTime(4294967295u);
    c.SaveConfig();
    std::string bytes;
    ASSERT_TRUE(ReadBytes(m_path, bytes));
    uint64_t h = 1469598103934665603ull;
    for (unsigned char b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    EXPECT_EQ(bytes.size(), 3630u);
    EXPECT_EQ(h, 0x5beff8c5b18b87d3ull) << std::hex << h;
    EXPECT_NE(bytes.find(U16(L"  <EditAppPath>\n   C:\\colonTools\\colonedit.exe\n")), std::string::npos);
    EXPECT_NE(bytes.find(U16(L"   -1\n")), std::string::npos);
    EXPECT_NE(bytes.find(U16(L"   65535\n")), std::string::npos);
}

TEST_F(ConfigTest, MissingSectionsAndEmptyValues)
{
    ASSERT_TRUE(WriteBytes(m_path, U16(L"<Other>\n <Author>\n </Author>\n <Image>\n  <RotateAngle>\n  </RotateAngle>\n"
                                       L"  <EditAppPath>\n  </EditAppPath>\n  <Blur>\n   7abc\n  </Blur>\n </Image>\n"
                                       L" <AppData>\n  <SnapMode>\n   x\n  </SnapMode>\n </AppData>\n</Other>\n")));
    ConfigPeek c;
    c.SetAllNonDefault();
    ConfigPeek before(c);
    c.LoadConfig();
    EXPECT_EQ(c.m_strAuthor, CString()) << "an element without a value sets an empty string";
    EXPECT_EQ(c.GetRotateAngle(), 0);
    EXPECT_EQ(c.GetEditAppPath(), CString());
    EXPECT_EQ(c.GetBlur(), 7);
    EXPECT_EQ(c.GetSnapMode(), 0);
    // No HotKey or Basic section: all sixteen hotkey words and the basics stay.
    WORD mod, vk;
    c.GetShowHideHotkey(mod, vk);
    EXPECT_EQ(mod, 0xFFFF);
    c.GetNewSnapHotkey(mod, vk);
    EXPECT_EQ(mod, 0x0A);
    EXPECT_EQ(vk, 0x41);
    EXPECT_EQ(c.GetSnapDelayTime(), before.GetSnapDelayTime());
    EXPECT_EQ(c.m_strVersion, before.m_strVersion);
}

TEST_F(ConfigTest, HotkeyWordsTakeTheLowSixteenBits)
{
    ASSERT_TRUE(WriteBytes(m_path, U16(L"<Kadrel><HotKey><NewSnapModifier>65546</NewSnapModifier>"
                                       L"<NewSnapVk>-1</NewSnapVk></HotKey></Kadrel>")));
    CKdConfig c;
    c.LoadConfig();
    WORD mod, vk;
    c.GetNewSnapHotkey(mod, vk);
    EXPECT_EQ(mod, 0x0A);
    EXPECT_EQ(vk, 0xFFFF);
}

TEST_F(ConfigTest, DamagedFilesEndWithAUsableRecord)
{
    uint32_t s = 77;
    for (int round = 0; round < 20; ++round) {
        std::string junk;
        const size_t n = 1 + (s % 5000);
        for (size_t i = 0; i < n; ++i) {
            s ^= s << 13; s ^= s >> 17; s ^= s << 5;
            // Mostly tag characters so the parser gets somewhere.
            const char pick[] = {'<', '>', '/', 'A', 'B', ' ', '\n', '\0', '\xD8', '\xDC', '1'};
            junk += pick[s % sizeof pick];
        }
        ASSERT_TRUE(WriteBytes(m_path, junk));
        ConfigPeek c;
        c.LoadConfig();
        c.SaveConfig(); // and what was read can be written again
    }
    // A file of several megabytes.
    std::wstring big = L"<Kadrel><Image><EditAppPath>";
    big += std::wstring(3 << 20, L'x');
    big += L"</EditAppPath></Image></Kadrel>";
    ASSERT_TRUE(WriteBytes(m_path, U16(big)));
    CKdConfig c;
    c.LoadConfig();
    EXPECT_EQ(c.GetEditAppPath().GetLength(), 3 << 20);
}

TEST_F(ConfigTest, FailedSaveLeavesThePreviousFile)
{
    CKdConfig first;
    first.SaveConfig();
    std::string before;
    ASSERT_TRUE(ReadBytes(m_path, before));
    const CString blocker = m_path + L".tmp";
    ASSERT_TRUE(MakeTestDir(blocker));
    ConfigPeek second;
    second.SetAllNonDefault();
    second.SaveConfig();
    RemoveTestDir(blocker);
    std::string after;
    ASSERT_TRUE(ReadBytes(m_path, after));
    EXPECT_EQ(after, before);
}

TEST(HelperTest, AppPathIsTheExecutablesFolder)
{
    const CString path = CHelper::GetAppPath();
    ASSERT_GE(path.GetLength(), 2);
#ifdef _WIN32
    const wchar_t sep = L'\\';
#else
    const wchar_t sep = L'/';
#endif
    EXPECT_EQ(path.GetAt(path.GetLength() - 1), sep);
    EXPECT_NE(path.GetAt(path.GetLength() - 2), sep);
    // The test program itself lies there.
    std::string bytes;
#ifdef _WIN32
    EXPECT_TRUE(ReadBytes(path + L"PortableTests.exe", bytes) || ReadBytes(path + L"WinImagingTests.exe", bytes));
#else
    EXPECT_TRUE(ReadBytes(path + L"PortableTests", bytes));
#endif
}
