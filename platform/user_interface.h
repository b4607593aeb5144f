#pragma once

#include <string_view>

namespace platform {

// A modal box with the prompt, the title, one OK button and no icon; returns
// when the user dismisses it. Texts are UTF-8.
void showMessageBox(std::string_view prompt, std::string_view title);

// The system's standard alert sound.
void beep();

// Whether a top-level window of any program has exactly this title (UTF-8),
// looked up as 8-bit text in the system's ANSI code page.
bool topLevelWindowExists(std::string_view title);

}  // namespace platform
