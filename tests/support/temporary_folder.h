#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace test_support {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when dropped.
class TemporaryFolder {
 public:
  TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();

  const std::filesystem::path& path() const { return path_; }
  // Creates or overwrites the named file in the folder and returns its path.
  std::filesystem::path write(const std::string& name, std::span<const std::uint8_t> bytes) const;
  // The names of everything in the folder, sorted.
  std::vector<std::string> entryNames() const;

 private:
  std::filesystem::path path_;
};

// The names of everything in the folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// A path as UTF-8, the way messages show it.
std::string utf8(const std::filesystem::path& path);

}  // namespace test_support
