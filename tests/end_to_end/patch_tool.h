#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "message_box.h"
#include "running_program.h"

namespace end_to_end {

inline constexpr std::wstring_view kStoredCaption = L"[_ Zelvar 2000 _|";
inline constexpr std::wstring_view kMarkedTitle = L"[_ Zelvar 2000 _| ";

struct ToolControls {
  HWND label2 = nullptr;
  HWND txtFilePath = nullptr;
  HWND label4 = nullptr;
  HWND cmdUpdate = nullptr;
  HWND lblWait = nullptr;
};

// The first visible window of the process that is not a message box.
HWND mainWindowOf(DWORD processId);

// ZelvarGermanPatch.exe as the driver started it, with its window and
// controls once they are up.
class PatchTool {
 public:
  PatchTool();

  const RunningProgram& program() const { return program_; }
  // Waits for the window and finds its controls; on failure says why.
  bool waitForWindow(std::string& problem);
  HWND window() const { return window_; }
  const ToolControls& controls() const { return controls_; }

  std::wstring pathText() const;
  bool waitLabelVisible() const;
  HWND focusedControl() const;

  // As a user does it: clicks into the box, selects all and types.
  void enterPath(std::wstring_view path);
  void clickUpdate();
  // Presses the button with the mouse and waits for the box it shows.
  std::optional<MessageBoxView> clickUpdateAndWaitForMessage();

 private:
  RunningProgram program_;
  HWND window_ = nullptr;
  ToolControls controls_;
};

}  // namespace end_to_end
