#include "platform/win32/file_replacement.h"

#include <windows.h>

#include <array>

#include "platform/win32/sibling_name.h"
#include "platform/win32/system_error.h"

namespace platform::win32 {
namespace {

// A virus scanner or indexer may hold a freshly written file for a moment:
// a refusal is tried again a few times, for a few hundred milliseconds in all.
constexpr std::array<DWORD, 4> kRetryDelaysMs = {25, 50, 100, 200};

bool mayPassSoon(DWORD code, const std::filesystem::path& target) {
  if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION) return true;
  if (code != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY);
}

// The backup of a running program cannot be deleted while it runs; then it
// goes at the next restart, where the system allows that.
void removeBackup(const std::filesystem::path& backup) {
  if (!DeleteFileW(backup.c_str())) {
    MoveFileExW(backup.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  }
}

}  // namespace

FileStatus replaceFile(const std::filesystem::path& target,
                       const std::filesystem::path& replacement) {
  // Without a backup name a failed ReplaceFileW can lose the original.
  const std::filesystem::path backup = siblingName(target, L"backup");
  for (std::size_t attempt = 0;; ++attempt) {
    if (ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(),
                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      removeBackup(backup);
      return {};
    }
    const DWORD code = GetLastError();
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
      // The original was moved to the backup name and the replacement could
      // not follow it: the original goes back.
      MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
      return std::unexpected(systemError(code, target));
    }
    if (attempt == kRetryDelaysMs.size() || !mayPassSoon(code, target)) {
      return std::unexpected(systemError(code, target));
    }
    Sleep(kRetryDelaysMs[attempt]);
  }
}

}  // namespace platform::win32
