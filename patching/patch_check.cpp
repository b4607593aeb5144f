#include "patching/patch_check.h"

#include "patching/byte_search.h"

namespace patching {

PatchCheck checkPatches(std::span<std::uint8_t> fileText) {
  const WidePatchTable table = widenedPatchTable();
  PatchCheck check;
  for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
    check.germanPresent[entry] = findFirst(fileText, table.germanText[entry]).has_value();
  }
  check.wouldApply = applyPatches(table, fileText);
  return check;
}

}  // namespace patching
