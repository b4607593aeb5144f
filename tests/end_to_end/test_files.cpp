#include "test_files.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace end_to_end {

DriverSettings& driverSettings() {
  static DriverSettings settings;
  return settings;
}

std::filesystem::path fromLinuxPath(std::string_view linuxPath) {
  std::string windowsPath = "Z:" + std::string(linuxPath);
  for (char& character : windowsPath) {
    if (character == '/') character = '\\';
  }
  return windowsPath;
}

Bytes readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& file, const Bytes& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

ScratchFolder::ScratchFolder(std::wstring_view name) {
  wchar_t temporary[MAX_PATH + 1] = {};
  GetTempPathW(static_cast<DWORD>(std::size(temporary)), temporary);
  path_ = std::filesystem::path(temporary) / L"zelvar-end-to-end" / name;
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchFolder::copyOfStandIn(const std::filesystem::path& relative) const {
  const std::filesystem::path copy = path_ / relative;
  writeBytes(copy, readBytes(driverSettings().standIn));
  return copy;
}

}  // namespace end_to_end
