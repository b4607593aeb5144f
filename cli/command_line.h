#pragma once

#include <filesystem>
#include <span>

namespace cli {

struct CommandLine {
  enum class Action { Update, Check, Help, Version, WrongUsage };
  Action action = Action::WrongUsage;
  std::filesystem::path target;
};

// Arguments after the program name.
CommandLine parseCommandLine(std::span<const std::filesystem::path> arguments);

extern const char* const kUsageText;

}  // namespace cli
