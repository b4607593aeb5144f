#include "platform/user_interface.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform {

void showMessageBox(std::string_view prompt, std::string_view title) {
  // Owned by this thread's active window, if it has one: that window is
  // disabled while the box is up and is active again, with its focus, once the
  // box is dismissed. Without one, every window of the thread is disabled.
  const HWND owner = GetActiveWindow();
  MessageBoxW(owner, win32::wideFromUtf8(prompt).c_str(), win32::wideFromUtf8(title).c_str(),
              MB_OK | (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL));
}

void beep() { MessageBeep(MB_OK); }

bool topLevelWindowExists(std::string_view title) {
  const std::string ansiTitle = win32::narrowFromWide(win32::wideFromUtf8(title), CP_ACP);
  return FindWindowA(nullptr, ansiTitle.c_str()) != nullptr;
}

}  // namespace platform
