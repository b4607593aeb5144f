#include "main_window/window_guard_host.h"

#include "main_window/named_mutex_turn.h"
#include "main_window/window_text.h"
#include "platform/user_interface.h"
#include "platform/win32/wide_text.h"

namespace main_window {

std::unique_ptr<StartTurn> WindowGuardHost::waitForStartTurn() { return waitForNamedMutexTurn(); }

std::string WindowGuardHost::caption() {
  return platform::win32::utf8FromWide(windowText(form_.window()));
}

void WindowGuardHost::setCaption(std::string_view caption) {
  SetWindowTextW(form_.window(), platform::win32::wideFromUtf8(caption).c_str());
}

bool WindowGuardHost::topLevelWindowTitled(std::string_view title) {
  return platform::topLevelWindowExists(title);
}

void WindowGuardHost::unload() { form_.unload(); }

void WindowGuardHost::beep() { platform::beep(); }

void WindowGuardHost::showMessage(std::string_view prompt, std::string_view title) {
  platform::showMessageBox(prompt, title);
}

}  // namespace main_window
