#pragma once
#include "../../framework/CString.h"
#include "../KadrelCoreApi.h"

// Every user setting in one plain, copyable record: capture behaviour, the
// external editor, the effect switches and amounts, eight hotkeys (the
// modifier word uses the hot-key control's flags: 0x01 Shift, 0x02 Ctrl,
// 0x04 Alt, 0x08 extended) and the capture mode used last. Setters store
// their argument unchecked; ranges are the callers' business.
class KDCORE_API CKdConfig
{
public:
    CKdConfig();
    CKdConfig(const CKdConfig&) = default;
    CKdConfig& operator=(const CKdConfig&) = default;
    ~CKdConfig() = default;

    CString GetAppName() { return m_strAppName; }
    void SetAppName(CString str) { m_strAppName = str; }
    BOOL GetPlaySnapSound() const { return m_bPlaySnapSound; }
    void SetPlaySnapSound(BOOL b) { m_bPlaySnapSound = b; }
    BOOL GetHideMainWnd() const { return m_bHideMainWnd; }
    void SetHideMainWnd(BOOL b) { m_bHideMainWnd = b; }
    BOOL GetSnapOnStart() const { return m_bSnapOnStart; }
    void SetSnapOnStart(BOOL b) { m_bSnapOnStart = b; }
    UINT GetSnapDelayTime() const { return m_nSnapDelayTime; }
    void SetSnapDelayTime(UINT n) { m_nSnapDelayTime = n; }
    BOOL GetKeepOnTop() const { return m_bKeepOnTop; }
    void SetKeepOnTop(BOOL b) { m_bKeepOnTop = b; }
    CString GetEditAppPath() const { return m_strEditAppPath; }
    void SetEditAppPath(CString str) { m_strEditAppPath = str; }

    BOOL GetGrayScale() const { return m_bGrayScale; }
    void SetGrayScale(BOOL b) { m_bGrayScale = b; }
    BOOL GetNegate() const { return m_bNegate; }
    void SetNegate(BOOL b) { m_bNegate = b; }
    BOOL GetScale() const { return m_bScale; }
    void SetScale(BOOL b) { m_bScale = b; }
    int GetScaleFactor() const { return m_nScaleFactor; }
    void SetScaleFactor(int n) { m_nScaleFactor = n; }
    BOOL GetRotate() const { return m_bRotate; }
    void SetRotate(BOOL b) { m_bRotate = b; }
    int GetRotateAngle() const { return m_nRotateAngle; }
    void SetRotateAngle(int n) { m_nRotateAngle = n; }
    BOOL GetFlipHorz() const { return m_bFlipHorz; }
    void SetFlipHorz(BOOL b) { m_bFlipHorz = b; }
    BOOL GetFlipVert() const { return m_bFlipVert; }
    void SetFlipVert(BOOL b) { m_bFlipVert = b; }
    BOOL GetShearDown() const { return m_bShearDown; }
    void SetShearDown(BOOL b) { m_bShearDown = b; }
    int GetShearDownAmout() const { return m_nShearDownAmount; }
    void SetShearDownAmout(int n) { m_nShearDownAmount = n; }
    BOOL GetShearAcross() const { return m_bShearAcross; }
    void SetShearAcross(BOOL b) { m_bShearAcross = b; }
    int GetShearAcrossAmout() const { return m_nShearAcrossAmount; }
    void SetShearAcrossAmout(int n) { m_nShearAcrossAmount = n; }
    BOOL GetBlur() const { return m_bBlur; }
    void SetBlur(BOOL b) { m_bBlur = b; }
    int GetBlurFactor() const { return m_nBlurFactor; }
    void SetBlurFactor(int n) { m_nBlurFactor = n; }
    BOOL GetSharpen() const { return m_bSharpen; }
    void SetSharpen(BOOL b) { m_bSharpen = b; }
    int GetSharpenFactor() const { return m_nSharpenFactor; }
    void SetSharpenFactor(int n) { m_nSharpenFactor = n; }
    BOOL GetAutoCopy() const { return m_bAutoCopy; }
    void SetAutoCopy(BOOL b) { m_bAutoCopy = b; }

