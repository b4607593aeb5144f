#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "patching/patch_table.h"

namespace patching {

// The patch table as the bytes that stand in the target file: each text's
// wide form in Windows-1252, which for these texts is their UTF-16LE.
struct WidePatchTable {
  std::array<std::vector<std::uint8_t>, kSlotCount> englishText;
  std::array<std::vector<std::uint8_t>, kSlotCount> germanText;
};

// Built afresh from the plain texts on every call, so no text is ever widened
// twice.
WidePatchTable widenedPatchTable();

}  // namespace patching
