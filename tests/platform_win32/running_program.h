#pragma once

#include <filesystem>

#include "platform/win32/unique_handle.h"

namespace platform_win32_test {

// keep_running.exe copied to `path` and started from there; ended when dropped.
class RunningProgram {
 public:
  explicit RunningProgram(const std::filesystem::path& path);
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  ~RunningProgram();

 private:
  platform::win32::UniqueObjectHandle process_;
};

}  // namespace platform_win32_test
