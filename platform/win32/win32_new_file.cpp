#include "platform/win32/win32_new_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/handle_io.h"
#include "platform/win32/system_error.h"

namespace platform::win32 {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

}  // namespace

FileStatus Win32NewFile::copyContentOf(const std::filesystem::path& source) {
  const UniqueFileHandle from = openFile(source, GENERIC_READ, OPEN_EXISTING);
  if (!from.valid()) return std::unexpected(lastError(source));
  std::vector<std::uint8_t> buffer(kChunk);
  for (std::uint64_t offset = 0;;) {
    const auto got = readAt(from.get(), offset, buffer, source);
    if (!got) return std::unexpected(got.error());
    if (*got == 0) return {};
    if (auto written = win32::writeAt(handle_.get(), offset, {buffer.data(), *got}, path_);
        !written) {
      return written;
    }
    offset += *got;
  }
}

FileStatus Win32NewFile::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  return win32::writeAt(handle_.get(), offset, bytes, path_);
}

FileStatus Win32NewFile::flush() {
  if (!FlushFileBuffers(handle_.get())) return std::unexpected(lastError(path_));
  return {};
}

FileStatus Win32NewFile::verify(std::span<const std::uint8_t> expected) {
  const auto size = sizeOf(handle_.get(), path_);
  if (!size) return std::unexpected(size.error());
  if (*size != expected.size()) {
    return std::unexpected(FileError{FileErrorKind::Other, "the new file has the wrong length"});
  }
  std::vector<std::uint8_t> buffer(std::min(kChunk, expected.size()));
  for (std::size_t offset = 0; offset < expected.size();) {
    const std::size_t want = std::min(buffer.size(), expected.size() - offset);
    const auto got = readAt(handle_.get(), offset, {buffer.data(), want}, path_);
    if (!got) return std::unexpected(got.error());
    if (*got != want || std::memcmp(buffer.data(), expected.data() + offset, want) != 0) {
      return std::unexpected(
          FileError{FileErrorKind::Other, "the new file does not hold the patched content"});
    }
    offset += want;
  }
  return {};
}

FileStatus Win32NewFile::close() {
  if (!handle_.close()) return std::unexpected(lastError(path_));
  return {};
}

}  // namespace platform::win32
