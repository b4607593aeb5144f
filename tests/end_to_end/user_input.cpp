#include "user_input.h"

#include <vector>

#include "polling.h"

namespace end_to_end {
namespace {

INPUT keyInput(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT characterInput(wchar_t character, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
  return input;
}

INPUT mouseInput(DWORD flags, POINT onScreen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute positions run from 0 to 65535 across the screen.
  input.mi.dx = MulDiv(onScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(onScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // The receiving program gets its turn before the driver looks again.
  Sleep(50);
}

}  // namespace

bool bringToFront(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return waitUntil([&] { return GetForegroundWindow() == window; }, 3s);
}

void pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(keyInput(modifier, false));
  inputs.push_back(keyInput(virtualKey, false));
  inputs.push_back(keyInput(virtualKey, true));
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    inputs.push_back(keyInput(*modifier, true));
  }
  send(std::move(inputs));
}

void typeText(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t character : text) {
    inputs.push_back(characterInput(character, false));
    inputs.push_back(characterInput(character, true));
  }
  send(std::move(inputs));
}

void clickAt(POINT onScreen) {
  send({mouseInput(MOUSEEVENTF_MOVE, onScreen), mouseInput(MOUSEEVENTF_LEFTDOWN, onScreen),
        mouseInput(MOUSEEVENTF_LEFTUP, onScreen)});
}

void clickOn(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  clickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

}  // namespace end_to_end
