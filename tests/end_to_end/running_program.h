#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "win32_handles.h"

namespace end_to_end {

// A program started by the driver. One that is still running when this is
// dropped is ended, so that a failed check leaves nothing behind that would
// meet the next scenario's start-up guard.
class RunningProgram {
 public:
  // Starts the program in its own folder; throws when it cannot be started.
  explicit RunningProgram(const std::filesystem::path& executable);
  ~RunningProgram();
  RunningProgram(RunningProgram&&) = default;
  RunningProgram& operator=(RunningProgram&&) = default;

  DWORD processId() const { return processId_; }
  bool hasEnded() const;
  // The exit code once the program has ended within the timeout.
  std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout) const;

 private:
  UniqueHandle process_;
  DWORD processId_ = 0;
};

}  // namespace end_to_end
