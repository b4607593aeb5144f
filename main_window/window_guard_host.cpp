#include "main_window/window_guard_host.h"

#include <climits>

#include "main_window/window_text.h"
#include "platform/user_interface.h"
#include "platform/win32/wide_text.h"

namespace main_window {

namespace {

std::string ansiFromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), needed, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::string WindowGuardHost::caption() {
  return platform::win32::utf8FromWide(windowText(form_.window()));
}

void WindowGuardHost::setCaption(std::string_view caption) {
  SetWindowTextW(form_.window(), platform::win32::wideFromUtf8(caption).c_str());
}

bool WindowGuardHost::topLevelWindowTitled(std::string_view title) {
  return platform::topLevelWindowExists(ansiFromWide(platform::win32::wideFromUtf8(title)));
}

void WindowGuardHost::unload() { form_.unload(); }

void WindowGuardHost::beep() { platform::beep(); }

void WindowGuardHost::showMessage(std::string_view prompt, std::string_view title) {
  platform::showMessageBox(prompt, title);
}

}  // namespace main_window
