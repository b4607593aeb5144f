#pragma once

#include "platform/file_system.h"

namespace platform::posix {

// The error for an errno value, with the system's text for it.
FileError errnoError(int error);

// The error for the current errno.
FileError lastError();

}  // namespace platform::posix
