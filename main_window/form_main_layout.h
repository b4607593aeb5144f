#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace main_window {

// frmMain: its caption, size and controls, in twips and points.

inline constexpr std::wstring_view kStoredCaption = L"[_ Zelvar 2000 _|";
inline constexpr int kClientWidthTwips = 6705;
inline constexpr int kClientHeightTwips = 2730;

enum class ControlKind { Label, TextBox, CommandButton };

// Also the child window identifiers; clear of IDOK and IDCANCEL, so a dialog
// key that reaches the window as a command presses nothing.
enum class ControlId : int { Label2 = 100, TxtFilePath, Label4, CmdUpdate, LblWait };

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct FontSettings {
  std::wstring_view face;
  int hundredthsOfPoint;
  int weight;
};

struct ControlSettings {
  ControlId id;
  ControlKind kind;
  std::wstring_view text;
  TwipsRect rect;
  std::optional<FontSettings> font;  // none: the window's default font
  bool blueText;
  bool visibleAtStart;
};

inline constexpr int kBold = 700;
inline constexpr int kNormal = 400;

// In tab order, which is also the order of creation.
inline constexpr std::array<ControlSettings, 5> kControls{{
    {ControlId::Label2,
     ControlKind::Label,
     L"Zelvar 2000 German Language Patch",
     {840, 120, 5415, 495},
     FontSettings{L"Courier New", 1125, kBold},
     true,
     true},
    {ControlId::TxtFilePath,
     ControlKind::TextBox,
     L"C:\\Programme\\Zelvar\\Zelvar.exe",
     {240, 1440, 6255, 375},
     FontSettings{L"Courier New", 975, kNormal},
     false,
     true},
    {ControlId::Label4,
     ControlKind::Label,
     L"Please Enter the Path of the Zelvar Executable Program:",
     {0, 960, 6735, 375},
     FontSettings{L"Courier New", 825, kNormal},
     true,
     true},
    {ControlId::CmdUpdate,
     ControlKind::CommandButton,
     L"Perform Update",
     {2280, 2160, 1935, 375},
     std::nullopt,
     false,
     true},
    {ControlId::LblWait,
     ControlKind::Label,
     L"Please Wait...",
     {4560, 2160, 2055, 255},
     FontSettings{L"MS Sans Serif", 1200, kBold},
     false,
     false},
}};

}  // namespace main_window
