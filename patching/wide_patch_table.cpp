#include "patching/wide_patch_table.h"

#include "patching/wide_form.h"
#include "patching/windows_1252.h"

namespace patching {
namespace {

std::vector<std::uint8_t> wideBytes(std::u16string_view text) {
  // The table's texts are at most 80 characters, far below the wide form's
  // limit (checked by the tests), so the widening cannot fail here.
  return toWindows1252(WideForm(text).value());
}

}  // namespace

WidePatchTable widenedPatchTable() {
  const PatchTable& plain = patchTable();
  WidePatchTable wide;
  for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
    wide.englishText[entry] = wideBytes(plain.englishText[entry]);
    wide.germanText[entry] = wideBytes(plain.germanText[entry]);
  }
  return wide;
}

}  // namespace patching
