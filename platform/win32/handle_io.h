#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// Opens with CreateFileW, sharing everything: the program never stands in the
// way of another's reading, writing or renaming of the file.
UniqueFileHandle openFile(const std::filesystem::path& file, DWORD access, DWORD disposition);

// Reads up to bytes.size() bytes at the offset; fewer only at the end of the
// file. `file` names the file in an error.
FileResult<std::size_t> readAt(HANDLE handle, std::uint64_t offset, std::span<std::uint8_t> bytes,
                               const std::filesystem::path& file);

// Writes all bytes at the offset.
FileStatus writeAt(HANDLE handle, std::uint64_t offset, std::span<const std::uint8_t> bytes,
                   const std::filesystem::path& file);

FileResult<std::uint64_t> sizeOf(HANDLE handle, const std::filesystem::path& file);

}  // namespace platform::win32
