#include "message_box.h"

#include "polling.h"
#include "user_input.h"
#include "window_queries.h"

namespace end_to_end {
namespace {

constexpr int kTextControlId = 65535;
constexpr int kIconControlId = 1088;  // where Wine's and Windows' message boxes put the icon

MessageBoxView describe(HWND box) {
  MessageBoxView view;
  view.window = box;
  view.title = windowText(box);
  if (HWND text = GetDlgItem(box, kTextControlId)) view.text = windowText(text);
  for (HWND child : childWindowsOf(box)) {
    if (hasClass(child, L"Button") && IsWindowVisible(child)) {
      view.visibleButtonIds.push_back(GetDlgCtrlID(child));
    }
  }
  if (HWND icon = GetDlgItem(box, kIconControlId)) {
    DWORD_PTR shown = 0;
    SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &shown);
    view.showsIcon = IsWindowVisible(icon) && shown != 0;
  }
  return view;
}

}  // namespace

std::optional<MessageBoxView> findMessageBox(DWORD processId) {
  for (HWND window : topLevelWindowsOf(processId)) {
    if (hasClass(window, L"#32770") && IsWindowVisible(window)) return describe(window);
  }
  return std::nullopt;
}

std::optional<MessageBoxView> waitForMessageBox(DWORD processId,
                                                std::chrono::milliseconds timeout) {
  std::optional<MessageBoxView> box;
  waitUntil([&] { return (box = findMessageBox(processId)).has_value(); }, timeout);
  // The box may still be filling its controls when it first shows.
  if (box) {
    waitUntil([&] { return !(box = describe(box->window))->text.empty(); }, 2s);
  }
  return box;
}

bool dismissWithEnter(const MessageBoxView& box) {
  if (!bringToFront(box.window)) return false;
  pressKey(VK_RETURN);
  return waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 5s);
}

}  // namespace end_to_end
