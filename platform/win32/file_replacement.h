#pragma once

#include <filesystem>

#include "platform/file_system.h"

namespace platform::win32 {

// Puts the replacement in the target's place with ReplaceFileW, which keeps
// the target's attributes and security. Afterwards only the target has
// changed; after a failure the target is as it was. Both paths are absolute.
FileStatus replaceFile(const std::filesystem::path& target,
                       const std::filesystem::path& replacement);

}  // namespace platform::win32
