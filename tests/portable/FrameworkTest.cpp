// The framework's value types.
#include "CArray.h"
#include "CRect.h"
#include "CString.h"

#include "CStringPrinter.h"

#include <gtest/gtest.h>

TEST(CStringTest, FormatTakesWideTextAndCStrings)
{
    CString name(L"Kadrel");
    CString s;
    s.Format(L"%s<%s>|%d|%c|%5.2f|%ld", L"  ", name, -7, L'x', 3.14159, 123456L);
    EXPECT_EQ(s, CString(L"  <Kadrel>|-7|x| 3.14|123456"));
    s.AppendFormat(L"%%%u", 4000000000u);
    EXPECT_EQ(s.Right(11), CString(L"%4000000000"));
    // Output longer than the first buffer.
    CString longText(L'a', 5000);
    s.Format(L"[%s]", longText);
    EXPECT_EQ(s.GetLength(), 5002);
}

TEST(CStringTest, FindReplaceAndCase)
{
    CString path(L"c:\\Pics/a.Bmp.gif");
    EXPECT_EQ(path.Find(L'/'), 7);
    EXPECT_EQ(path.Find(L".Bmp"), 9);
    EXPECT_EQ(path.Find(L".Bmp", 10), -1);
    EXPECT_EQ(path.Find(L"zz"), -1);
    EXPECT_EQ(path.ReverseFind(L'.'), 13);
    CString upper(path);
    upper.MakeUpper();
    EXPECT_EQ(upper, CString(L"C:\\PICS/A.BMP.GIF"));
    EXPECT_EQ(upper.CompareNoCase(path), 0);
    EXPECT_NE(upper.Compare(path), 0);

    CString s(L"1/2/3");
    EXPECT_EQ(s.Replace(L"/", L"\\colon"), 2);
    EXPECT_EQ(s, CString(L"1\\colon2\\colon3"));
    EXPECT_EQ(s.Replace(L"\\colon", L"/"), 2);
    EXPECT_EQ(s, CString(L"1/2/3"));
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    CString overlap(L"aaaa");
    EXPECT_EQ(overlap.Replace(L"aa", L"a"), 2);
    EXPECT_EQ(overlap, CString(L"aa"));
}

TEST(CStringTest, SubstringsClampToTheText)
{
    CString s(L"abcdef");
    EXPECT_EQ(s.Left(2), CString(L"ab"));
    EXPECT_EQ(s.Left(99), s);
    EXPECT_EQ(s.Left(-1), CString());
    EXPECT_EQ(s.Right(2), CString(L"ef"));
    EXPECT_EQ(s.Mid(4), CString(L"ef"));
    EXPECT_EQ(s.Mid(2, 2), CString(L"cd"));
    EXPECT_EQ(s.Mid(10), CString());
    CString t(L" \t x y \n");
    EXPECT_EQ(CString(t).Trim(), CString(L"x y"));
    EXPECT_EQ(CString(t).TrimLeft(), CString(L"x y \n"));
    CString b;
    wchar_t* p = b.GetBuffer(8);
    p[0] = L'h'; p[1] = L'i'; p[2] = 0;
    b.ReleaseBuffer();
    EXPECT_EQ(b, CString(L"hi"));
}

TEST(CRectTest, GeometryOperations)
{
    CRect r(10, 20, 5, 8);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(5, 8, 10, 20));
    EXPECT_EQ(r.Width(), 5);
    EXPECT_EQ(r.Height(), 12);
    EXPECT_TRUE(r.PtInRect(CPoint(5, 8)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 8)));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(4, 6, 11, 22));
    r.OffsetRect(-4, -6);
    EXPECT_EQ(r.TopLeft(), CPoint(0, 0));

    CRect screen(0, 0, 1024, 768), w(-50, 700, 100, 900), i;
    EXPECT_TRUE(i.IntersectRect(screen, w));
    EXPECT_EQ(i, CRect(0, 700, 100, 768));
    EXPECT_FALSE(i.IntersectRect(screen, CRect(2000, 0, 2100, 10)));
    EXPECT_TRUE(i.IsRectNull());
}

TEST(CArrayTest, AddInsertRemove)
{
    CArray<int, int> a;
    EXPECT_TRUE(a.IsEmpty());
    a.Add(1);
    a.Add(3);
    a.InsertAt(1, 2);
    ASSERT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[1], 2);
    a.RemoveAt(0);
    EXPECT_EQ(a.GetAt(0), 2);
    a.RemoveAll();
    EXPECT_EQ(a.GetCount(), 0);
}
