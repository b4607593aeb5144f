#include "main_window/startup_guard.h"

namespace main_window {

GuardDecision runStartupGuard(StartupGuardHost& host) {
  const std::string markedTitle = host.caption() + ' ';
  {
    const std::unique_ptr<StartTurn> turn = host.waitForStartTurn();
    if (!host.topLevelWindowTitled(markedTitle)) {
      host.setCaption(markedTitle);
      return GuardDecision::Passed;
    }
  }
  // The turn is given up first: the refusal box may stay open for long.
  // The caption is read before the window goes; the box names it unmarked.
  const std::string messageTitle = host.caption();
  host.unload();
  host.beep();
  host.showMessage(kRefusalPrompt, messageTitle);
  return GuardDecision::Refused;
}

}  // namespace main_window
