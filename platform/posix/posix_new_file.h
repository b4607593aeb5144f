#pragma once

#include <filesystem>

#include "platform/file_system.h"
#include "platform/posix/unique_fd.h"

namespace platform::posix {

class PosixNewFile final : public NewFile {
 public:
  PosixNewFile(UniqueFd fd, std::filesystem::path path)
      : fd_(std::move(fd)), path_(std::move(path)) {}
  const std::filesystem::path& path() const override { return path_; }
  FileStatus copyContentOf(const std::filesystem::path& source) override;
  FileStatus writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
  FileStatus flush() override;
  FileStatus verify(std::span<const std::uint8_t> expected) override;
  FileStatus close() override;

 private:
  UniqueFd fd_;
  std::filesystem::path path_;
};

}  // namespace platform::posix
