#pragma once

#include <filesystem>
#include <string_view>

namespace platform::win32 {

// A name in the target's folder that no file had a moment ago, such as
// "Zelvar.exe.update-3f9a0c21": the target's name, the purpose, a random part.
// `target` is absolute.
std::filesystem::path siblingName(const std::filesystem::path& target, std::wstring_view purpose);

}  // namespace platform::win32
