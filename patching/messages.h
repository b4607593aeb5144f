#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace patching {

inline constexpr std::string_view kInvalidPathPrompt =
    "File Path is Invalid.  Enter correct path and try again.";
inline constexpr std::string_view kCannotUpdatePrompt =
    "Can not update now.  Program has already been updated or File Path is invalid.";
inline constexpr std::string_view kCompletePrompt = "Update is complete!";
inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kProgramTitle = "Zelvar 2000";

std::string readFailedPrompt(const std::filesystem::path& file, const platform::FileError& error);

// leftover: a temporary file that could not be removed again, or empty.
std::string writeFailedPrompt(const std::filesystem::path& file, const platform::FileError& error,
                              const std::filesystem::path& leftover);

}  // namespace patching
