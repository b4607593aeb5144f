#include "platform/win32/handle_io.h"

#include <algorithm>

#include "platform/win32/system_error.h"

namespace platform::win32 {
namespace {

// One call moves at most this much: ReadFile and WriteFile take a DWORD.
constexpr std::size_t kLargestCall = std::size_t{1} << 30;

OVERLAPPED at(std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

}  // namespace

UniqueFileHandle openFile(const std::filesystem::path& file, DWORD access, DWORD disposition) {
  return UniqueFileHandle(CreateFileW(file.c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileResult<std::size_t> readAt(HANDLE handle, std::uint64_t offset, std::span<std::uint8_t> bytes,
                               const std::filesystem::path& file) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto want = static_cast<DWORD>(std::min(kLargestCall, bytes.size() - done));
    OVERLAPPED position = at(offset + done);
    DWORD got = 0;
    if (!ReadFile(handle, bytes.data() + done, want, &got, &position)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return std::unexpected(lastError(file));
    }
    if (got == 0) break;
    done += got;
  }
  return done;
}

FileStatus writeAt(HANDLE handle, std::uint64_t offset, std::span<const std::uint8_t> bytes,
                   const std::filesystem::path& file) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto want = static_cast<DWORD>(std::min(kLargestCall, bytes.size() - done));
    OVERLAPPED position = at(offset + done);
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, want, &written, &position)) {
      return std::unexpected(lastError(file));
    }
    if (written == 0) return std::unexpected(systemError(ERROR_DISK_FULL, file));
    done += written;
  }
  return {};
}

FileResult<std::uint64_t> sizeOf(HANDLE handle, const std::filesystem::path& file) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle, &size)) return std::unexpected(lastError(file));
  return static_cast<std::uint64_t>(size.QuadPart);
}

}  // namespace platform::win32
