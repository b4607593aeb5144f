#include "patching/apply_patches.h"

#include <algorithm>

#include "patching/byte_search.h"

namespace patching {

PatchResult applyPatches(const WidePatchTable& table, std::span<std::uint8_t> fileText) {
  PatchResult result;
  for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
    const auto& english = table.englishText[entry];
    const auto& german = table.germanText[entry];
    const std::optional<std::size_t> found = findFirst(fileText, english);
    if (!found) {
      if (isRequired(entry) && !result.firstMissingRequired) result.firstMissingRequired = entry;
      continue;
    }
    const std::size_t length = std::min({english.size(), german.size(), fileText.size() - *found});
    std::copy_n(german.begin(), length, fileText.begin() + static_cast<std::ptrdiff_t>(*found));
    result.replacedAt[entry] = *found;
    result.changed.push_back({*found, length});
  }
  return result;
}

}  // namespace patching
