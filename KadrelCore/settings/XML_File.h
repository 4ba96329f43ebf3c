#pragma once
#include "XML_Tree.h"

// Reads and writes settings trees as UTF-16LE text: one line per start tag,
// value and end tag, one space of indentation per level, LF line ends, no
// byte-order mark, and "/" in values stored as "\colon".
class KDCORE_API XML_File
{
public:
    virtual ~XML_File() = default;

    // Writes the tree (an empty tree gives an empty file). The file is
    // replaced only once the new content is complete on disk; false when
    // it could not be written, and the old file is then untouched.
    static bool WriteXMLFile(XML_Tree* pTree, CString strPath);
    // Reads a file into the tree through its builder operations. Any
    // content yields a tree; false only when the file cannot be opened.
    static bool ReadXMLFile(XML_Tree* pTree, CString strPath);

    static void MakeSaveString(CString& str) { str.Replace(L"/", L"\\colon"); }
    static void UnmakeSaveString(CString& str) { str.Replace(L"\\colon", L"/"); }

    // The bytes WriteXMLFile writes for a tree, and the parse ReadXMLFile
    // does of a file's bytes.
    static std::string Serialize(XML_Tree* pTree);
    static void Parse(XML_Tree* pTree, const unsigned char* pData, size_t nSize);
};
