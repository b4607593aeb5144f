#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "patching/wide_patch_table.h"

namespace patching {

struct Stretch {
  std::size_t offset;
  std::size_t length;
};

struct PatchResult {
  // Where each entry's English text was replaced, by entry number.
  std::array<std::optional<std::size_t>, kSlotCount> replacedAt;
  // The replaced stretches in order of application; everything else is as read.
  std::vector<Stretch> changed;
  // The first required entry whose English text was not found, if any.
  std::optional<int> firstMissingRequired;
};

// Applies entries 1 to 13 in order, each to the first occurrence of its
// English text in the content as the earlier entries left it.
PatchResult applyPatches(const WidePatchTable& table, std::span<std::uint8_t> fileText);

}  // namespace patching
