#include <gtest/gtest.h>

#include "main_window/form_main_layout.h"
#include "main_window/twips.h"

namespace {

using main_window::kControls;
using main_window::pixelsFromHundredthsOfPoint;
using main_window::pixelsFromTwips;

// The pixel rectangles the window has at 96 dots per inch, in tab order.
TEST(FormMainLayout, ControlRectanglesAt96DotsPerInch) {
  struct Pixels {
    int left, top, width, height;
  };
  const Pixels expected[] = {{56, 8, 361, 33},
                             {16, 96, 417, 25},
                             {0, 64, 449, 25},
                             {152, 144, 129, 25},
                             {304, 144, 137, 17}};
  ASSERT_EQ(std::size(expected), kControls.size());
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const auto& rect = kControls[i].rect;
    SCOPED_TRACE(i);
    EXPECT_EQ(pixelsFromTwips(rect.left, 96), expected[i].left);
    EXPECT_EQ(pixelsFromTwips(rect.top, 96), expected[i].top);
    EXPECT_EQ(pixelsFromTwips(rect.width, 96), expected[i].width);
    EXPECT_EQ(pixelsFromTwips(rect.height, 96), expected[i].height);
  }
  EXPECT_EQ(pixelsFromTwips(main_window::kClientWidthTwips, 96), 447);
  EXPECT_EQ(pixelsFromTwips(main_window::kClientHeightTwips, 96), 182);
}

TEST(FormMainLayout, TwipsAndPointsRoundToTheNearestPixelAtOtherResolutions) {
  struct Case {
    int dotsPerInch, twips, pixels;
  };
  for (const Case& c : {Case{120, 6705, 559}, Case{120, 15, 1}, Case{144, 6705, 671},
                        Case{144, 2730, 273}, Case{72, 15, 1}, Case{72, 6735, 337}}) {
    EXPECT_EQ(pixelsFromTwips(c.twips, c.dotsPerInch), c.pixels)
        << c.twips << " twips at " << c.dotsPerInch << " dpi";
  }
  struct FontCase {
    int dotsPerInch, hundredths, pixels;
  };
  for (const FontCase& c :
       {FontCase{96, 1125, 15}, FontCase{96, 825, 11}, FontCase{96, 975, 13},
        FontCase{96, 1200, 16}, FontCase{120, 825, 14}, FontCase{144, 975, 20}}) {
    EXPECT_EQ(pixelsFromHundredthsOfPoint(c.hundredths, c.dotsPerInch), c.pixels)
        << c.hundredths << "/100 pt at " << c.dotsPerInch << " dpi";
  }
}

}  // namespace
