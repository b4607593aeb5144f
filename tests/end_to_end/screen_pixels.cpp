#include "screen_pixels.h"

#include <fstream>

namespace end_to_end {

Pixels captureScreen(const RECT& onScreen) {
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  return drawnPixels(width, height, [&](HDC target) {
    const UniqueScreenDc screen(GetDC(nullptr));
    BitBlt(target, 0, 0, width, height, screen.get(), onScreen.left, onScreen.top, SRCCOPY);
  });
}

bool saveBmp(const Pixels& pixels, const std::filesystem::path& file) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = -pixels.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  const DWORD pixelBytes = static_cast<DWORD>(pixels.values.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + pixelBytes;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(pixels.values.data()), pixelBytes);
  return static_cast<bool>(out);
}

}  // namespace end_to_end
