#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

#include "win32_handles.h"

namespace end_to_end {

// A block of 32-bit pixels, 0x00RRGGBB, rows from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> values;

  std::uint32_t at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

constexpr std::uint32_t rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}

// Draws into a 32-bit DIB of the given size and hands back its pixels; the
// driver's way both to read the screen and to render what it expects there.
template <class Draw>
Pixels drawnPixels(int width, int height, Draw draw) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top-down rows
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  Pixels pixels{width, height, {}};
  if (!bitmap || !dc) return pixels;
  {
    const SelectedObject selected(dc.get(), bitmap.get());
    draw(dc.get());
    GdiFlush();
  }
  pixels.values.resize(static_cast<std::size_t>(width) * height);
  std::memcpy(pixels.values.data(), bits, pixels.values.size() * sizeof(std::uint32_t));
  for (std::uint32_t& value : pixels.values) value &= 0x00FFFFFF;
  return pixels;
}

// What the screen shows in the rectangle: the real pixels, whichever program
// drew them.
Pixels captureScreen(const RECT& onScreen);
bool saveBmp(const Pixels& pixels, const std::filesystem::path& file);

}  // namespace end_to_end
