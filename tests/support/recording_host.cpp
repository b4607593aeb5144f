#include "tests/support/recording_host.h"

namespace test_support {

std::string messageCall(std::string_view prompt, std::string_view title) {
  return "message [" + std::string(title) + "] " + std::string(prompt);
}

void RecordingHost::setWaitLabelVisible(bool visible) {
  calls_.push_back(visible ? "wait label shown" : "wait label hidden");
}

void RecordingHost::processPendingEvents() { calls_.push_back("events processed"); }

void RecordingHost::showMessage(std::string_view prompt, std::string_view title) {
  calls_.push_back(messageCall(prompt, title));
  lastPrompt_ = prompt;
}

void RecordingHost::endProgram() { calls_.push_back("program ended"); }

}  // namespace test_support
