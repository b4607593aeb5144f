#include "patching/byte_search.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stop_token>
#include <system_error>
#include <thread>

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

// Below this a second thread costs more than it saves.
constexpr std::size_t kSplitFrom = std::size_t{16} << 20;
// How far memchr runs before a search looks whether it may stop.
constexpr std::size_t kStopCheckSpan = std::size_t{1} << 20;

// The lowest match that starts in [first, last), or none; gives up, finding
// none, once a stop is requested. `last` leaves room for the whole needle.
std::optional<std::size_t> findStartingIn(std::span<const std::uint8_t> haystack,
                                          std::span<const std::uint8_t> needle, std::size_t anchor,
                                          std::size_t first, std::size_t last,
                                          std::stop_token stop) {
  const std::uint8_t anchorByte = needle[anchor];
  // Anchor positions rise, so the first full match is the lowest.
  const std::uint8_t* cursor = haystack.data() + first + anchor;
  const std::uint8_t* const end = haystack.data() + last + anchor;
  while (cursor < end && !stop.stop_requested()) {
    const auto span = std::min(static_cast<std::size_t>(end - cursor), kStopCheckSpan);
    const auto* hit = static_cast<const std::uint8_t*>(std::memchr(cursor, anchorByte, span));
    if (hit == nullptr) {
      cursor += span;
      continue;
    }
    const std::uint8_t* start = hit - anchor;
    if (std::memcmp(start, needle.data(), needle.size()) == 0) {
      return static_cast<std::size_t>(start - haystack.data());
    }
    cursor = hit + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> findFirst(std::span<const std::uint8_t> haystack,
                                     std::span<const std::uint8_t> needle) {
  if (needle.empty() || needle.size() > haystack.size()) return std::nullopt;
  const std::size_t anchor = anchorIndex(haystack, needle);
  const std::size_t starts = haystack.size() - needle.size() + 1;
  if (haystack.size() < kSplitFrom) return findStartingIn(haystack, needle, anchor, 0, starts, {});

  // Two cores read memory nearly twice as fast as one. The upper half is
  // searched on a second thread, which is stopped as soon as the lower half
  // has a match: that one is the lowest.
  const std::size_t middle = starts / 2;
  std::optional<std::size_t> upper;
  std::jthread helper;
  try {
    helper = std::jthread([&](std::stop_token stop) {
      upper = findStartingIn(haystack, needle, anchor, middle, starts, stop);
    });
  } catch (const std::system_error&) {
    return findStartingIn(haystack, needle, anchor, 0, starts, {});
  }
  const std::optional<std::size_t> lower = findStartingIn(haystack, needle, anchor, 0, middle, {});
  if (lower) helper.request_stop();
  helper.join();
  return lower ? lower : upper;
}

}  // namespace patching
