#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// Conversions between the UTF-8 text the program keeps and the UTF-16 text
// of the W functions.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
// codePage is a Windows code page number: CP_UTF8, CP_ACP, ...
std::string narrowFromWide(std::wstring_view wide, unsigned codePage);

}  // namespace platform::win32
