#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "screen_pixels.h"

namespace end_to_end {

struct FontSettings {
  std::wstring face;
  int pixelHeight;  // of the characters, without internal leading: a size in points at 96 DPI
  int weight;       // 400 normal, 700 bold
};

// The label as the system's static control draws it: the text from the top
// left corner, wrapped at words, in the font and colour, on the background.
Pixels renderLabel(std::wstring_view text, const FontSettings& font, SIZE size,
                   std::uint32_t background, std::uint32_t textColour);

// How many pixels two blocks of the same size disagree in.
int differingPixels(const Pixels& one, const Pixels& other);

std::uint32_t mostCommonColour(const Pixels& pixels);

}  // namespace end_to_end
