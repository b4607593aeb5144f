#include "cli/command_line.h"

namespace cli {

const char* const kUsageText =
    "Usage: zelvar-german-patch PATH          turn the Zelvar 2000 executable at PATH into the "
    "German edition\n"
    "       zelvar-german-patch --check PATH  show what an update would change; write nothing\n"
    "       zelvar-german-patch --help | --version\n"
    "\n"
    "Exit status: 0 updated (--check: an update would complete), 1 cannot update (already German\n"
    "or not Zelvar 2000), 2 invalid path, 3 reading or writing failed (file unchanged), 64 wrong "
    "usage.\n";

CommandLine parseCommandLine(std::span<const std::filesystem::path> arguments) {
  using Action = CommandLine::Action;
  const auto is = [](const std::filesystem::path& argument, std::u8string_view flag) {
    return argument.u8string() == flag;
  };
  const auto isOption = [](const std::filesystem::path& argument) {
    return argument.u8string().starts_with(u8"--");
  };
  if (arguments.size() == 1) {
    if (is(arguments[0], u8"--help")) return {Action::Help, {}};
    if (is(arguments[0], u8"--version")) return {Action::Version, {}};
    if (!isOption(arguments[0])) return {Action::Update, arguments[0]};
  }
  if (arguments.size() == 2 && is(arguments[0], u8"--check")) return {Action::Check, arguments[1]};
  // "--" ends the options, for a path that begins with two dashes.
  if (arguments.size() == 2 && is(arguments[0], u8"--")) return {Action::Update, arguments[1]};
  return {Action::WrongUsage, {}};
}

}  // namespace cli
