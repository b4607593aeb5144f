#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "patching/update_host.h"

namespace test_support {

// Stands in for the window: hands out a fixed path and writes down every call
// in order, so that a test can check what the user would have seen when.
class RecordingHost final : public patching::UpdateHost {
 public:
  explicit RecordingHost(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path filePath() override { return path_; }
  void setWaitLabelVisible(bool visible) override;
  void processPendingEvents() override;
  void showMessage(std::string_view prompt, std::string_view title) override;
  void endProgram() override;

  // "wait label shown", "wait label hidden", "events processed",
  // "message [<title>] <prompt>", "program ended".
  const std::vector<std::string>& calls() const { return calls_; }
  // The prompt of the last message box, or empty.
  const std::string& lastPrompt() const { return lastPrompt_; }

 private:
  std::filesystem::path path_;
  std::vector<std::string> calls_;
  std::string lastPrompt_;
};

// How RecordingHost writes down a message box.
std::string messageCall(std::string_view prompt, std::string_view title);

}  // namespace test_support
