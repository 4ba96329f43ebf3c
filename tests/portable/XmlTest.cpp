// The settings file format: exact bytes written, and the reader's rules.
#include "TestFiles.h"
#include "XML_File.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class XmlTest : public testing::Test
{
protected:
    const CString m_path = TestPath(L"xmltest.xml");
    void TearDown() override { RemoveTestFile(m_path); }

    std::string Written(XML_Tree& tree)
    {
        std::string bytes;
        EXPECT_TRUE(XML_File::WriteXMLFile(&tree, m_path));
        EXPECT_TRUE(ReadBytes(m_path, bytes));
        return bytes;
    }
    // Reads text (encoded as UTF-16LE) into the tree.
    void ReadText(XML_Tree& tree, const std::wstring& text)
    {
        ASSERT_TRUE(WriteBytes(m_path, U16(text)));
        EXPECT_TRUE(XML_File::ReadXMLFile(&tree, m_path));
    }
};

} // namespace

TEST_F(XmlTest, WritesExactBytes)
{
    XML_Tree lone;
    lone.AddElement(L"A");
    lone.EndElement();
    EXPECT_EQ(Written(lone), U16(L"<A>\n</A>\n"));

    XML_Tree slash;
    slash.AddElement(L"A");
    slash.AddElement(L"B");
    slash.AddValue(CString(L"1/2"));
    slash.EndElement();
    slash.EndElement();
    EXPECT_EQ(Written(slash), U16(L"<A>\n <B>\n  1\\colon2\n </B>\n</A>\n"));

    // Siblings, a deeper level, an unclosed tree, text beyond the BMP.
    XML_Tree t;
    t.AddElement(L"R");
    t.AddValue(CString(L"宋体\U0001F600"));
    t.AddElement(L"X");
    t.AddElement(L"Y");
    t.AddValue(7);
    t.EndElement();
    t.EndElement();
    t.AddElement(L"Z");
    t.AddValue(-3L);
    std::string bytes = Written(t);
    EXPECT_EQ(bytes, U16(L"<R>\n 宋体\U0001F600\n <X>\n  <Y>\n   7\n  </Y>\n </X>\n <Z>\n  -3\n </Z>\n</R>\n"));
    EXPECT_EQ(bytes.substr(10, 8), std::string("\x8b\x5b\x53\x4f\x3d\xd8\x00\xde", 8)) << "surrogate pair";

    // An empty tree empties the file.
    XML_Tree empty;
    EXPECT_EQ(Written(empty), std::string());
}

TEST_F(XmlTest, LongLinesDeepLevelsAndLongTagsAreKeptWhole)
{
    const CString longValue(L'v', 1000);
    const CString longName(L'n', 300);
    XML_Tree t;
    t.AddElement(L"Root");
    for (int i = 0; i < 120; ++i)
        t.AddElement(i == 119 ? longName : CString(L"L"));
    t.AddValue(longValue + L"/end");
    Written(t);

    XML_Tree back;
    ASSERT_TRUE(XML_File::ReadXMLFile(&back, m_path));
    XML_Node* p = back.GetRoot();
    for (int i = 0; i < 119 && p; ++i)
        p = p->GetSubItem(L"L");
    ASSERT_NE(p, nullptr);
    XML_Node* leaf = p->GetSubItem(longName);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->GetValue(), longValue + L"/end");
}

TEST_F(XmlTest, ReaderRules)
{
    XML_Tree t;
    ReadText(t, L"\xFEFFjunk<Basic>\n <basic>\n  x\n </basic>\n <Item>  first  value \t\n </Item>"
                L"<Item>second</Item>"
                L"<Slash> a\\colonb/c </Slash><N>12ab</N><E></E><M> -7</M>"
                L"</anything-closes-Basic> after <Second><In>1</In></Second>");
    XML_Node* root = t.GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), CString(L"Basic"));
    EXPECT_EQ(root->GetValue(), CString()) << "text outside the root is dropped";
    EXPECT_EQ(root->GetSubItem(L"basic")->GetValue(), CString(L"x")) << "names are case-sensitive";
    EXPECT_EQ(root->GetSubItem(L"Item")->GetValue(), CString(L"first  value")) << "first of two, trimmed";
    EXPECT_EQ(root->GetSubItem(L"Slash")->GetValue(), CString(L"a/b/c"));
    EXPECT_EQ(root->GetSubItem(L"N")->GetValueAsInt(), 12);
    EXPECT_EQ(root->GetSubItem(L"E")->GetValueAsInt(), 0);
    EXPECT_EQ(root->GetSubItem(L"M")->GetValueAsInt(), -7);
    EXPECT_EQ(root->GetSubItem(L"M")->GetValueAsLong(), -7L);
    EXPECT_EQ(root->GetSubItem(L"Second"), nullptr) << "a second top-level element is dropped";
    EXPECT_EQ(root->GetSubItem(L"BASIC"), nullptr);

    // Child cursor.
    XML_Node* e = root->GetSubItem(L"E");
    EXPECT_EQ(e->GetFirstSubItem(), nullptr);
    EXPECT_EQ(e->GetNextSubItem(), nullptr);
    int n = 0;
    for (XML_Node* c = root->GetFirstSubItem(); c; c = root->GetNextSubItem())
        ++n;
    EXPECT_EQ(n, 7);
    EXPECT_EQ(root->GetNextSubItem(), nullptr);
}

