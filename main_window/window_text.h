#pragma once

#include <windows.h>

#include <string>

namespace main_window {

// The whole text of a window of this process: a caption or a text box's content.
std::wstring windowText(HWND window);

}  // namespace main_window
