#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace end_to_end {

using Bytes = std::vector<std::uint8_t>;

// The programs under test and where a failing scenario leaves its
// screenshot; set once from the command line.
struct DriverSettings {
  std::filesystem::path tool;     // ZelvarGermanPatch.exe
  std::filesystem::path standIn;  // the stand-in Zelvar.exe
  std::filesystem::path screenshots;
};
DriverSettings& driverSettings();

// A path given in Linux form, as the build system knows it, in the form the
// Windows programs see it: Wine shows the Linux root as drive Z:.
std::filesystem::path fromLinuxPath(std::string_view linuxPath);

Bytes readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const Bytes& bytes);

// An empty folder of the scenario's own under the Wine user's temporary
// folder, removed again with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::wstring_view name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A copy of the stand-in Zelvar.exe at the path relative to this folder.
  std::filesystem::path copyOfStandIn(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace end_to_end
