#include "main_window/startup_guard.h"

namespace main_window {

GuardDecision runStartupGuard(StartupGuardHost& host) {
  const std::string markedTitle = host.caption() + ' ';
  if (host.topLevelWindowTitled(markedTitle)) {
    // Read before the window goes; the box names the unmarked caption.
    const std::string messageTitle = host.caption();
    host.unload();
    host.beep();
    host.showMessage(kRefusalPrompt, messageTitle);
    return GuardDecision::Refused;
  }
  host.setCaption(markedTitle);
  return GuardDecision::Passed;
}

}  // namespace main_window
