// The window as it first shows: caption, size, place, controls, fonts and the
// icon, read from outside as a user (and the screen) sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "application_icon.h"
#include "label_rendering.h"
#include "started_tool.h"
#include "test_files.h"
#include "win32_handles.h"
#include "window_queries.h"

namespace end_to_end {
namespace {

constexpr std::uint32_t kBlue = rgb(0, 0, 255);
constexpr std::uint32_t kBlack = rgb(0, 0, 0);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);

std::string describe(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

RECT rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

bool contains(const Pixels& pixels, std::uint32_t colour) {
  return std::ranges::find(pixels.values, colour) != pixels.values.end();
}

class FirstLook : public StartedTool {};

TEST_F(FirstLook, WindowIsCentredWithTheMarkedCaptionAndFixedBorder) {
  const UniqueScreenDc screen(GetDC(nullptr));
  ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), 96) << "the sizes below hold at 96 DPI";

  EXPECT_EQ(windowText(tool_.window()), kMarkedTitle);
  RECT client{};
  GetClientRect(tool_.window(), &client);
  EXPECT_EQ(client.right, 447);
  EXPECT_EQ(client.bottom, 182);

  const LONG_PTR style = GetWindowLongPtrW(tool_.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_EQ((style & WS_CAPTION), WS_CAPTION);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "the window cannot be maximized";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the window cannot be resized";

  RECT frame{};
  GetWindowRect(tool_.window(), &frame);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(frame.left + frame.right, screenWidth, 2) << "centred across: " << describe(frame);
  EXPECT_NEAR(frame.top + frame.bottom, screenHeight, 2) << "centred down: " << describe(frame);
}

TEST_F(FirstLook, ControlsHaveTheirClassTextPlaceAndState) {
  struct Expected {
    const char* name;
    HWND control;
    std::wstring_view windowClass;
    std::wstring_view text;
    RECT place;
    bool visible;
  };
  const ToolControls& c = tool_.controls();
  const Expected controls[] = {
      {"Label2", c.label2, L"Static", L"Zelvar 2000 German Language Patch", rect(56, 8, 361, 33),
       true},
      {"txtFilePath", c.txtFilePath, L"Edit", L"C:\\Programme\\Zelvar\\Zelvar.exe",
       rect(16, 96, 417, 25), true},
      {"Label4", c.label4, L"Static", L"Please Enter the Path of the Zelvar Executable Program:",
       rect(0, 64, 449, 25), true},
      {"cmdUpdate", c.cmdUpdate, L"Button", L"Perform Update", rect(152, 144, 129, 25), true},
      {"lblWait", c.lblWait, L"Static", L"Please Wait...", rect(304, 144, 137, 17), false},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.name);
    EXPECT_TRUE(hasClass(expected.control, expected.windowClass));
    EXPECT_EQ(windowText(expected.control), expected.text);
    EXPECT_EQ(describe(rectInClient(expected.control, tool_.window())), describe(expected.place));
    EXPECT_EQ(IsWindowVisible(expected.control) != FALSE, expected.visible);
    EXPECT_TRUE(IsWindowEnabled(expected.control));
    const LONG_PTR style = GetWindowLongPtrW(expected.control, GWL_STYLE);
    EXPECT_FALSE(style & WS_BORDER);
    if (expected.windowClass == L"Static") {
      EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << "a plain left-aligned label";
    }
  }
  const LONG_PTR buttonStyle = GetWindowLongPtrW(c.cmdUpdate, GWL_STYLE);
  EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON) << "not the default button";
  const LONG_PTR boxStyle = GetWindowLongPtrW(c.txtFilePath, GWL_STYLE);
  EXPECT_FALSE(boxStyle & (ES_PASSWORD | ES_READONLY | ES_MULTILINE));

  EXPECT_EQ(tool_.focusedControl(), c.txtFilePath);
}

// Wine does not hand out another process's font, so the labels are compared
// with the driver's own rendering of their text in the expected font: Wine's
// substitute for Courier New draws both.
TEST_F(FirstLook, LabelsShowTheirTextInBlueCourierNew) {
  struct Expected {
    const char* name;
    HWND control;
    FontSettings font;
  };
  const Expected labels[] = {
      {"Label2 11.25 pt bold", tool_.controls().label2, {L"Courier New", 15, FW_BOLD}},
      {"Label4 8.25 pt", tool_.controls().label4, {L"Courier New", 11, FW_NORMAL}},
  };
  const RECT client = clientRectOnScreen(tool_.window());
  for (const Expected& expected : labels) {
    SCOPED_TRACE(expected.name);
    RECT label{};
    GetWindowRect(expected.control, &label);
    RECT visible{};
    IntersectRect(&visible, &label, &client);  // Label4 reaches past the window's edge
    const Pixels shown = captureScreen(visible);
    const std::uint32_t background = mostCommonColour(shown);
    const std::wstring text = windowText(expected.control);
    const SIZE size{visible.right - visible.left, visible.bottom - visible.top};
    const auto rendered = [&](const FontSettings& font) {
      return renderLabel(text, font, size, background, kBlue);
    };
    EXPECT_TRUE(contains(shown, kBlue)) << "the text is drawn in pure blue";
    const int differing = differingPixels(shown, rendered(expected.font));
    EXPECT_EQ(differing, 0) << "pixels that differ from the text drawn in the expected font";

    // The comparison tells fonts apart: one step smaller, or the other
    // weight, would be noticed.
    FontSettings smaller = expected.font;
    --smaller.pixelHeight;
    FontSettings otherWeight = expected.font;
    otherWeight.weight = expected.font.weight == FW_BOLD ? FW_NORMAL : FW_BOLD;
    EXPECT_GT(differingPixels(shown, rendered(smaller)), differing + 20);
    EXPECT_GT(differingPixels(shown, rendered(otherWeight)), differing + 20);
  }
}

// GetClassLongPtr on another process's window gives no icon under Wine: the
// picture is read from the executable's resources, and the title bar is
// checked for its colours.
TEST_F(FirstLook, IconIsTheBlackRedYellowTricolour) {
  const IconLookup icon = applicationIconPicture(driverSettings().tool, 32);
  ASSERT_TRUE(icon.picture) << icon.problem;
  const IconPicture& picture = *icon.picture;
  EXPECT_EQ(picture.bitsPerPixel, 4);
  ASSERT_EQ(picture.height, 32);
  ASSERT_EQ(picture.width, 32);
  for (int y = 0; y < 32; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    const bool transparent = y < 6 || y > 25;
    const std::uint32_t inner = y < 12 || y == 25 ? kBlack : y < 19 ? kRed : kYellow;
    for (int x = 0; x < 32; ++x) {
      const std::optional<std::uint32_t> expected =
          transparent ? std::nullopt : std::optional(x == 0 || x == 31 ? kBlack : inner);
      ASSERT_EQ(picture.rows[y][x], expected) << "column " << x;
    }
  }

  RECT frame{};
  GetWindowRect(tool_.window(), &frame);
  const RECT client = clientRectOnScreen(tool_.window());
  const Pixels titleBarStart = captureScreen({frame.left, frame.top, frame.left + 24, client.top});
  EXPECT_TRUE(contains(titleBarStart, kRed) && contains(titleBarStart, kYellow))
      << "the title bar shows the icon";
}

}  // namespace
}  // namespace end_to_end
