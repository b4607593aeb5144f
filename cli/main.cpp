#include <filesystem>
#include <vector>

#include "cli/check_command.h"
#include "cli/command_line.h"
#include "cli/console_host.h"
#include "cli/exit_status.h"
#include "patching/update_procedure.h"
#include "platform/console.h"
#include "platform/file_system.h"

namespace {

cli::ExitStatus exitStatusOf(patching::UpdateOutcome outcome) {
  switch (outcome) {
    case patching::UpdateOutcome::Complete:
      return cli::kComplete;
    case patching::UpdateOutcome::CannotUpdate:
      return cli::kCannotUpdate;
    case patching::UpdateOutcome::InvalidPath:
      return cli::kInvalidPath;
    case patching::UpdateOutcome::FileFailed:
      break;
  }
  return cli::kFileFailed;
}

template <class Char>
int run(int argc, Char** argv) {
  const std::vector<std::filesystem::path> arguments(argv + 1, argv + argc);
  const cli::CommandLine command = cli::parseCommandLine(arguments);
  using Action = cli::CommandLine::Action;
  switch (command.action) {
    case Action::Help:
      platform::printOut(cli::kUsageText);
      return cli::kComplete;
    case Action::Version:
      platform::printOut("zelvar-german-patch " ZGP_VERSION "\n");
      return cli::kComplete;
    case Action::WrongUsage:
      platform::printError(cli::kUsageText);
      return cli::kWrongUsage;
    case Action::Check:
      return cli::runCheck(*platform::makeFileSystem(), command.target);
    case Action::Update:
      break;
  }
  cli::ConsoleHost host(command.target);
  return exitStatusOf(patching::runUpdate(host, *platform::makeFileSystem()));
}

}  // namespace

// On Windows the arguments are taken as UTF-16, so that any path arrives intact.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) { return run(argc, argv); }
#else
int main(int argc, char** argv) { return run(argc, argv); }
#endif
