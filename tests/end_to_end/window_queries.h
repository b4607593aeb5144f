#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace end_to_end {

// What another process's window shows, read with the calls that work across
// processes under Wine.
std::wstring windowText(HWND window);
std::wstring className(HWND window);
bool hasClass(HWND window, std::wstring_view name);  // ignoring case
std::vector<HWND> topLevelWindowsOf(DWORD processId);
std::vector<HWND> childWindowsOf(HWND parent);
// The child's rectangle in the parent's client coordinates.
RECT rectInClient(HWND child, HWND parent);
RECT clientRectOnScreen(HWND window);
// The window that has the keyboard focus in the thread that owns `window`.
HWND focusedWindowOfThreadOf(HWND window);

}  // namespace end_to_end
