#include "platform/win32/system_error.h"

#include <string>

#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

FileErrorKind kindOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return FileErrorKind::NotFound;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return FileErrorKind::InUse;
    case ERROR_ACCESS_DENIED:
      return FileErrorKind::AccessDenied;
    case ERROR_WRITE_PROTECT:
      return FileErrorKind::ReadOnly;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
      return FileErrorKind::NoSpace;
    default:
      return FileErrorKind::Other;
  }
}

// Opening a folder as a file, or a read-only file for writing, is refused
// with the same code as a missing permission.
FileErrorKind refinedKind(FileErrorKind kind, const std::filesystem::path& file) {
  if (kind != FileErrorKind::AccessDenied || file.empty()) return kind;
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return kind;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileErrorKind::IsFolder;
  if (attributes & FILE_ATTRIBUTE_READONLY) return FileErrorKind::ReadOnly;
  return kind;
}

std::string systemText(DWORD code) {
  wchar_t text[512];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, sizeof text / sizeof text[0], nullptr);
  while (length > 0 &&
         (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' ')) {
    --length;
  }
  const std::string number = "error " + std::to_string(code);
  if (length == 0) return "system " + number;
  return utf8FromWide({text, length}) + " (" + number + ")";
}

}  // namespace

FileError systemError(DWORD code, const std::filesystem::path& file) {
  return {refinedKind(kindOf(code), file), systemText(code)};
}

FileError lastError(const std::filesystem::path& file) { return systemError(GetLastError(), file); }

}  // namespace platform::win32
