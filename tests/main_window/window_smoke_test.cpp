#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace {

using platform::win32::UniqueObjectHandle;

constexpr wchar_t kMarkedTitle[] = L"[_ Zelvar 2000 _| ";
constexpr DWORD kStartTimeoutMs = 20'000;
constexpr DWORD kExitTimeoutMs = 10'000;

// The window program of this build, by its path on Wine's Z: drive.
std::wstring windowProgram() {
  const std::string unixPath = WINDOW_PROGRAM;
  return L"Z:" + std::wstring(unixPath.begin(), unixPath.end());
}

// Ends the program should a check fail while it still runs, so that the next
// test's start-up guard does not meet its window.
struct StartedProgram {
  UniqueObjectHandle process;
  UniqueObjectHandle thread;
  DWORD processId = 0;
  ~StartedProgram() {
    if (process.valid() && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.get(), 1);
    }
  }
};

HWND waitForTopLevelWindow(const wchar_t* title, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (const HWND window = FindWindowW(nullptr, title); window != nullptr) return window;
    Sleep(50);
  }
  return nullptr;
}

TEST(WindowSmoke, ShowsItsWindowUnderTheMarkedTitleAndEndsWithZeroWhenClosed) {
  const std::wstring program = windowProgram();
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &started))
      << "error " << GetLastError();
  StartedProgram running{UniqueObjectHandle(started.hProcess), UniqueObjectHandle(started.hThread),
                         started.dwProcessId};

  const HWND window = waitForTopLevelWindow(kMarkedTitle, kStartTimeoutMs);
  ASSERT_NE(window, nullptr) << "no window titled with the marked title";
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(owner, running.processId);
  EXPECT_TRUE(IsWindowVisible(window));

  ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
  ASSERT_EQ(WaitForSingleObject(running.process.get(), kExitTimeoutMs), WAIT_OBJECT_0)
      << "still running after WM_CLOSE";
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(running.process.get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
