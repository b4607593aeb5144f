#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace main_window {

// Owners of the GDI and USER objects the window creates; each is released
// with the function its creator documents.
struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The screen's device context, for as long as its resolution is read.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace main_window
