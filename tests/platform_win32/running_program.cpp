#include "tests/platform_win32/running_program.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace platform_win32_test {
namespace {

std::filesystem::path besideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length == MAX_PATH) throw std::runtime_error("GetModuleFileNameW failed");
  return std::filesystem::path(std::wstring(self, length)).parent_path() / name;
}

}  // namespace

RunningProgram::RunningProgram(const std::filesystem::path& path) {
  std::filesystem::copy_file(besideThisProgram(L"keep_running.exe"), path,
                             std::filesystem::copy_options::overwrite_existing);
  const std::wstring eventName = L"keep_running_started_" + std::to_wstring(GetCurrentProcessId());
  const platform::win32::UniqueObjectHandle started(
      CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  if (!started.valid()) throw std::runtime_error("CreateEventW failed");

  std::wstring commandLine = L"\"" + path.native() + L"\" " + eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    throw std::runtime_error("CreateProcessW failed: " + std::to_string(GetLastError()));
  }
  CloseHandle(process.hThread);
  process_ = platform::win32::UniqueObjectHandle(process.hProcess);
  if (WaitForSingleObject(started.get(), 10'000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.get(), 0);
    throw std::runtime_error("keep_running.exe did not start");
  }
}

RunningProgram::~RunningProgram() {
  TerminateProcess(process_.get(), 0);
  WaitForSingleObject(process_.get(), 10'000);
}

}  // namespace platform_win32_test
