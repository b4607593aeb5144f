#pragma once

#include <filesystem>

#include "patching/update_host.h"

namespace cli {

// A message box's prompt and title as one line: success on the standard
// output, everything else on the standard error.
void printMessage(std::string_view prompt, std::string_view title);

// Runs the update without a window: the message goes to the console.
class ConsoleHost final : public patching::UpdateHost {
 public:
  explicit ConsoleHost(std::filesystem::path target) : target_(std::move(target)) {}
  std::filesystem::path filePath() override { return target_; }
  void setWaitLabelVisible(bool) override {}
  void processPendingEvents() override {}
  void showMessage(std::string_view prompt, std::string_view title) override;
  // The caller ends the program with the exit status of the outcome.
  void endProgram() override {}

 private:
  std::filesystem::path target_;
};

}  // namespace cli
