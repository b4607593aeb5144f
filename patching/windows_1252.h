#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace patching {

// Each character as its Windows-1252 byte; characters the code page lacks
// become '?', as Windows' own conversion does.
std::vector<std::uint8_t> toWindows1252(std::u16string_view text);

}  // namespace patching
