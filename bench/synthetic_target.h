#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "patching/patch_table.h"

namespace bench {

struct SyntheticTarget {
  std::vector<std::uint8_t> bytes;
  // Where each required entry's English text stands; optional entries are absent.
  std::array<std::optional<std::size_t>, patching::kSlotCount> englishAt;
};

// An executable at its worst for the search: long runs of 0x00 and blanks,
// machine-code-like bytes, UTF-16 strings and, early on, near misses of the
// English texts; the required English texts sit near the end, so every
// search scans almost all of it. The same size and seed give the same bytes.
// Throws std::invalid_argument below kMinimumSize.
SyntheticTarget makeSyntheticTarget(std::size_t size, std::uint64_t seed);

inline constexpr std::size_t kMinimumSize = std::size_t{1} << 20;

}  // namespace bench
