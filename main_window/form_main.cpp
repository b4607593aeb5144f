#include "main_window/form_main.h"

#include <string>
#include <system_error>

#include "main_window/resource_ids.h"
#include "main_window/twips.h"
#include "main_window/window_update_host.h"
#include "patching/update_procedure.h"
#include "platform/file_system.h"

namespace main_window {

namespace {

constexpr wchar_t kClassName[] = L"frmMain";
// A fixed single border: no sizing frame and no maximize button.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kFallbackDotsPerInch = 96;

[[noreturn]] void throwLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

int screenDotsPerInch() {
  const ScreenDc screen;
  const int dotsPerInch = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dotsPerInch > 0 ? dotsPerInch : kFallbackDotsPerInch;
}

UniqueIcon loadApplicationIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(ZGP_APPLICATION_ICON), IMAGE_ICON,
                 GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR)));
}

UniqueFont createFont(const FontSettings& settings, int dotsPerInch) {
  LOGFONTW font{};
  font.lfHeight = -pixelsFromHundredthsOfPoint(settings.hundredthsOfPoint, dotsPerInch);
  font.lfWeight = settings.weight;
  font.lfCharSet = ANSI_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  settings.face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass controlClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
      break;
  }
  return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
}

}  // namespace

FormMain::FormMain(HINSTANCE instance)
    : instance_(instance),
      icon_(loadApplicationIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(loadApplicationIcon(instance, SM_CXSMICON, SM_CYSMICON)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FormMain::windowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon_.get();
  windowClass.hIconSm = smallIcon_.get();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) throwLastError("RegisterClassExW");

  const int dotsPerInch = screenDotsPerInch();
  RECT frame{0, 0, pixelsFromTwips(kClientWidthTwips, dotsPerInch),
             pixelsFromTwips(kClientHeightTwips, dotsPerInch)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const std::wstring caption(kStoredCaption);
  // Hidden until the start-up guard has run; WM_NCCREATE stores window_.
  if (CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, left, top, width, height,
                      nullptr, nullptr, instance, this) == nullptr) {
    throwLastError("CreateWindowExW");
  }
  createControls(dotsPerInch);
}

FormMain::~FormMain() {
  if (window_ != nullptr) DestroyWindow(window_);
  UnregisterClassW(kClassName, instance_);
}

void FormMain::createControls(int dotsPerInch) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const ControlSettings& settings = kControls[i];
    const ControlClass kind = controlClass(settings.kind);
    const DWORD style = WS_CHILD | kind.style | (settings.visibleAtStart ? WS_VISIBLE : 0);
    const std::wstring text(settings.text);
    const HWND control = CreateWindowExW(
        kind.extendedStyle, kind.name, text.c_str(), style,
        pixelsFromTwips(settings.rect.left, dotsPerInch),
        pixelsFromTwips(settings.rect.top, dotsPerInch),
        pixelsFromTwips(settings.rect.width, dotsPerInch),
        pixelsFromTwips(settings.rect.height, dotsPerInch), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(settings.id)), instance_, nullptr);
    if (control == nullptr) throwLastError("CreateWindowExW");
    controls_[i] = control;
    if (settings.font) fonts_[i] = createFont(*settings.font, dotsPerInch);
    const HGDIOBJ font = fonts_[i] ? fonts_[i].get() : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  // No limit on the path's length.
  SendMessageW(control(ControlId::TxtFilePath), EM_SETLIMITTEXT, 0, 0);
}

HWND FormMain::control(ControlId id) const {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (kControls[i].id == id) return controls_[i];
  }
  return nullptr;
}

bool FormMain::hasBlueText(HWND control) const {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (controls_[i] == control) return kControls[i].blueText;
  }
  return false;
}

void FormMain::unload() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void FormMain::show(int showCommand) {
  shown_ = true;
  focusToRestore_ = control(ControlId::TxtFilePath);
  ShowWindow(window_, showCommand);
  if (GetActiveWindow() == window_) SetFocus(focusToRestore_);
}

int FormMain::runMessageLoop() {
  MSG message{};
  while (true) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(message.wParam);
    if (result == -1) throwLastError("GetMessageW");
    dispatch(message);
  }
}

void FormMain::processPendingEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The window is gone; the outer message loop must see the quit too.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

void FormMain::dispatch(MSG& message) {
  if (handleKeyboard(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool FormMain::handleKeyboard(MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  // The window has neither a default nor a cancel button: Escape means
  // nothing, and Enter only presses the button that has the focus. Left to
  // IsDialogMessageW, Enter would become a command for the default button.
  if (message.message == WM_KEYDOWN &&
      (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    if (message.wParam == VK_RETURN && message.hwnd == control(ControlId::CmdUpdate)) {
      SendMessageW(message.hwnd, BM_CLICK, 0, 0);
    }
    return true;
  }
  // Tab and Shift+Tab between the text box and the button, Space on the button.
  return IsDialogMessageW(window_, &message) != 0;
}

void FormMain::rememberFocus() {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus)) focusToRestore_ = focus;
}

void FormMain::onActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    rememberFocus();
  } else if (HIWORD(wParam) == 0 && focusToRestore_ != nullptr) {
    SetFocus(focusToRestore_);
  }
}

void FormMain::runUpdate() {
  // A message box disables the window, which drops the focus before the
  // window hears that it is no longer active.
  rememberFocus();
  WindowUpdateHost host(*this);
  patching::runUpdate(host, *platform::makeFileSystem());
}

LRESULT CALLBACK FormMain::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<FormMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<FormMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->handleMessage(window, message, wParam, lParam);
}

LRESULT FormMain::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (hasBlueText(reinterpret_cast<HWND>(lParam))) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kBlue);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == static_cast<WORD>(ControlId::CmdUpdate) &&
          HIWORD(wParam) == BN_CLICKED) {
        runUpdate();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      onActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      if (focusToRestore_ != nullptr) SetFocus(focusToRestore_);
      return 0;
    case WM_DESTROY:
      // A window unloaded by the start-up guard must not end the message loop
      // of the refusal box that follows.
      if (shown_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      controls_ = {};
      focusToRestore_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace main_window
