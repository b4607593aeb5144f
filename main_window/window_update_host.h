#pragma once

#include "main_window/form_main.h"
#include "patching/update_host.h"

namespace main_window {

// The update procedure's view of frmMain: the path box, the wait label, the
// window's message loop, message boxes and the end of the program.
class WindowUpdateHost final : public patching::UpdateHost {
 public:
  explicit WindowUpdateHost(FormMain& form) : form_(form) {}
  std::filesystem::path filePath() override;
  void setWaitLabelVisible(bool visible) override;
  // The button stays enabled: a press already queued runs an update of its
  // own, nested in this one.
  void processPendingEvents() override;
  void showMessage(std::string_view prompt, std::string_view title) override;
  void endProgram() override;

 private:
  FormMain& form_;
};

}  // namespace main_window
