#include "platform/user_interface.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform {

void showMessageBox(std::string_view prompt, std::string_view title) {
  // Task-modal: every window of this thread is disabled while the box is up,
  // also when the caller has no window of its own to name as the owner.
  MessageBoxW(nullptr, win32::wideFromUtf8(prompt).c_str(), win32::wideFromUtf8(title).c_str(),
              MB_OK | MB_TASKMODAL);
}

void beep() { MessageBeep(MB_OK); }

bool topLevelWindowExists(std::string_view ansiTitle) {
  const std::string title(ansiTitle);  // FindWindowA wants it zero-terminated
  return FindWindowA(nullptr, title.c_str()) != nullptr;
}

}  // namespace platform
