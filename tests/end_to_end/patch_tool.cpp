#include "patch_tool.h"

#include "polling.h"
#include "test_files.h"
#include "user_input.h"
#include "window_queries.h"

namespace end_to_end {
namespace {

HWND childWith(HWND parent, std::wstring_view windowClass, std::optional<std::wstring_view> text) {
  for (HWND child : childWindowsOf(parent)) {
    if (hasClass(child, windowClass) && (!text || windowText(child) == *text)) return child;
  }
  return nullptr;
}

}  // namespace

HWND mainWindowOf(DWORD processId) {
  for (HWND window : topLevelWindowsOf(processId)) {
    if (IsWindowVisible(window) && !hasClass(window, L"#32770")) return window;
  }
  return nullptr;
}

PatchTool::PatchTool() : program_(driverSettings().tool) {}

bool PatchTool::waitForWindow(std::string& problem) {
  if (!waitUntil([&] { return (window_ = mainWindowOf(program_.processId())) != nullptr; })) {
    problem = program_.hasEnded() ? "the tool ended without showing its window"
                                  : "the tool showed no window";
    return false;
  }
  controls_.label2 = childWith(window_, L"Static", L"Zelvar 2000 German Language Patch");
  controls_.txtFilePath = childWith(window_, L"Edit", std::nullopt);
  controls_.label4 =
      childWith(window_, L"Static", L"Please Enter the Path of the Zelvar Executable Program:");
  controls_.cmdUpdate = childWith(window_, L"Button", L"Perform Update");
  controls_.lblWait = childWith(window_, L"Static", L"Please Wait...");
  const ToolControls& c = controls_;
  if (!c.label2 || !c.txtFilePath || !c.label4 || !c.cmdUpdate || !c.lblWait) {
    problem = "a control is missing or has another class or text";
    return false;
  }
  return true;
}

std::wstring PatchTool::pathText() const { return windowText(controls_.txtFilePath); }

bool PatchTool::waitLabelVisible() const { return IsWindowVisible(controls_.lblWait) != FALSE; }

HWND PatchTool::focusedControl() const { return focusedWindowOfThreadOf(window_); }

void PatchTool::enterPath(std::wstring_view path) {
  bringToFront(window_);
  clickOn(controls_.txtFilePath);
  pressKey(VK_HOME);
  pressKey(VK_END, {VK_SHIFT});
  if (path.empty()) {
    pressKey(VK_DELETE);
  } else {
    typeText(path);
  }
  waitUntil([&] { return pathText() == path; }, 3s);
}

void PatchTool::clickUpdate() {
  bringToFront(window_);
  clickOn(controls_.cmdUpdate);
}

std::optional<MessageBoxView> PatchTool::clickUpdateAndWaitForMessage() {
  clickUpdate();
  return waitForMessageBox(program_.processId());
}

}  // namespace end_to_end
