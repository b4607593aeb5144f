#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/file_system.h"

namespace platform::win32 {

// The file read into memory. A view of the file itself would keep the file
// mapped, and Windows refuses to replace a mapped file.
class MemoryFileImage final : public FileImage {
 public:
  static FileResult<std::unique_ptr<FileImage>> read(const std::filesystem::path& file);
  explicit MemoryFileImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::span<std::uint8_t> bytes() override { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace platform::win32
