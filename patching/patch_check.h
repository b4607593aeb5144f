#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "patching/apply_patches.h"

namespace patching {

struct PatchCheck {
  // What an update would do, entry by entry.
  PatchResult wouldApply;
  // Whether each entry's German text stands in the file as it is now.
  std::array<bool, kSlotCount> germanPresent{};
};

// Looks at what an update would change. The image is changed as an update
// would change it, so pass a copy that is not written back.
PatchCheck checkPatches(std::span<std::uint8_t> fileText);

}  // namespace patching
