#include "platform/win32/wide_text.h"

#include <windows.h>

#include <climits>

namespace platform::win32 {

namespace {

// Texts here are messages and paths, far below INT_MAX characters; longer
// input is cut rather than overflowing the length argument.
int lengthArgument(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

std::wstring wideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = lengthArgument(utf8.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
  return wide;
}

std::string utf8FromWide(std::wstring_view wide) { return narrowFromWide(wide, CP_UTF8); }

std::string narrowFromWide(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int length = lengthArgument(wide.size());
  const int needed =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

}  // namespace platform::win32
