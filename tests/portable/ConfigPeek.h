#pragma once
// A settings record with its fields laid open, for tests.
#include "CKdConfig.h"

#include <string>

class ConfigPeek : public CKdConfig
{
public:
    ConfigPeek() = default;
    ConfigPeek(const CKdConfig& c) : CKdConfig(c) {}
    using CKdConfig::m_strAuthor;
    using CKdConfig::m_strVersion;
    using CKdConfig::m_strURL;
    using CKdConfig::m_strMail;
    using CKdConfig::m_bApplyEffects;
    using CKdConfig::m_bReplaceColor;
    using CKdConfig::m_bInterpolate;

    // Every field, in declaration order, as one text for comparisons.
    std::wstring Dump()
    {
        CString s;
        s.Format(L"%s|%s|%s|%s|%s|%d|%d|%d|%u|%d|%s|", m_strAuthor, m_strVersion, m_strURL, m_strMail,
                 m_strAppName, m_bPlaySnapSound, m_bHideMainWnd, m_bSnapOnStart, m_nSnapDelayTime,
                 m_bKeepOnTop, m_strEditAppPath);
        s.AppendFormat(L"%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|", m_bGrayScale, m_bNegate,
                       m_bScale, m_nScaleFactor, m_bRotate, m_nRotateAngle, m_bFlipHorz, m_bFlipVert, m_bShearDown,
                       m_nShearDownAmount, m_bShearAcross, m_nShearAcrossAmount, m_bBlur, m_nBlurFactor, m_bSharpen,
                       m_nSharpenFactor, m_bAutoCopy, m_bApplyEffects, m_bReplaceColor, m_bInterpolate);
        const WORD* w[] = {&m_wNewSnapModifier, &m_wNewSnapVk, &m_wFullScreenModifier, &m_wFullScreenVk,
                           &m_wActiveWinModifier, &m_wActiveWinVk, &m_wCurrentWinModifier, &m_wCurrentWinVk,
                           &m_wWinClientModifier, &m_wWinClientVk, &m_wWinObjModifier, &m_wWinObjVk,
                           &m_wSelectRectModifier, &m_wSelectRectVk, &m_wShowHideModifier, &m_wShowHideVk};
        for (const WORD* p : w)
            s.AppendFormat(L"%u,", static_cast<unsigned>(*p));
        s.AppendFormat(L"|%d", m_nSnapMode);
        return s.Str();
    }

    // Every persisted field set away from its default.
    void SetAllNonDefault()
    {
        m_strAuthor = L"Au";
        m_strVersion = L"V9";
        m_strURL = L"https://example.org/a/b";
        m_strMail = L"m@example.org";
        SetAppName(L"名字");
        SetPlaySnapSound(FALSE);
        SetHideMainWnd(FALSE);
        SetSnapOnStart(FALSE);
        SetSnapDelayTime(0);
        SetKeepOnTop(FALSE);
        SetEditAppPath(L"C:/Tools/edit.exe");
        SetGrayScale(TRUE);
        SetNegate(TRUE);
        SetScale(TRUE);
        SetRotate(TRUE);
        SetRotateAngle(400);
        SetFlipHorz(TRUE);
        SetFlipVert(TRUE);
        SetShearDown(TRUE);
        SetShearDownAmout(-12);
        SetShearAcross(TRUE);
        SetShearAcrossAmout(33);
        SetBlur(TRUE);
        SetBlurFactor(9);
        SetSharpen(TRUE);
        SetSharpenFactor(2);
        SetAutoCopy(TRUE);
        SetNewSnapHotkey(0x0A, 0x41);
        SetFullScreenHotkey(0x06, 0x42);
        SetActiveWinHotkey(0x01, 0x43);
        SetCurrentWinHotkey(0x02, 0x44);
        SetWinClientHotkey(0x04, 0x45);
        SetWinObjHotkey(0x08, 0x46);
        SetSelectRectHotkey(0x03, 0x47);
        SetShowHideHotkey(0xFFFF, 0xFFFF);
        SetSnapMode(5);
    }
};
