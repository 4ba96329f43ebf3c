#pragma once
#include <string>

// UTF-8 <-> wide text, for file names on the native build. Invalid input
// bytes become U+FFFD; lone surrogates are written as their three-byte form
// so a name survives the round trip.
std::string WideToUtf8(const std::wstring& s);
std::wstring Utf8ToWide(const std::string& s);