TEST_F(XmlTest, NumbersAndCrLfFiles)
{
    XML_Tree t;
    ReadText(t, L"<K>\r\n <A>\r\n  42\r\n </A>\r\n <B>\r\n  -2147483648\r\n </B>\r\n"
                L" <C>99999999999</C><D>-99999999999</D><E>+5x</E><F>- 5</F>\r\n</K>\r\n");
    XML_Node* root = t.GetRoot();
    ASSERT_NE(root, nullptr);
    // CR is not white space to the reader, so the value keeps it ...
    EXPECT_EQ(root->GetSubItem(L"A")->GetValue(), CString(L"\r\n  42\r"));
    // ... while the number still converts.
    EXPECT_EQ(root->GetSubItem(L"A")->GetValueAsInt(), 42);
    EXPECT_EQ(root->GetSubItem(L"B")->GetValueAsInt(), INT_MIN);
    EXPECT_EQ(root->GetSubItem(L"C")->GetValueAsInt(), INT_MAX);
    EXPECT_EQ(root->GetSubItem(L"D")->GetValueAsInt(), INT_MIN);
    EXPECT_EQ(root->GetSubItem(L"E")->GetValueAsInt(), 5);
    EXPECT_EQ(root->GetSubItem(L"F")->GetValueAsInt(), 0);
}

TEST_F(XmlTest, MissingAndUnreadableFiles)
{
    XML_Tree t;
    // A missing file is reported, and the tree stays empty.
    EXPECT_FALSE(XML_File::ReadXMLFile(&t, TestPath(L"no-such-file.xml")));
    EXPECT_EQ(t.GetRoot(), nullptr);
    // A path that cannot be written is reported too.
    XML_Tree w;
    w.AddElement(L"A");
    EXPECT_FALSE(XML_File::WriteXMLFile(&w, TestPath(L"no-such-folder/x.xml")));
}

TEST_F(XmlTest, FailedWriteKeepsTheOldFile)
{
    XML_Tree first;
    first.AddElement(L"Old");
    ASSERT_TRUE(XML_File::WriteXMLFile(&first, m_path));
    std::string before;
    ASSERT_TRUE(ReadBytes(m_path, before));

    // The new file is written beside the old one first; block that spot.
    const CString blocker = m_path + L".tmp";
    ASSERT_TRUE(MakeTestDir(blocker));
    XML_Tree second;
    second.AddElement(L"New");
    EXPECT_FALSE(XML_File::WriteXMLFile(&second, m_path));
    RemoveTestDir(blocker);

    std::string after;
    ASSERT_TRUE(ReadBytes(m_path, after));
    EXPECT_EQ(after, before);
}

TEST_F(XmlTest, DamagedContentStillGivesATree)
{
    // Odd byte count, NUL units, unpaired surrogates, surplus end tags.
    std::string bytes = U16(L"<A>") + std::string("\x00\x00", 2) + std::string("\x00\xD8", 2) +
                        U16(L"x</A></A></A><") + std::string("\x00\xDC", 2) + U16(L">") + "\x41";
    ASSERT_TRUE(WriteBytes(m_path, bytes));
    XML_Tree t;
    EXPECT_TRUE(XML_File::ReadXMLFile(&t, m_path));
    ASSERT_NE(t.GetRoot(), nullptr);
    const CString v = t.GetRoot()->GetValue();
    ASSERT_EQ(v.GetLength(), 3);
    EXPECT_EQ(static_cast<unsigned>(v.GetAt(0)), 0u);
    EXPECT_EQ(static_cast<unsigned>(v.GetAt(1)), 0xD800u);

    // The lone surrogate is written back as it was read.
    std::string again = XML_File::Serialize(&t);
    EXPECT_NE(again.find(std::string("\x00\xD8", 2)), std::string::npos);

    // Deep nesting and an unclosed mass of tags: no recursion anywhere.
    std::wstring deep;
    for (int i = 0; i < 200000; ++i)
        deep += L"<d>";
    XML_Tree d;
    ReadText(d, deep);
    ASSERT_NE(d.GetRoot(), nullptr);
}

TEST_F(XmlTest, DeepTreesRoundTripWithCappedIndentation)
{
    XML_Tree t;
    for (int i = 0; i < 3000; ++i) {
        t.AddElement(L"d");
        t.AddValue(i);
    }
    const std::string bytes = Written(t);
    // The deepest start tag carries the capped indentation only.
    EXPECT_NE(bytes.find(U16(L"\n" + std::wstring(1000, L' ') + L"<d>\n")), std::string::npos);
    EXPECT_EQ(bytes.find(U16(std::wstring(1001, L' ') + L"<d>")), std::string::npos);
    XML_Tree back;
    ASSERT_TRUE(XML_File::ReadXMLFile(&back, m_path));
    XML_Node* p = back.GetRoot();
    int depth = 0;
    for (; p; p = p->GetSubItem(L"d"), ++depth)
        ASSERT_EQ(p->GetValueAsInt(), depth);
    EXPECT_EQ(depth, 3000);
}
