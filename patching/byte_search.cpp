#include "patching/byte_search.h"

#include <array>
#include <cstring>

namespace patching {
namespace {

// memchr runs at memory speed between hits of the anchor byte, and each hit
// costs a restart, so the anchor is the needle byte least frequent in the
// haystack, judged by a sample spread over it. Wide texts are half zeros and
// executables are full of 0x00 and blanks; sampling also catches bytes that a
// particular file happens to be full of, such as common opcodes.
constexpr std::size_t kSampleWindows = 32;
constexpr std::size_t kSampleWindowSize = 1024;

using ByteCounts = std::array<std::uint32_t, 256>;

ByteCounts sampledCounts(std::span<const std::uint8_t> haystack) {
  ByteCounts counts{};
  const auto count = [&](std::span<const std::uint8_t> window) {
    for (std::uint8_t byte : window) ++counts[byte];
  };
  if (haystack.size() <= kSampleWindows * kSampleWindowSize) {
    count(haystack);
    return counts;
  }
  const std::size_t lastStart = haystack.size() - kSampleWindowSize;
  for (std::size_t window = 0; window < kSampleWindows; ++window) {
    count(haystack.subspan(lastStart / (kSampleWindows - 1) * window, kSampleWindowSize));
  }
  return counts;
}

std::size_t anchorIndex(std::span<const std::uint8_t> haystack,
                        std::span<const std::uint8_t> needle) {
  const ByteCounts counts = sampledCounts(haystack);
  std::size_t best = 0;
  for (std::size_t i = 1; i < needle.size(); ++i) {
    if (counts[needle[i]] < counts[needle[best]]) best = i;
  }
  return best;
}

}  // namespace

std::optional<std::size_t> findFirst(std::span<const std::uint8_t> haystack,
                                     std::span<const std::uint8_t> needle) {
  if (needle.empty() || needle.size() > haystack.size()) return std::nullopt;
  const std::size_t anchor = anchorIndex(haystack, needle);
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
