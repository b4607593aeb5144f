#include "patching/windows_1252.h"

#include <algorithm>
#include <array>

namespace patching {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252 by their Unicode characters; the five
// unassigned bytes stand for the C1 control of the same code.
constexpr std::array<char16_t, 32> kHighControlsBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint8_t windows1252Byte(char16_t character) {
  const bool sameAsLatin1 = character < 0x80 || (character >= 0xA0 && character <= 0xFF);
  if (sameAsLatin1) return static_cast<std::uint8_t>(character);
  const auto* found = std::find(kHighControlsBlock.begin(), kHighControlsBlock.end(), character);
  if (found == kHighControlsBlock.end()) return '?';
  return static_cast<std::uint8_t>(0x80 + (found - kHighControlsBlock.begin()));
}

}  // namespace

std::vector<std::uint8_t> toWindows1252(std::u16string_view text) {
  std::vector<std::uint8_t> bytes(text.size());
  std::transform(text.begin(), text.end(), bytes.begin(), windows1252Byte);
  return bytes;
}

}  // namespace patching
