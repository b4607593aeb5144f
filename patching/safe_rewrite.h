#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <span>

#include "patching/apply_patches.h"
#include "platform/file_system.h"

namespace patching {

struct RewriteFailure {
  platform::FileError error;
  std::filesystem::path leftover;  // a temporary file that could not be removed, or empty
};

// Gives the target the new content without ever leaving it half-written: the
// content goes to a new file beside it, is flushed and checked, and only then
// takes the target's place in one step. `content` is the target's content with
// the `changed` stretches replaced; the other bytes are copied from the target.
std::expected<void, RewriteFailure> rewriteSafely(platform::FileSystem& files,
                                                  const std::filesystem::path& target,
                                                  std::span<const std::uint8_t> content,
                                                  std::span<const Stretch> changed);

}  // namespace patching
