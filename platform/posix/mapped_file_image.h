#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/file_system.h"

namespace platform::posix {

// The file mapped privately: reading shares the system's cached pages, and a
// write copies only the page it touches, never the file.
class MappedFileImage final : public FileImage {
 public:
  static FileResult<std::unique_ptr<FileImage>> open(const std::filesystem::path& file);
  MappedFileImage(void* address, std::size_t size) : address_(address), size_(size) {}
  MappedFileImage(const MappedFileImage&) = delete;
  MappedFileImage& operator=(const MappedFileImage&) = delete;
  ~MappedFileImage() override;
  std::span<std::uint8_t> bytes() override;

 private:
  void* address_;
  std::size_t size_;
};

}  // namespace platform::posix
