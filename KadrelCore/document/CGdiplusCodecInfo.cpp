#include "CGdiplusCodecInfo.h"

#include <algorithm>

CGdiplusCodecInfo::CGdiplusCodecInfo(LPCWSTR lpszFormat, LPCWSTR lpszExtensions, const GUID& clsid)
    : m_clsid(clsid)
{
    ConvertCopy(m_strFormat, lpszFormat);
    ConvertCopy(m_strExtensions, lpszExtensions);
    m_strExtensions.MakeLower();
    const int semicolon = m_strExtensions.Find(L';');
    m_strDefExt = semicolon >= 0 ? m_strExtensions.Left(semicolon) : m_strExtensions;
    m_strDefExt.Remove(L'*');
    m_strDefExt.Remove(L'.');
}

bool CGdiplusCodecInfo::FindExtension(LPCWSTR lpszExt) const
{
    CString wanted;
    wanted.Format(L"*.%s", lpszExt ? lpszExt : L"");
    int start = 0;
    while (start <= m_strExtensions.GetLength()) {
        int end = m_strExtensions.Find(L';', start);
        if (end < 0)
            end = m_strExtensions.GetLength();
        if (m_strExtensions.Mid(start, end - start).CompareNoCase(wanted) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

namespace {

CString CodecEntries(const CCodecInfoArray& codecs)
{
    CString entries;
    for (int i = 0; i < codecs.GetSize(); ++i)
        entries.AppendFormat(L"%s 文件(%s)|%s|", codecs[i]->GetFormat(), codecs[i]->GetExtensions(),
                             codecs[i]->GetExtensions());
    return entries;
}

} // namespace

CString MakeOpenFilter(const CCodecInfoArray& codecs)
{
    CString all(L"所有支持的图像文件|");
    for (int i = 0; i < codecs.GetSize(); ++i) {
        if (i > 0)
            all += L';';
        all += codecs[i]->GetExtensions();
    }
    CString filter;
    filter.Format(L"%s|%s|", all, CodecEntries(codecs));
    return filter;
}

CString MakeSaveFilter(const CCodecInfoArray& codecs)
{
    CString filter;
    filter.Format(L"%s||", CodecEntries(codecs));
    return filter;
}

void TranslateFilterText(CString& strFilter)
{
    strFilter.Replace(L'|', L'\0');
}

int FindCodecForExtension(const CCodecInfoArray& codecs, LPCWSTR lpszExt)
{
    for (int i = 0; i < codecs.GetSize(); ++i)
        if (codecs[i]->FindExtension(lpszExt))
            return i;
    return -1;
}

CString ExtensionOf(const CString& strName)
{
    const int dot = strName.ReverseFind(L'.');
    const int slash = std::max(strName.ReverseFind(L'\\'), strName.ReverseFind(L'/'));
    return dot < 0 || dot < slash ? CString() : strName.Mid(dot + 1);
}
