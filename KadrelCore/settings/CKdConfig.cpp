#include "CKdConfig.h"

#include "CHelper.h"
#include "XML_File.h"

CKdConfig::CKdConfig()
    : m_strAuthor(L"Talvex"),
      m_strVersion(L"Ver 1.2.12.103"),
      m_strURL(L"https://www.talvex.example/kadrel/"),
      m_strMail(L"support@talvex.example"),
      m_strAppName(L"Kadrel（Talvex作品）"),
      m_bPlaySnapSound(TRUE),
      m_bHideMainWnd(TRUE),
      m_bSnapOnStart(TRUE),
      m_nSnapDelayTime(500),
      m_bKeepOnTop(TRUE),
      m_strEditAppPath(L"mspaint.exe"),
      m_bGrayScale(FALSE),
      m_bNegate(FALSE),
      m_bScale(FALSE),
      m_nScaleFactor(50),
      m_bRotate(FALSE),
      m_nRotateAngle(45),
      m_bFlipHorz(FALSE),
      m_bFlipVert(FALSE),
      m_bShearDown(FALSE),
      m_nShearDownAmount(50),
      m_bShearAcross(FALSE),
      m_nShearAcrossAmount(50),
      m_bBlur(FALSE),
      m_nBlurFactor(5),
      m_bSharpen(FALSE),
      m_nSharpenFactor(5),
      m_bAutoCopy(FALSE),
      m_bApplyEffects(TRUE),
      m_bReplaceColor(FALSE),
      m_bInterpolate(TRUE),
      m_wNewSnapModifier(0), m_wNewSnapVk(0x2C),             // Print Screen
      m_wFullScreenModifier(0x02), m_wFullScreenVk(0x2C),    // Ctrl+Print Screen
      m_wActiveWinModifier(0), m_wActiveWinVk(0x72),         // F3
      m_wCurrentWinModifier(0), m_wCurrentWinVk(0x73),       // F4
      m_wWinClientModifier(0), m_wWinClientVk(0x74),         // F5
      m_wWinObjModifier(0), m_wWinObjVk(0x75),               // F6
      m_wSelectRectModifier(0), m_wSelectRectVk(0x76),       // F7
      m_wShowHideModifier(0), m_wShowHideVk(0x77),           // F8
      m_nSnapMode(0)
{
}

void CKdConfig::ResetImageOption()
{
    m_bGrayScale = m_bNegate = m_bScale = m_bRotate = FALSE;
    m_bFlipHorz = m_bFlipVert = m_bShearDown = m_bShearAcross = FALSE;
    m_bBlur = m_bSharpen = FALSE;
    m_nBlurFactor = 5;
    m_nSharpenFactor = 5;
    m_nScaleFactor = 50;
    m_nShearDownAmount = 50;
    m_nShearAcrossAmount = 50;
    m_nRotateAngle = 45;
}

// ---- The settings file -------------------------------------------------

namespace {

enum class Kind { String, Int, Delay, Word };

// One element of "config.xml", in the order the file is written. A field
// is reached through exactly one of the member pointers, by kind.
struct ConfigEntry
{
    const wchar_t* section; // NULL: directly under the root
    const wchar_t* name;
    Kind kind;
    CString CKdConfig::*str;
    int CKdConfig::*num;
    UINT CKdConfig::*delay;
    WORD CKdConfig::*word;
};

// Reaches the protected fields to build the schema table.
struct CKdConfigSchema : CKdConfig
{
    static ConfigEntry S(const wchar_t* sec, const wchar_t* name, CString CKdConfig::*p) { return {sec, name, Kind::String, p, nullptr, nullptr, nullptr}; }
    static ConfigEntry I(const wchar_t* sec, const wchar_t* name, int CKdConfig::*p) { return {sec, name, Kind::Int, nullptr, p, nullptr, nullptr}; }
    static ConfigEntry D(const wchar_t* sec, const wchar_t* name, UINT CKdConfig::*p) { return {sec, name, Kind::Delay, nullptr, nullptr, p, nullptr}; }
    static ConfigEntry W(const wchar_t* sec, const wchar_t* name, WORD CKdConfig::*p) { return {sec, name, Kind::Word, nullptr, nullptr, nullptr, p}; }

