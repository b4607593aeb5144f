#include "main_window/window_update_host.h"

#include "main_window/window_text.h"
#include "platform/user_interface.h"

namespace main_window {

std::filesystem::path WindowUpdateHost::filePath() {
  return std::filesystem::path(windowText(form_.control(ControlId::TxtFilePath)));
}

void WindowUpdateHost::setWaitLabelVisible(bool visible) {
  ShowWindow(form_.control(ControlId::LblWait), visible ? SW_SHOW : SW_HIDE);
}

void WindowUpdateHost::processPendingEvents() { form_.processPendingEvents(); }

void WindowUpdateHost::showMessage(std::string_view prompt, std::string_view title) {
  platform::showMessageBox(prompt, title);
}

// At once: no further message is handled and the window is not closed first.
void WindowUpdateHost::endProgram() { ExitProcess(0); }

}  // namespace main_window
