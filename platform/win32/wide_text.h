#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// Conversions between the UTF-8 text the program keeps and the UTF-16 text
// of the W functions.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

}  // namespace platform::win32
