#pragma once

#include <filesystem>
#include <string_view>

namespace patching {

// What the update procedure needs from the front-end that runs it: the window,
// or the command line.
class UpdateHost {
 public:
  virtual ~UpdateHost() = default;
  // The path text as the user entered it.
  virtual std::filesystem::path filePath() = 0;
  virtual void setWaitLabelVisible(bool visible) = 0;
  // Lets the window draw the wait label before the work begins.
  virtual void processPendingEvents() = 0;
  // A modal box with one OK button and no icon; returns when it is dismissed.
  // Texts are UTF-8.
  virtual void showMessage(std::string_view prompt, std::string_view title) = 0;
  // Ends the tool at once, without closing the window first.
  virtual void endProgram() = 0;
};

}  // namespace patching
