#include "platform/console.h"

#include <cstdio>

namespace platform {

void printOut(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }

void printError(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stderr); }

}  // namespace platform
