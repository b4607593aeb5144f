#include "running_program.h"

#include <stdexcept>
#include <string>

namespace end_to_end {

RunningProgram::RunningProgram(const std::filesystem::path& executable) {
  std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
  const std::wstring folder = executable.parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    throw std::runtime_error("cannot start " + executable.string() + ": error " +
                             std::to_string(GetLastError()));
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  processId_ = started.dwProcessId;
  // Lets the program's first window come up before it is looked for.
  WaitForInputIdle(process_.get(), 10000);
}

RunningProgram::~RunningProgram() {
  if (process_ && !hasEnded()) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

bool RunningProgram::hasEnded() const {
  return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

std::optional<DWORD> RunningProgram::waitForExit(std::chrono::milliseconds timeout) const {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process_.get(), &exitCode);
  return exitCode;
}

}  // namespace end_to_end
