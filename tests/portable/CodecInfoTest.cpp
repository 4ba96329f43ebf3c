// Codec descriptions and the file-type filters of the open and save dialogs.
#include "CGdiplusCodecInfo.h"

#include "CStringPrinter.h"

#include <gtest/gtest.h>

namespace {

const GUID kGuidA = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
const GUID kGuidB = {12, 13, 14, {15, 16, 17, 18, 19, 20, 21, 22}};

struct Codecs
{
    CGdiplusCodecInfo a{L"A", L"*.a", kGuidA};
    CGdiplusCodecInfo b{L"B", L"*.b;*.bb", kGuidB};
    CCodecInfoArray list;
    Codecs() { list.Add(&a); list.Add(&b); }
};

} // namespace

TEST(CodecInfo, PatternsAndDefaultExtension)
{
    CGdiplusCodecInfo tiff(L"TIFF", L"*.TIF;*.TIFF", kGuidA);
    EXPECT_EQ(tiff.GetExtensions(), CString(L"*.tif;*.tiff"));
    EXPECT_EQ(CString(tiff.GetDefExt()), CString(L"tif"));
    EXPECT_EQ(tiff.GetFormat(), CString(L"TIFF"));
    EXPECT_TRUE(tiff.GetCLSID() == kGuidA);
    EXPECT_EQ(CString(CGdiplusCodecInfo(L"PNG", L"*.PNG", kGuidB).GetDefExt()), CString(L"png"));

    CGdiplusCodecInfo jpeg(L"JPEG", L"*.JPG;*.JPEG;*.JPE;*.JFIF", kGuidB);
    EXPECT_EQ(CString(jpeg.GetDefExt()), CString(L"jpg"));
    for (const wchar_t* ext : {L"JPEG", L"jpeg", L"Jpeg", L"jfif", L"jpg"})
        EXPECT_TRUE(jpeg.FindExtension(ext)) << ext;
    EXPECT_FALSE(jpeg.FindExtension(L"jp"));
    EXPECT_FALSE(jpeg.FindExtension(L""));
    // A miss leaves the list whole for the next question.
    EXPECT_FALSE(jpeg.FindExtension(L"png"));
    EXPECT_TRUE(jpeg.FindExtension(L"jpeg"));
    EXPECT_EQ(jpeg.GetExtensions(), CString(L"*.jpg;*.jpeg;*.jpe;*.jfif"));
}

TEST(CodecInfo, DialogFilters)
{
    Codecs c;
    EXPECT_EQ(MakeOpenFilter(c.list),
              CString(L"所有支持的图像文件|*.a;*.b;*.bb|A 文件(*.a)|*.a|B 文件(*.b;*.bb)|*.b;*.bb||"));
    EXPECT_EQ(MakeSaveFilter(c.list), CString(L"A 文件(*.a)|*.a|B 文件(*.b;*.bb)|*.b;*.bb|||"));

    CString translated = MakeSaveFilter(c.list);
    TranslateFilterText(translated);
    ASSERT_EQ(translated.GetLength(), MakeSaveFilter(c.list).GetLength());
    EXPECT_EQ(translated.Find(L'|'), -1);
    EXPECT_EQ(translated.GetAt(translated.GetLength() - 1), L'\0');
    EXPECT_EQ(translated.GetAt(translated.GetLength() - 2), L'\0');

    // No codecs: the open dialog keeps its entry for all files, the save
    // dialog has none.
    CCodecInfoArray none;
    EXPECT_EQ(MakeOpenFilter(none), CString(L"所有支持的图像文件|||"));
    EXPECT_EQ(MakeSaveFilter(none), CString(L"||"));
}

TEST(CodecInfo, TypedExtensionChoosesTheCodec)
{
    Codecs c;
    EXPECT_EQ(FindCodecForExtension(c.list, L"BB"), 1);
    EXPECT_EQ(FindCodecForExtension(c.list, L"a"), 0);
    EXPECT_EQ(FindCodecForExtension(c.list, L"xyz"), -1);
    EXPECT_EQ(ExtensionOf(L"C:\\pics\\shot.PNG"), CString(L"PNG"));
    EXPECT_EQ(ExtensionOf(L"C:\\pics.d\\shot"), CString());
    EXPECT_EQ(ExtensionOf(L"shot"), CString());
}
