#pragma once

#include "patching/update_host.h"
#include "platform/file_system.h"

namespace patching {

enum class UpdateOutcome {
  Complete,
  CannotUpdate,  // a required English text is missing: not Zelvar 2000, or already German
  InvalidPath,   // the path names no file that can be opened for reading
  FileFailed,    // reading or writing failed; the file is unchanged
};

// One press of "Perform Update": checks the path, reads the file, puts the
// German texts in place and writes the file back, reporting through the host.
UpdateOutcome runUpdate(UpdateHost& host, platform::FileSystem& files);

}  // namespace patching