    static const ConfigEntry* Table(size_t& count)
    {
        static const wchar_t* const B = L"Basic";
        static const wchar_t* const M = L"Image";
        static const wchar_t* const H = L"HotKey";
        static const wchar_t* const A = L"AppData";
        static const ConfigEntry table[] = {
            S(nullptr, L"Author", &CKdConfigSchema::m_strAuthor),
            S(nullptr, L"Version", &CKdConfigSchema::m_strVersion),
            S(nullptr, L"URL", &CKdConfigSchema::m_strURL),
            S(nullptr, L"Mail", &CKdConfigSchema::m_strMail),
            S(nullptr, L"AppName", &CKdConfigSchema::m_strAppName),
            I(B, L"PlaySnapSound", &CKdConfigSchema::m_bPlaySnapSound),
            I(B, L"HideMainWnd", &CKdConfigSchema::m_bHideMainWnd),
            I(B, L"SnapOnStart", &CKdConfigSchema::m_bSnapOnStart),
            D(B, L"SnapDelayTime", &CKdConfigSchema::m_nSnapDelayTime),
            I(B, L"KeepOnTop", &CKdConfigSchema::m_bKeepOnTop),
            I(M, L"GrayScale", &CKdConfigSchema::m_bGrayScale),
            I(M, L"Negate", &CKdConfigSchema::m_bNegate),
            I(M, L"Scale", &CKdConfigSchema::m_bScale),
            I(M, L"Rotate", &CKdConfigSchema::m_bRotate),
            I(M, L"FlipHorz", &CKdConfigSchema::m_bFlipHorz),
            I(M, L"FlipVert", &CKdConfigSchema::m_bFlipVert),
            I(M, L"ShearDown", &CKdConfigSchema::m_bShearDown),
            I(M, L"ShearAcross", &CKdConfigSchema::m_bShearAcross),
            I(M, L"Blur", &CKdConfigSchema::m_bBlur),
            I(M, L"Sharpen", &CKdConfigSchema::m_bSharpen),
            I(M, L"AutoCopy", &CKdConfigSchema::m_bAutoCopy),
            S(M, L"EditAppPath", &CKdConfigSchema::m_strEditAppPath),
            I(M, L"RotateAngle", &CKdConfigSchema::m_nRotateAngle),
            I(M, L"XShearAmount", &CKdConfigSchema::m_nShearAcrossAmount),
            I(M, L"YShearAmount", &CKdConfigSchema::m_nShearDownAmount),
            I(M, L"BlurFactor", &CKdConfigSchema::m_nBlurFactor),
            I(M, L"SharpenFactor", &CKdConfigSchema::m_nSharpenFactor),
            W(H, L"NewSnapModifier", &CKdConfigSchema::m_wNewSnapModifier),
            W(H, L"NewSnapVk", &CKdConfigSchema::m_wNewSnapVk),
            W(H, L"FullScreenModifier", &CKdConfigSchema::m_wFullScreenModifier),
            W(H, L"FullScreenVk", &CKdConfigSchema::m_wFullScreenVk),
            W(H, L"ActiveWinModifier", &CKdConfigSchema::m_wActiveWinModifier),
            W(H, L"ActiveWinVk", &CKdConfigSchema::m_wActiveWinVk),
            W(H, L"CurrentWinModifier", &CKdConfigSchema::m_wCurrentWinModifier),
            W(H, L"CurrentWinVk", &CKdConfigSchema::m_wCurrentWinVk),
            W(H, L"WinClientModifier", &CKdConfigSchema::m_wWinClientModifier),
            W(H, L"WinClientVk", &CKdConfigSchema::m_wWinClientVk),
            W(H, L"WinObjModifier", &CKdConfigSchema::m_wWinObjModifier),
            W(H, L"WinObjVk", &CKdConfigSchema::m_wWinObjVk),
            W(H, L"SelectRectModifier", &CKdConfigSchema::m_wSelectRectModifier),
            W(H, L"SelectRectVk", &CKdConfigSchema::m_wSelectRectVk),
            W(H, L"ShowHideModifier", &CKdConfigSchema::m_wShowHideModifier),
            W(H, L"ShowHideVk", &CKdConfigSchema::m_wShowHideVk),
            I(A, L"SnapMode", &CKdConfigSchema::m_nSnapMode),
        };
        count = sizeof table / sizeof table[0];
        return table;
    }
};

CString ConfigPath()
{
    return CHelper::GetAppPath() + L"config.xml";
}

} // namespace

void CKdConfig::LoadConfig()
{
    XML_Tree tree;
    XML_File::ReadXMLFile(&tree, ConfigPath());
    XML_Node* pRoot = tree.GetRoot();
    if (!pRoot)
        return;
    size_t count = 0;
    const ConfigEntry* table = CKdConfigSchema::Table(count);
    for (size_t i = 0; i < count; ++i) {
        const ConfigEntry& e = table[i];
        XML_Node* pParent = e.section ? pRoot->GetSubItem(e.section) : pRoot;
        XML_Node* pNode = pParent ? pParent->GetSubItem(e.name) : nullptr;
        if (!pNode)
            continue;
        switch (e.kind) {
        case Kind::String: this->*e.str = pNode->GetValue(); break;
        case Kind::Int: this->*e.num = pNode->GetValueAsInt(); break;
        case Kind::Delay: this->*e.delay = static_cast<UINT>(pNode->GetValueAsInt()); break;
        case Kind::Word: this->*e.word = static_cast<WORD>(pNode->GetValueAsInt() & 0xFFFF); break;
        }
    }
}

void CKdConfig::SaveConfig()
{
    XML_Tree tree;
    tree.AddElement(L"Kadrel");
    const wchar_t* pszOpenSection = nullptr;
    size_t count = 0;
    const ConfigEntry* table = CKdConfigSchema::Table(count);
    for (size_t i = 0; i < count; ++i) {
        const ConfigEntry& e = table[i];
        if (e.section != pszOpenSection) {
            if (pszOpenSection)
                tree.EndElement();
            if (e.section)
                tree.AddElement(e.section);
            pszOpenSection = e.section;
        }
        tree.AddElement(e.name);
        switch (e.kind) {
        case Kind::String: tree.AddValue(this->*e.str); break;
        case Kind::Int: tree.AddValue(this->*e.num); break;
        // Stored as a signed 32-bit number; reading it back gives the same bits.
        case Kind::Delay: tree.AddValue(static_cast<int>(this->*e.delay)); break;
        case Kind::Word: tree.AddValue(static_cast<int>(this->*e.word)); break;
        }
        tree.EndElement();
    }
    if (pszOpenSection)
        tree.EndElement();
    tree.EndElement();
    // A failed save (read-only folder) leaves the previous file as it was.
    XML_File::WriteXMLFile(&tree, ConfigPath());
}
