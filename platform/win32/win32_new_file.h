#pragma once

#include <filesystem>

#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

class Win32NewFile final : public NewFile {
 public:
  Win32NewFile(UniqueFileHandle handle, std::filesystem::path path)
      : handle_(std::move(handle)), path_(std::move(path)) {}
  const std::filesystem::path& path() const override { return path_; }
  FileStatus copyContentOf(const std::filesystem::path& source) override;
  FileStatus writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
  FileStatus flush() override;
  FileStatus verify(std::span<const std::uint8_t> expected) override;
  FileStatus close() override;

 private:
  UniqueFileHandle handle_;
  std::filesystem::path path_;
};

}  // namespace platform::win32
