#include "platform/win32/sibling_name.h"

#include <windows.h>

#include <cwchar>
#include <random>

namespace platform::win32 {

std::filesystem::path siblingName(const std::filesystem::path& target, std::wstring_view purpose) {
  static std::mt19937 random{std::random_device{}()};
  for (;;) {
    wchar_t suffix[16];
    std::swprintf(suffix, sizeof suffix / sizeof suffix[0], L"-%08x",
                  static_cast<unsigned>(random()));
    std::filesystem::path name = target;
    name += L".";
    name += purpose;
    name += suffix;
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) return name;
  }
}

}  // namespace platform::win32
