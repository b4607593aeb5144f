#pragma once

#include "main_window/form_main.h"
#include "main_window/startup_guard.h"

namespace main_window {

// The start-up guard's view of frmMain and of the desktop.
class WindowGuardHost final : public StartupGuardHost {
 public:
  explicit WindowGuardHost(FormMain& form) : form_(form) {}
  std::unique_ptr<StartTurn> waitForStartTurn() override;
  std::string caption() override;
  void setCaption(std::string_view caption) override;
  // Looked up as 8-bit text in the system's ANSI code page.
  bool topLevelWindowTitled(std::string_view title) override;
  void unload() override;
  void beep() override;
  void showMessage(std::string_view prompt, std::string_view title) override;

 private:
  FormMain& form_;
};

}  // namespace main_window
