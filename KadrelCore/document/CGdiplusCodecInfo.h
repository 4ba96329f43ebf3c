#pragma once
#include "../../framework/CArray.h"
#include "../../framework/CString.h"
#include "../KadrelCoreApi.h"

// One image codec of the platform: its format description, its file-name
// patterns (lower case, ";"-separated), the default extension derived from
// the first pattern, and its class identifier.
class KDCORE_API CGdiplusCodecInfo
{
public:
    CGdiplusCodecInfo(LPCWSTR lpszFormat, LPCWSTR lpszExtensions, const GUID& clsid);

    CString GetFormat() const { return m_strFormat; }
    CString GetExtensions() const { return m_strExtensions; }
    LPCWSTR GetDefExt() const { return m_strDefExt; }
    GUID GetCLSID() const { return m_clsid; }
    // True when "*." + the extension is one of the patterns, ignoring case.
    bool FindExtension(LPCWSTR lpszExt) const;

protected:
    static void ConvertCopy(CString& str, LPCWSTR lpsz) { str = lpsz; }

    CString m_strFormat;
    CString m_strExtensions;
    CString m_strDefExt;
    GUID m_clsid;
};

typedef CArray<CGdiplusCodecInfo*, CGdiplusCodecInfo*> CCodecInfoArray;

// The file-type filters of the open and save dialogs, with "|" separators:
// the open filter starts with an entry for every supported file.
KDCORE_API CString MakeOpenFilter(const CCodecInfoArray& codecs);
KDCORE_API CString MakeSaveFilter(const CCodecInfoArray& codecs);
// The filter as the platform takes it: every "|" becomes a NUL.
KDCORE_API void TranslateFilterText(CString& strFilter);
// Index of the first codec that knows the extension (no dot), or -1.
KDCORE_API int FindCodecForExtension(const CCodecInfoArray& codecs, LPCWSTR lpszExt);
// Extension of a file name, without the dot; empty when it has none.
KDCORE_API CString ExtensionOf(const CString& strName);
