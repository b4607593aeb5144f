// The keyboard as a user uses it on the window: the focus moves between the
// text box and the button only; Enter and Escape press nothing, except Enter
// and Space on the focused button.
#include <gtest/gtest.h>

#include "message_box.h"
#include "polling.h"
#include "started_tool.h"
#include "test_files.h"
#include "user_input.h"

namespace end_to_end {
namespace {

class Keyboard : public StartedTool {
 protected:
  bool noMessageFor(std::chrono::milliseconds duration) {
    return holdsFor([&] { return !findMessageBox(tool_.program().processId()); }, duration);
  }

  // Presses the key on the focused button: the box for the invalid path must
  // show; dismissed, the focus is back on the button.
  void expectKeyPressesButton(WORD key, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(bringToFront(tool_.window()));
    ASSERT_EQ(tool_.focusedControl(), tool_.controls().cmdUpdate);
    pressKey(key);
    const auto box = waitForMessageBox(tool_.program().processId());
    ASSERT_TRUE(box) << "the button was not pressed";
    EXPECT_EQ(box->title, L"Error");
    EXPECT_EQ(GetWindow(box->window, GW_OWNER), tool_.window()) << "the box belongs to the window";
    ASSERT_TRUE(dismissWithEnter(*box));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == tool_.window(); }, 2s))
        << "the window is active again after the box";
    EXPECT_TRUE(waitUntil([&] { return tool_.focusedControl() == tool_.controls().cmdUpdate; }, 2s))
        << "the focus returns to the button after the box";
  }
};

TEST_F(Keyboard, FocusMovesBetweenBoxAndButtonAndOnlyTheButtonTakesKeys) {
  const ToolControls& c = tool_.controls();
  const std::wstring missing = L"C:\\no such folder\\Zelvar.exe";
  tool_.enterPath(missing);
  ASSERT_EQ(tool_.pathText(), missing);
  ASSERT_EQ(tool_.focusedControl(), c.txtFilePath);

  pressKey(VK_RETURN);
  EXPECT_TRUE(noMessageFor(700ms)) << "Enter in the text box pressed the button";
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(noMessageFor(700ms)) << "Escape pressed the button";
  EXPECT_TRUE(IsWindow(tool_.window())) << "Escape closed the window";
  EXPECT_FALSE(tool_.waitLabelVisible());
  EXPECT_EQ(tool_.pathText(), missing);

  const auto focusAfter = [&](WORD key, std::initializer_list<WORD> modifiers) {
    HWND focused = tool_.focusedControl();
    const HWND before = focused;
    pressKey(key, modifiers);
    waitUntil([&] { return (focused = tool_.focusedControl()) != before; }, 1s);
    return focused;
  };
  EXPECT_EQ(focusAfter(VK_TAB, {}), c.cmdUpdate);
  EXPECT_EQ(focusAfter(VK_TAB, {}), c.txtFilePath) << "the labels never take the focus";
  EXPECT_EQ(focusAfter(VK_TAB, {VK_SHIFT}), c.cmdUpdate);
  EXPECT_EQ(focusAfter(VK_TAB, {VK_SHIFT}), c.txtFilePath);
  EXPECT_EQ(focusAfter(VK_TAB, {}), c.cmdUpdate);

  pressKey(VK_ESCAPE);
  EXPECT_TRUE(noMessageFor(700ms)) << "Escape on the button pressed it";

  expectKeyPressesButton(VK_RETURN, "Enter on the button");
  expectKeyPressesButton(VK_SPACE, "Space on the button");
  EXPECT_EQ(focusAfter(VK_TAB, {}), c.txtFilePath) << "Tab after the box";
  EXPECT_EQ(tool_.pathText(), missing);
}

}  // namespace
}  // namespace end_to_end
