#include "tests/support/reference_patcher.h"

#include <algorithm>

#include "tests/support/expected_table.h"

namespace test_support {

ReferenceUpdate referenceUpdate(const std::vector<std::uint8_t>& original) {
  ReferenceUpdate update;
  std::vector<std::uint8_t>& patched = update.patched;
  patched = original;
  for (const ExpectedEntry& entry : expectedEntries()) {
    const std::vector<std::uint8_t> english = utf16le(entry.english);
    const std::vector<std::uint8_t> german = utf16le(entry.german);
    const auto hit = std::search(patched.begin(), patched.end(), english.begin(), english.end());
    if (hit == patched.end()) {
      if (entry.required && update.firstMissingRequired == 0) {
        update.firstMissingRequired = entry.number;
      }
      continue;
    }
    update.replacedAt[entry.number] = static_cast<std::size_t>(hit - patched.begin());
    std::copy(german.begin(), german.end(), hit);
  }
  update.complete = update.firstMissingRequired == 0;
  update.content = update.complete ? patched : original;
  return update;
}

}  // namespace test_support
