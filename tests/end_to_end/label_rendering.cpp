#include "label_rendering.h"

#include <algorithm>
#include <map>

namespace end_to_end {
namespace {

COLORREF colorRef(std::uint32_t value) {
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

}  // namespace

Pixels renderLabel(std::wstring_view text, const FontSettings& font, SIZE size,
                   std::uint32_t background, std::uint32_t textColour) {
  const UniqueFont drawingFont(CreateFontW(
      -font.pixelHeight, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.face.c_str()));
  return drawnPixels(size.cx, size.cy, [&](HDC dc) {
    RECT area{0, 0, size.cx, size.cy};
    SetBkColor(dc, colorRef(background));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    const SelectedObject selected(dc, drawingFont.get());
    SetTextColor(dc, colorRef(textColour));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
  });
}

int differingPixels(const Pixels& one, const Pixels& other) {
  if (one.width != other.width || one.height != other.height) return one.width * one.height;
  int differing = 0;
  for (std::size_t i = 0; i < one.values.size(); ++i) {
    if (one.values[i] != other.values[i]) ++differing;
  }
  return differing;
}

std::uint32_t mostCommonColour(const Pixels& pixels) {
  std::map<std::uint32_t, int> counts;
  for (std::uint32_t value : pixels.values) ++counts[value];
  return std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })
      ->first;
}

}  // namespace end_to_end
