#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace end_to_end {

using namespace std::chrono_literals;

// A message box as a user sees it: a top-level dialog window of the program's
// process.
struct MessageBoxView {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;                  // the static control with ID 65535
  std::vector<int> visibleButtonIds;  // IDOK, IDCANCEL, ...
  bool showsIcon = false;
};

std::optional<MessageBoxView> findMessageBox(DWORD processId);
std::optional<MessageBoxView> waitForMessageBox(DWORD processId,
                                                std::chrono::milliseconds timeout = 10s);
// Presses Enter on the box, as a user would, and waits until it is gone.
bool dismissWithEnter(const MessageBoxView& box);

}  // namespace end_to_end
