#pragma once

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>

namespace patching {

// Texts of this many characters or more have no wide form: the original
// widening counted with 16-bit signed integers.
inline constexpr std::size_t kWideFormLimit = 32767;

enum class WideFormError { TextTooLong };

// Puts the character of code 0 behind each character of the text, so that a
// text of one-byte characters takes the shape of its UTF-16LE bytes.
std::expected<std::u16string, WideFormError> WideForm(std::u16string_view text);

}  // namespace patching
