#include "platform/win32/memory_file_image.h"

#include <limits>
#include <new>

#include "platform/win32/handle_io.h"
#include "platform/win32/system_error.h"

namespace platform::win32 {

FileResult<std::unique_ptr<FileImage>> MemoryFileImage::read(const std::filesystem::path& file) {
  const UniqueFileHandle handle = openFile(file, GENERIC_READ, OPEN_EXISTING);
  if (!handle.valid()) return std::unexpected(lastError(file));
  const auto size = sizeOf(handle.get(), file);
  if (!size) return std::unexpected(size.error());
  if (*size > std::numeric_limits<std::size_t>::max()) {
    return std::unexpected(systemError(ERROR_NOT_ENOUGH_MEMORY, file));
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(static_cast<std::size_t>(*size));
  } catch (const std::bad_alloc&) {
    return std::unexpected(systemError(ERROR_NOT_ENOUGH_MEMORY, file));
  }
  const auto got = readAt(handle.get(), 0, bytes, file);
  if (!got) return std::unexpected(got.error());
  if (*got != bytes.size()) {
    return std::unexpected(FileError{FileErrorKind::Other, "the file changed while it was read"});
  }
  return std::make_unique<MemoryFileImage>(std::move(bytes));
}

}  // namespace platform::win32
