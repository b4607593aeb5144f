#include "platform/console.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform {
namespace {

// A console shows UTF-16 text right whatever its code page; a pipe or a file
// gets the UTF-8 bytes.
void print(DWORD stream, std::string_view utf8) {
  const HANDLE handle = GetStdHandle(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty()) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = win32::wideFromUtf8(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  while (!utf8.empty()) {
    if (!WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) ||
        written == 0) {
      return;
    }
    utf8.remove_prefix(written);
  }
}

}  // namespace

void printOut(std::string_view utf8) { print(STD_OUTPUT_HANDLE, utf8); }

void printError(std::string_view utf8) { print(STD_ERROR_HANDLE, utf8); }

}  // namespace platform