    void GetNewSnapHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wNewSnapModifier; wVk = m_wNewSnapVk; }
    void SetNewSnapHotkey(WORD wModifier, WORD wVk) { m_wNewSnapModifier = wModifier; m_wNewSnapVk = wVk; }
    void GetFullScreenHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wFullScreenModifier; wVk = m_wFullScreenVk; }
    void SetFullScreenHotkey(WORD wModifier, WORD wVk) { m_wFullScreenModifier = wModifier; m_wFullScreenVk = wVk; }
    void GetActiveWinHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wActiveWinModifier; wVk = m_wActiveWinVk; }
    void SetActiveWinHotkey(WORD wModifier, WORD wVk) { m_wActiveWinModifier = wModifier; m_wActiveWinVk = wVk; }
    void GetCurrentWinHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wCurrentWinModifier; wVk = m_wCurrentWinVk; }
    void SetCurrentWinHotkey(WORD wModifier, WORD wVk) { m_wCurrentWinModifier = wModifier; m_wCurrentWinVk = wVk; }
    void GetWinClientHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wWinClientModifier; wVk = m_wWinClientVk; }
    void SetWinClientHotkey(WORD wModifier, WORD wVk) { m_wWinClientModifier = wModifier; m_wWinClientVk = wVk; }
    void GetWinObjHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wWinObjModifier; wVk = m_wWinObjVk; }
    void SetWinObjHotkey(WORD wModifier, WORD wVk) { m_wWinObjModifier = wModifier; m_wWinObjVk = wVk; }
    void GetSelectRectHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wSelectRectModifier; wVk = m_wSelectRectVk; }
    void SetSelectRectHotkey(WORD wModifier, WORD wVk) { m_wSelectRectModifier = wModifier; m_wSelectRectVk = wVk; }
    void GetShowHideHotkey(WORD& wModifier, WORD& wVk) { wModifier = m_wShowHideModifier; wVk = m_wShowHideVk; }
    void SetShowHideHotkey(WORD wModifier, WORD wVk) { m_wShowHideModifier = wModifier; m_wShowHideVk = wVk; }

    int GetSnapMode() const { return m_nSnapMode; }
    void SetSnapMode(int n) { m_nSnapMode = n; }

    // Effects back to their defaults; everything else stays.
    void ResetImageOption();

    // "config.xml" in the program's folder: read over the current values
    // (missing file or elements keep them), and written whole.
    void LoadConfig();
    void SaveConfig();

protected:
    CString m_strAuthor;
    CString m_strVersion;
    CString m_strURL;
    CString m_strMail;
    CString m_strAppName;
    BOOL m_bPlaySnapSound;
    BOOL m_bHideMainWnd;
    BOOL m_bSnapOnStart;
    UINT m_nSnapDelayTime;
    BOOL m_bKeepOnTop;
    CString m_strEditAppPath;
    BOOL m_bGrayScale;
    BOOL m_bNegate;
    BOOL m_bScale;
    int m_nScaleFactor;
    BOOL m_bRotate;
    int m_nRotateAngle;
    BOOL m_bFlipHorz;
    BOOL m_bFlipVert;
    BOOL m_bShearDown;
    int m_nShearDownAmount;
    BOOL m_bShearAcross;
    int m_nShearAcrossAmount;
    BOOL m_bBlur;
    int m_nBlurFactor;
    BOOL m_bSharpen;
    int m_nSharpenFactor;
    BOOL m_bAutoCopy;
    // Not stored and without accessors: every run starts with these.
    BOOL m_bApplyEffects;
    BOOL m_bReplaceColor;
    BOOL m_bInterpolate;
    WORD m_wNewSnapModifier;
    WORD m_wNewSnapVk;
    WORD m_wFullScreenModifier;
    WORD m_wFullScreenVk;
    WORD m_wActiveWinModifier;
    WORD m_wActiveWinVk;
    WORD m_wCurrentWinModifier;
    WORD m_wCurrentWinVk;
    WORD m_wWinClientModifier;
    WORD m_wWinClientVk;
    WORD m_wWinObjModifier;
    WORD m_wWinObjVk;
    WORD m_wSelectRectModifier;
    WORD m_wSelectRectVk;
    WORD m_wShowHideModifier;
    WORD m_wShowHideVk;
    int m_nSnapMode;
};
