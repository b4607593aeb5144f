#include "main_window/startup_guard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using main_window::GuardDecision;
using main_window::runStartupGuard;
using ::testing::ElementsAre;

constexpr std::string_view kCaption = "[_ Zelvar 2000 _|";

// A window with a caption in a desktop holding windows with the given titles;
// records every operation so their order can be checked.
class FakeDesktop final : public main_window::StartupGuardHost {
 public:
  explicit FakeDesktop(std::set<std::string> otherTitles) : titles_(std::move(otherTitles)) {}

  class Turn final : public main_window::StartTurn {
   public:
    explicit Turn(std::vector<std::string>& log) : log_(log) { log_.push_back("turn"); }
    ~Turn() override { log_.push_back("end turn"); }

   private:
    std::vector<std::string>& log_;
  };

  std::unique_ptr<main_window::StartTurn> waitForStartTurn() override {
    return std::make_unique<Turn>(log_);
  }

  std::string caption() override {
    EXPECT_FALSE(unloaded_) << "caption read after the window was unloaded";
    log_.push_back("caption");
    return caption_;
  }
  void setCaption(std::string_view caption) override {
    log_.push_back("setCaption");
    caption_ = caption;
  }
  bool topLevelWindowTitled(std::string_view title) override {
    log_.push_back("find " + std::string(title));
    return titles_.contains(std::string(title)) || (!unloaded_ && title == caption_);
  }
  void unload() override {
    log_.push_back("unload");
    unloaded_ = true;
  }
  void beep() override { log_.push_back("beep"); }
  void showMessage(std::string_view prompt, std::string_view title) override {
    log_.push_back("message " + std::string(title) + ": " + std::string(prompt));
  }

  std::string caption_{kCaption};
  std::set<std::string> titles_;
  bool unloaded_ = false;
  std::vector<std::string> log_;
};

const std::string kMarked = std::string(kCaption) + " ";

TEST(StartupGuard, WithoutARunningCopyMarksTheCaptionWithOneTrailingBlank) {
  FakeDesktop desktop({});
  EXPECT_EQ(runStartupGuard(desktop), GuardDecision::Passed);
  EXPECT_EQ(desktop.caption_, kMarked);
  EXPECT_FALSE(desktop.unloaded_);
  EXPECT_THAT(desktop.log_,
              ElementsAre("caption", "turn", "find " + kMarked, "setCaption", "end turn"));
}

// Only the exact marked title is a running copy; the starting window's own
// unmarked caption is not one either.
TEST(StartupGuard, TitlesThatAreNotExactlyTheMarkedTitleDoNotRefuse) {
  for (const std::string& title : {std::string(kCaption), " " + std::string(kCaption),
                                   std::string(kCaption) + "  ", std::string(kCaption) + " x"}) {
    FakeDesktop desktop({title});
    EXPECT_EQ(runStartupGuard(desktop), GuardDecision::Passed) << '"' << title << '"';
    EXPECT_EQ(desktop.caption_, kMarked);
  }
}

TEST(StartupGuard, RunningCopyUnloadsThenBeepsThenShowsTheRefusalUnderTheUnmarkedCaption) {
  FakeDesktop desktop({kMarked});
  EXPECT_EQ(runStartupGuard(desktop), GuardDecision::Refused);
  EXPECT_THAT(
      desktop.log_,
      ElementsAre("caption", "turn", "find " + kMarked, "end turn", "caption", "unload", "beep",
                  "message [_ Zelvar 2000 _|: Zelvar 2000 should not be running at "
                  "this time."));
  EXPECT_EQ(desktop.caption_, kCaption) << "a refused window keeps its stored caption";
}

// The guard appends to whatever caption the window carries, not to a copy of
// the stored one.
TEST(StartupGuard, MarksAndNamesTheCaptionTheWindowCarries) {
  FakeDesktop passing({});
  passing.caption_ = "Other";
  runStartupGuard(passing);
  EXPECT_EQ(passing.caption_, "Other ");

  FakeDesktop refusing({"Other "});
  refusing.caption_ = "Other";
  runStartupGuard(refusing);
  EXPECT_EQ(refusing.log_.back(), "message Other: Zelvar 2000 should not be running at this time.");
}

}  // namespace
