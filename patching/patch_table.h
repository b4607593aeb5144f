#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace patching {

// Entries are numbered 1 to 13 in their order of application; slot 0 of each
// list is never used, so an entry's number is its index.
inline constexpr int kFirstEntry = 1;
inline constexpr int kLastEntry = 13;
inline constexpr std::size_t kSlotCount = 14;

// Entries whose English text may be missing without stopping the update.
inline constexpr std::array<int, 4> kOptionalEntries = {3, 11, 12, 13};

bool isRequired(int entry);

// The thirteen replacements as plain texts: English (searched for) and German
// (written in its place, always of the same length).
struct PatchTable {
  std::array<std::u16string_view, kSlotCount> englishText;
  std::array<std::u16string_view, kSlotCount> germanText;
};

const PatchTable& patchTable();

}  // namespace patching
