#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace test_support {

struct ReferenceUpdate {
  bool complete = false;
  // The first required entry whose English text was not found, or 0.
  int firstMissingRequired = 0;
  // Where each entry was replaced, by entry number (slot 0 unused), in the
  // content as the earlier entries left it.
  std::array<std::optional<std::size_t>, 14> replacedAt{};
  // The content after all thirteen entries, whether or not the run completes.
  std::vector<std::uint8_t> patched;
  // The content the file must have after the run: `patched` when complete,
  // otherwise the original.
  std::vector<std::uint8_t> content;
};

// The update as plainly as it can be said: for entries 1 to 13 in order,
// std::search for the English text's UTF-16LE bytes and copy the German
// text's bytes over the first hit.
ReferenceUpdate referenceUpdate(const std::vector<std::uint8_t>& original);

}  // namespace test_support
