#pragma once

#include <string_view>

namespace platform {

// Writes UTF-8 text to the standard output or error, so that it reads right
// on a terminal and in a file alike.
void printOut(std::string_view utf8);
void printError(std::string_view utf8);

}  // namespace platform
