#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace main_window {

inline constexpr std::string_view kRefusalPrompt =
    "Zelvar 2000 should not be running at this time.";

// Held while a starting copy looks for a running one and marks its own window,
// so that two copies started at the same moment cannot both pass.
class StartTurn {
 public:
  virtual ~StartTurn() = default;
};

// What the start-up guard needs from the window it runs for and from the
// system. Texts are UTF-8.
class StartupGuardHost {
 public:
  virtual ~StartupGuardHost() = default;
  // Waits until no other starting copy is between its lookup and its marking.
  virtual std::unique_ptr<StartTurn> waitForStartTurn() = 0;
  virtual std::string caption() = 0;
  virtual void setCaption(std::string_view caption) = 0;
  // Whether a top-level window of any program carries exactly this title.
  virtual bool topLevelWindowTitled(std::string_view title) = 0;
  // Destroys the window, which has not been shown yet.
  virtual void unload() = 0;
  virtual void beep() = 0;
  // A modal box with one OK button and no icon; returns when it is dismissed.
  virtual void showMessage(std::string_view prompt, std::string_view title) = 0;
};

enum class GuardDecision { Passed, Refused };

// Runs before the window is first shown. A running copy is recognised by its
// marked title, the caption with one blank appended: if such a window exists
// this start is refused, otherwise this window takes the marked title.
GuardDecision runStartupGuard(StartupGuardHost& host);

}  // namespace main_window
