#pragma once
// Lets test failures show CString values as text.
#include "CString.h"
#include "Utf8.h"

#include <ostream>

inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"' << WideToUtf8(s.Str()) << '"';
}
