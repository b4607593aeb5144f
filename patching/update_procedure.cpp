#include "patching/update_procedure.h"

#include "patching/apply_patches.h"
#include "patching/messages.h"
#include "patching/safe_rewrite.h"
#include "patching/wide_patch_table.h"

namespace patching {

UpdateOutcome runUpdate(UpdateHost& host, platform::FileSystem& files) {
  host.setWaitLabelVisible(true);
  host.processPendingEvents();
  const WidePatchTable table = widenedPatchTable();
  const std::filesystem::path target = host.filePath();

  if (!files.probeReadable(target)) {
    host.setWaitLabelVisible(false);
    host.showMessage(kInvalidPathPrompt, kErrorTitle);
    return UpdateOutcome::InvalidPath;
  }

  auto image = files.readWhole(target);
  if (!image) {
    host.showMessage(readFailedPrompt(target, image.error()), kErrorTitle);
    host.setWaitLabelVisible(false);
    return UpdateOutcome::FileFailed;
  }
  const std::span<std::uint8_t> fileText = (*image)->bytes();

  const PatchResult patched = applyPatches(table, fileText);
  if (patched.firstMissingRequired) {
    host.showMessage(kCannotUpdatePrompt, kProgramTitle);
    host.setWaitLabelVisible(false);
    return UpdateOutcome::CannotUpdate;
  }

  if (auto rewritten = rewriteSafely(files, target, fileText, patched.changed); !rewritten) {
    host.showMessage(writeFailedPrompt(target, rewritten.error().error, rewritten.error().leftover),
                     kErrorTitle);
    host.setWaitLabelVisible(false);
    return UpdateOutcome::FileFailed;
  }

  host.showMessage(kCompletePrompt, kProgramTitle);
  host.endProgram();
  return UpdateOutcome::Complete;
}

}  // namespace patching
