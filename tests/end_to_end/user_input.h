#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace end_to_end {

// Real keyboard and mouse input, as a user gives it: it reaches whichever
// window is in front, through the system's input queue.
bool bringToFront(HWND window);
// Presses the key while the modifiers (VK_SHIFT, VK_MENU, ...) are held.
void pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
void typeText(std::wstring_view text);
void clickAt(POINT onScreen);
// A left click in the middle of the window.
void clickOn(HWND window);

}  // namespace end_to_end
