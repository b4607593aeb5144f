#pragma once

#include <cstddef>

namespace sample_target {

inline constexpr std::size_t kScreenTextCount = 13;
inline constexpr std::size_t kScreenTextSlot = 81;  // the longest text, 80 characters, and its end

// The thirteen English texts of Zelvar 2000, stored as UTF-16 as the real
// program stores them. One array, not separate literals: the linker would
// otherwise merge a text that ends another one (" Prompt type ." in
// "... Prompt type .") into it. The fixed-size slots keep the blanks around a
// text and put a zero behind each.
extern const char16_t kScreenTexts[kScreenTextCount][kScreenTextSlot];

}  // namespace sample_target
