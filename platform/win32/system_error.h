#pragma once

#include <windows.h>

#include <filesystem>

#include "platform/file_system.h"

namespace platform::win32 {

// The error for a system error code, with the system's own text for it.
// Access denied to a file is told apart by the file's attributes: a folder,
// or a file marked read-only.
FileError systemError(DWORD code, const std::filesystem::path& file);

// The same for GetLastError().
FileError lastError(const std::filesystem::path& file);

}  // namespace platform::win32
