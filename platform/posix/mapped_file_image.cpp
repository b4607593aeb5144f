#include "platform/posix/mapped_file_image.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/posix/errno_error.h"
#include "platform/posix/unique_fd.h"

namespace platform::posix {

FileResult<std::unique_ptr<FileImage>> MappedFileImage::open(const std::filesystem::path& file) {
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::unexpected(lastError());
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return std::unexpected(lastError());
  if (S_ISDIR(info.st_mode)) return std::unexpected(errnoError(EISDIR));
  const auto size = static_cast<std::size_t>(info.st_size);
  if (size == 0) return std::make_unique<MappedFileImage>(nullptr, 0);

  void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
  if (address == MAP_FAILED) return std::unexpected(lastError());
  auto image = std::make_unique<MappedFileImage>(address, size);
  // Every search scans the whole file, so the mapping's TLB misses count:
  // asked for huge pages, the system reads a file that is not cached yet in
  // 2 MiB pieces and maps each with one entry. Populating a read-only mapping
  // maps the cached pages without copying them; making it writable afterwards
  // leaves them shared until one is written. Both are advice: a system that
  // refuses them gives the same bytes, only page by page as they are touched.
  ::madvise(address, size, MADV_HUGEPAGE);
  ::madvise(address, size, MADV_POPULATE_READ);
  if (::mprotect(address, size, PROT_READ | PROT_WRITE) != 0) return std::unexpected(lastError());
  return image;
}

MappedFileImage::~MappedFileImage() {
  if (address_ != nullptr) ::munmap(address_, size_);
}

std::span<std::uint8_t> MappedFileImage::bytes() {
  return {static_cast<std::uint8_t*>(address_), size_};
}

}  // namespace platform::posix
