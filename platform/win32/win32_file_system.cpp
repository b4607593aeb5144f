#include <windows.h>

#include "platform/file_system.h"
#include "platform/win32/file_replacement.h"
#include "platform/win32/handle_io.h"
#include "platform/win32/memory_file_image.h"
#include "platform/win32/sibling_name.h"
#include "platform/win32/system_error.h"
#include "platform/win32/win32_new_file.h"

namespace platform::win32 {
namespace {

// A fresh name is taken in the rare case that another file got there first.
constexpr int kCreateAttempts = 16;

FileResult<std::filesystem::path> absolutePath(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file, error);
  if (error) return std::unexpected(systemError(static_cast<DWORD>(error.value()), file));
  return absolute;
}

class Win32FileSystem final : public FileSystem {
 public:
  FileStatus probeReadable(const std::filesystem::path& file) override {
    if (file.empty()) return std::unexpected(systemError(ERROR_PATH_NOT_FOUND, file));
    const UniqueFileHandle handle = openFile(file, GENERIC_READ, OPEN_EXISTING);
    if (!handle.valid()) return std::unexpected(lastError(file));
    // Devices such as NUL or CON open like files.
    if (GetFileType(handle.get()) != FILE_TYPE_DISK) {
      return std::unexpected(FileError{FileErrorKind::Other, "not a regular file"});
    }
    return {};
  }

  FileResult<std::unique_ptr<FileImage>> readWhole(const std::filesystem::path& file) override {
    return MemoryFileImage::read(file);
  }

  FileStatus probeReplaceable(const std::filesystem::path& file) override {
    // A running program, or a handle that does not share writing, refuses
    // this opening; ReplaceFileW would otherwise rename a running program aside.
    const UniqueFileHandle handle = openFile(file, GENERIC_WRITE | DELETE, OPEN_EXISTING);
    if (!handle.valid()) return std::unexpected(lastError(file));
    return {};
  }

  FileResult<std::unique_ptr<NewFile>> createBeside(const std::filesystem::path& target) override {
    const auto absoluteTarget = absolutePath(target);
    if (!absoluteTarget) return std::unexpected(absoluteTarget.error());
    // ReplaceFileW gives the new file the target's attributes and security.
    for (int attempt = 1;; ++attempt) {
      std::filesystem::path name = siblingName(*absoluteTarget, L"update");
      UniqueFileHandle handle = openFile(name, GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
      if (handle.valid()) return std::make_unique<Win32NewFile>(std::move(handle), std::move(name));
      const DWORD code = GetLastError();
      if ((code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) ||
          attempt == kCreateAttempts) {
        return std::unexpected(systemError(code, name));
      }
    }
  }

  FileStatus replace(const std::filesystem::path& target,
                     const std::filesystem::path& replacement) override {
    const auto absoluteTarget = absolutePath(target);
    if (!absoluteTarget) return std::unexpected(absoluteTarget.error());
    const auto absoluteReplacement = absolutePath(replacement);
    if (!absoluteReplacement) return std::unexpected(absoluteReplacement.error());
    return replaceFile(*absoluteTarget, *absoluteReplacement);
  }

  FileStatus remove(const std::filesystem::path& file) override {
    if (!DeleteFileW(file.c_str())) return std::unexpected(lastError(file));
    return {};
  }
};

}  // namespace
}  // namespace platform::win32

namespace platform {

std::unique_ptr<FileSystem> makeFileSystem() { return std::make_unique<win32::Win32FileSystem>(); }

}  // namespace platform
