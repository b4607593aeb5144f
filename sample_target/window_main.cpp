// Shows the stand-in's texts in a window, so that after the update it is
// plain to see that the program speaks German.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "sample_target/screen_texts.h"

namespace {

constexpr int kMargin = 8;
constexpr int kFontHeight = 13;

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct WindowDcDeleter {
  HWND window;
  void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
using UniqueWindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, WindowDcDeleter>;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

int lengthOf(const char16_t* text) {
  return static_cast<int>(std::char_traits<char16_t>::length(text));
}

// The height of a line and the width of the longest text in the font.
SIZE textBlockSize(HFONT font) {
  UniqueWindowDc screen(GetDC(nullptr), WindowDcDeleter{nullptr});
  SelectObject(screen.get(), font);
  SIZE block{0, 0};
  for (const char16_t* text : sample_target::kScreenTexts) {
    SIZE line{};
    GetTextExtentPoint32W(screen.get(), wide(text), lengthOf(text), &line);
    block.cx = std::max(block.cx, line.cx);
    block.cy = line.cy;
  }
  block.cy *= static_cast<LONG>(sample_target::kScreenTextCount);
  return block;
}

void paintTexts(HWND window, HFONT font) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int y = kMargin;
  for (const char16_t* text : sample_target::kScreenTexts) {
    TextOutW(dc, kMargin, y, wide(text), lengthOf(text));
    y += metrics.tmHeight;
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT:
      paintTexts(window, reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA)));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const UniqueFont font(CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
  if (!font) return 1;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"ZelvarStandIn";
  if (RegisterClassW(&windowClass) == 0) return 1;

  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const SIZE block = textBlockSize(font.get());
  RECT frame{0, 0, block.cx + 2 * kMargin, block.cy + 2 * kMargin};
  AdjustWindowRect(&frame, kStyle, FALSE);
  // Top left, clear of a window centred on a 1024 x 768 screen.
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Zelvar 2000", kStyle, 0, 0,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, font.get());
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
