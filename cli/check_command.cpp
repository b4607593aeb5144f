#include "cli/check_command.h"

#include <cstdio>
#include <string>

#include "cli/console_host.h"
#include "patching/messages.h"
#include "patching/patch_check.h"
#include "platform/console.h"

namespace cli {
namespace {

std::string entryLine(const patching::PatchCheck& check, int entry) {
  const auto& at = check.wouldApply.replacedAt[entry];
  char line[160];
  std::snprintf(line, sizeof line, "entry %2d  %-8s  English %-28s  German %s\n", entry,
                patching::isRequired(entry) ? "required" : "optional",
                at ? ("at offset " + std::to_string(*at)).c_str() : "not found",
                check.germanPresent[entry] ? "present" : "absent");
  return line;
}

}  // namespace

ExitStatus runCheck(platform::FileSystem& files, const std::filesystem::path& target) {
  if (!files.probeReadable(target)) {
    printMessage(patching::kInvalidPathPrompt, patching::kErrorTitle);
    return kInvalidPath;
  }
  auto image = files.readWhole(target);
  if (!image) {
    printMessage(patching::readFailedPrompt(target, image.error()), patching::kErrorTitle);
    return kFileFailed;
  }
  const patching::PatchCheck check = patching::checkPatches((*image)->bytes());
  std::string report;
  for (int entry = patching::kFirstEntry; entry <= patching::kLastEntry; ++entry) {
    report += entryLine(check, entry);
  }
  if (const auto missing = check.wouldApply.firstMissingRequired) {
    report += "An update would not complete: the English text of required entry " +
              std::to_string(*missing) + " is missing.\n";
  } else {
    report += "An update would complete.\n";
  }
  platform::printOut(report);
  return check.wouldApply.firstMissingRequired ? kCannotUpdate : kComplete;
}

}  // namespace cli
