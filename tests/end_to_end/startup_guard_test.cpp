// The start-up guard seen from outside: a copy of the tool that finds a
// window with the marked title refuses without showing its window; any other
// title lets it start.
#include <gtest/gtest.h>

#include <vector>

#include "message_box.h"
#include "patch_tool.h"
#include "polling.h"
#include "test_files.h"
#include "user_input.h"
#include "win32_handles.h"
#include "window_queries.h"

namespace end_to_end {
namespace {

constexpr std::wstring_view kRefusal = L"Zelvar 2000 should not be running at this time.";

// A top-level window of the driver's own, titled as given; hidden, since the
// lookup does not care whether a window shows.
UniqueWindow windowTitled(std::wstring_view title) {
  return UniqueWindow(CreateWindowExW(0, L"Static", std::wstring(title).c_str(), WS_OVERLAPPED, 0,
                                      0, 100, 20, nullptr, nullptr, GetModuleHandleW(nullptr),
                                      nullptr));
}

// Starts a copy that must refuse, and checks how it does that.
void expectRefusedStart() {
  RunningProgram copy(driverSettings().tool);
  bool windowShown = false;
  std::optional<MessageBoxView> box;
  waitUntil([&] {
    windowShown = windowShown || mainWindowOf(copy.processId()) != nullptr;
    return (box = findMessageBox(copy.processId())).has_value();
  });
  ASSERT_TRUE(box) << "no refusal";
  box = waitForMessageBox(copy.processId());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, kStoredCaption) << "the caption without the blank";
  EXPECT_EQ(box->text, kRefusal);
  EXPECT_EQ(box->visibleButtonIds, std::vector<int>{IDOK});
  EXPECT_FALSE(box->showsIcon);
  EXPECT_FALSE(windowShown || mainWindowOf(copy.processId()))
      << "the refused copy showed its window";
  ASSERT_TRUE(dismissWithEnter(*box));
  EXPECT_TRUE(copy.waitForExit(5s)) << "the refused copy did not end";
  EXPECT_FALSE(windowShown);
}

void expectStartPasses(PatchTool& tool) {
  std::string problem;
  ASSERT_TRUE(tool.waitForWindow(problem)) << problem;
  EXPECT_EQ(windowText(tool.window()), kMarkedTitle);
  EXPECT_FALSE(findMessageBox(tool.program().processId()));
}

TEST(StartupGuard, RefusesASecondCopyWhileTheFirstRuns) {
  {
    PatchTool first;
    SCOPED_TRACE("the first copy");
    expectStartPasses(first);
    {
      SCOPED_TRACE("a second copy");
      expectRefusedStart();
    }
    EXPECT_EQ(windowText(first.window()), kMarkedTitle) << "the first copy's window is unchanged";
    EXPECT_TRUE(IsWindowVisible(first.window()));

    // Closed by the user with the system's close keystroke.
    ASSERT_TRUE(bringToFront(first.window()));
    pressKey(VK_F4, {VK_MENU});
    const std::optional<DWORD> exitCode = first.program().waitForExit(5s);
    ASSERT_TRUE(exitCode) << "Alt+F4 did not end the tool";
    EXPECT_EQ(*exitCode, 0u);
  }
  SCOPED_TRACE("a new start after the first copy has ended");
  PatchTool next;
  expectStartPasses(next);
}

TEST(StartupGuard, LooksForExactlyTheMarkedTitleOfAnyProgram) {
  {
    SCOPED_TRACE("titles close to the marked one");
    std::vector<UniqueWindow> decoys;
    for (std::wstring_view title :
         {L"[_ Zelvar 2000 _|", L" [_ Zelvar 2000 _|", L"[_ Zelvar 2000 _|  ",
          L"[_ Zelvar 2000 _| x", L" [_ Zelvar 2000 _| "}) {
      decoys.push_back(windowTitled(title));
      ASSERT_TRUE(decoys.back());
    }
    PatchTool tool;
    expectStartPasses(tool);
  }
  SCOPED_TRACE("the marked title on a window of another program");
  const UniqueWindow marked = windowTitled(kMarkedTitle);
  ASSERT_TRUE(marked);
  expectRefusedStart();
}

// Copies started at the same moment look and mark one after the other, so
// exactly one of them shows its window and every other one refuses.
TEST(StartupGuard, OfCopiesStartedTogetherExactlyOnePasses) {
  std::vector<RunningProgram> copies;
  for (int i = 0; i < 3; ++i) copies.emplace_back(driverSettings().tool);
  std::vector<std::optional<MessageBoxView>> refusals(copies.size());
  std::vector<HWND> windows(copies.size());
  ASSERT_TRUE(waitUntil([&] {
    std::size_t settled = 0;
    for (std::size_t i = 0; i < copies.size(); ++i) {
      if (!refusals[i]) refusals[i] = findMessageBox(copies[i].processId());
      windows[i] = mainWindowOf(copies[i].processId());
      if (refusals[i] || (windows[i] && IsWindowVisible(windows[i]))) ++settled;
    }
    return settled == copies.size();
  })) << "not every copy either showed its window or refused";
  std::size_t passed = 0;
  for (std::size_t i = 0; i < copies.size(); ++i) {
    if (refusals[i]) {
      const std::optional<MessageBoxView> box = waitForMessageBox(copies[i].processId());
      ASSERT_TRUE(box);
      EXPECT_EQ(box->text, kRefusal);
      ASSERT_TRUE(dismissWithEnter(*box));
      EXPECT_TRUE(copies[i].waitForExit(5s)) << "a refused copy did not end";
    } else {
      ++passed;
      EXPECT_EQ(windowText(windows[i]), kMarkedTitle);
    }
  }
  EXPECT_EQ(passed, 1u);
}

}  // namespace
}  // namespace end_to_end
