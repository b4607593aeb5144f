#include "platform/posix/posix_new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/posix/errno_error.h"

namespace platform::posix {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;
// Small enough to stay in the core's own cache while it is compared.
constexpr std::size_t kVerifyChunk = std::size_t{256} << 10;

FileStatus writeAll(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, data, size, offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return std::unexpected(lastError());
    }
    if (written == 0) return std::unexpected(errnoError(ENOSPC));
    data += written;
    size -= static_cast<std::size_t>(written);
    offset += written;
  }
  return {};
}

// For file systems where the kernel cannot copy between these two files.
FileStatus copyThroughBuffer(int from, int to, off_t offset) {
  std::vector<std::uint8_t> buffer(kChunk);
  for (;;) {
    const ssize_t got = ::pread(from, buffer.data(), buffer.size(), offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::unexpected(lastError());
    }
    if (got == 0) return {};
    if (auto written = writeAll(to, buffer.data(), static_cast<std::size_t>(got), offset);
        !written) {
      return written;
    }
    offset += got;
  }
}

}  // namespace

FileStatus PosixNewFile::copyContentOf(const std::filesystem::path& source) {
  UniqueFd from(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!from.valid()) return std::unexpected(lastError());
  off_t offset = 0;
  for (;;) {
    loff_t in = offset;
    loff_t out = offset;
    const ssize_t copied = ::copy_file_range(from.get(), &in, fd_.get(), &out, kChunk * 64, 0);
    if (copied < 0) {
      if (errno == EINTR) continue;
      if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        return copyThroughBuffer(from.get(), fd_.get(), offset);
      }
      return std::unexpected(lastError());
    }
    if (copied == 0) return {};
    offset += copied;
  }
}

FileStatus PosixNewFile::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  return writeAll(fd_.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset));
}

FileStatus PosixNewFile::flush() {
  if (::fsync(fd_.get()) != 0) return std::unexpected(lastError());
  return {};
}

FileStatus PosixNewFile::verify(std::span<const std::uint8_t> expected) {
  struct stat info {};
  if (::fstat(fd_.get(), &info) != 0) return std::unexpected(lastError());
  if (static_cast<std::uint64_t>(info.st_size) != expected.size()) {
    return std::unexpected(FileError{FileErrorKind::Other, "the new file has the wrong length"});
  }
  std::vector<std::uint8_t> buffer(std::min(kVerifyChunk, expected.size()));
  std::size_t offset = 0;
  while (offset < expected.size()) {
    const std::size_t want = std::min(buffer.size(), expected.size() - offset);
    const ssize_t got = ::pread(fd_.get(), buffer.data(), want, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::unexpected(lastError());
    if (got == 0 ||
        std::memcmp(buffer.data(), expected.data() + offset, static_cast<std::size_t>(got)) != 0) {
      return std::unexpected(
          FileError{FileErrorKind::Other, "the new file does not hold the patched content"});
    }
    offset += static_cast<std::size_t>(got);
  }
  return {};
}

FileStatus PosixNewFile::close() {
  if (!fd_.close()) return std::unexpected(lastError());
  return {};
}

}  // namespace platform::posix
