#include "cli/console_host.h"

#include <string>

#include "patching/messages.h"
#include "platform/console.h"

namespace cli {

void printMessage(std::string_view prompt, std::string_view title) {
  const std::string line = std::string(title) + ": " + std::string(prompt) + "\n";
  if (prompt == patching::kCompletePrompt) {
    platform::printOut(line);
  } else {
    platform::printError(line);
  }
}

void ConsoleHost::showMessage(std::string_view prompt, std::string_view title) {
  printMessage(prompt, title);
}

}  // namespace cli
