#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace end_to_end {

// Owners for the Win32 handles the driver opens; each closes its handle in
// the way the API documents for it.
template <class Handle, auto close>
struct HandleCloser {
  void operator()(Handle handle) const { close(handle); }
};
template <class Handle, auto close>
using UniqueHandleOf = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, close>>;

using UniqueHandle = UniqueHandleOf<HANDLE, &CloseHandle>;
using UniqueModule = UniqueHandleOf<HMODULE, &FreeLibrary>;
using UniqueMemoryDc = UniqueHandleOf<HDC, &DeleteDC>;
using UniqueFont = UniqueHandleOf<HFONT, &DeleteObject>;
using UniqueBitmap = UniqueHandleOf<HBITMAP, &DeleteObject>;
using UniqueWindow = UniqueHandleOf<HWND, &DestroyWindow>;

inline void releaseScreenDc(HDC dc) { ReleaseDC(nullptr, dc); }
using UniqueScreenDc = UniqueHandleOf<HDC, &releaseScreenDc>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not as a null handle.
inline UniqueHandle ownFileHandle(HANDLE file) {
  return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Puts an object into a DC for as long as it lives, and the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace end_to_end
