#pragma once

namespace main_window {

// The window's layout is kept in twips (1/1440 inch) and its font sizes in
// points; the screen's dots per inch turn both into pixels, rounding to the
// nearest pixel.
constexpr int kTwipsPerInch = 1440;

constexpr int pixelsFromTwips(int twips, int dotsPerInch) {
  return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A font's character height in pixels, from its size in hundredths of a point.
constexpr int pixelsFromHundredthsOfPoint(int hundredths, int dotsPerInch) {
  constexpr int hundredthsPerInch = 72 * 100;
  return (hundredths * dotsPerInch + hundredthsPerInch / 2) / hundredthsPerInch;
}

}  // namespace main_window
