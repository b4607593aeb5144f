#pragma once

#include <filesystem>

#include "cli/exit_status.h"
#include "platform/file_system.h"

namespace cli {

// Prints, entry by entry, what an update of the target would change; writes
// nothing.
ExitStatus runCheck(platform::FileSystem& files, const std::filesystem::path& target);

}  // namespace cli
