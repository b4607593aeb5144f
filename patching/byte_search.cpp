#include "patching/byte_search.h"

#include <cstring>

namespace patching {
namespace {

// Executable files are full of 0x00 and blanks, and wide texts are half zeros;
// anchoring the scan on the needle's least common byte keeps memchr's hits rare.
int commonness(std::uint8_t byte) {
  if (byte == 0x00) return 4;
  if (byte == 0x20 || byte == 0xFF) return 3;
  if ((byte >= 'a' && byte <= 'z') || byte == '*' || byte == '.' || byte == '+') return 2;
  if (byte >= '0' && byte <= '9') return 1;
  return 0;
}

std::size_t anchorIndex(std::span<const std::uint8_t> needle) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < needle.size(); ++i) {
    if (commonness(needle[i]) < commonness(needle[best])) best = i;
  }
  return best;
}

}  // namespace

std::optional<std::size_t> findFirst(std::span<const std::uint8_t> haystack,
                                     std::span<const std::uint8_t> needle) {
  if (needle.empty() || needle.size() > haystack.size()) return std::nullopt;
  const std::size_t anchor = anchorIndex(needle);
  const std::uint8_t anchorByte = needle[anchor];
  // Anchor positions run from `anchor` up to the last one that leaves room for
  // the rest of the needle; they rise, so the first full match is the lowest.
  const std::uint8_t* cursor = haystack.data() + anchor;
  const std::uint8_t* const end = haystack.data() + haystack.size() - (needle.size() - anchor - 1);
  while (cursor < end) {
    const auto* hit =
        static_cast<const std::uint8_t*>(std::memchr(cursor, anchorByte, end - cursor));
    if (hit == nullptr) return std::nullopt;
    const std::uint8_t* start = hit - anchor;
    if (std::memcmp(start, needle.data(), needle.size()) == 0) {
      return static_cast<std::size_t>(start - haystack.data());
    }
    cursor = hit + 1;
  }
  return std::nullopt;
}

}  // namespace patching
