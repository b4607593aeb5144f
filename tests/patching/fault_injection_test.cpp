// Every file operation of an update, made to fail in turn: the target must
// never be left half-written, nothing else may stay in its folder, and the
// user must learn which file the failure concerns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patching/messages.h"
#include "patching/update_procedure.h"
#include "tests/support/executable_like.h"
#include "tests/support/fault_injecting_file_system.h"
#include "tests/support/recording_host.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using patching::UpdateOutcome;
using test_support::FaultInjectingFileSystem;
using test_support::FaultMode;
using test_support::readBytes;
using test_support::RecordingHost;
using test_support::TemporaryFolder;
using testing::ElementsAre;
using testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

struct FaultyRun {
  UpdateOutcome outcome;
  std::vector<std::string> calls;
  std::string prompt;
  std::vector<std::string> operations;
};

FaultyRun runWith(const std::filesystem::path& target,
                  const std::function<void(FaultInjectingFileSystem&)>& plan) {
  const auto real = platform::makeFileSystem();
  FaultInjectingFileSystem files(*real);
  plan(files);
  RecordingHost host(target);
  const UpdateOutcome outcome = patching::runUpdate(host, files);
  return {outcome, host.calls(), host.lastPrompt(), files.operations()};
}

std::string quoted(const std::filesystem::path& file) {
  return "\"" + test_support::utf8(file) + "\"";
}

class FaultInjection : public testing::Test {
 protected:
  TemporaryFolder folder;
  const Bytes original = test_support::executableWithAllTexts(23);
  const Bytes patched = test_support::referenceUpdate(original).content;
  const std::filesystem::path target = folder.write("Zelvar.exe", original);
};

TEST_F(FaultInjection, AnUndisturbedRunCompletes) {
  const FaultyRun clean = runWith(target, [](FaultInjectingFileSystem&) {});
  EXPECT_EQ(clean.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(readBytes(target), patched);
  // Every operation is one that can fail, and the run needs the reading and
  // the replacing ones at least.
  EXPECT_THAT(clean.operations, testing::IsSupersetOf({"probeReadable", "readWhole", "replace"}));
}

TEST_F(FaultInjection, AFailureAtAnyStepLeavesTheOldFileOrTheNewOneAndNothingElse) {
  const std::size_t operationCount =
      runWith(target, [](FaultInjectingFileSystem&) {}).operations.size();
  test_support::writeBytes(target, original);
  ASSERT_GE(operationCount, 3u);
  for (const FaultMode mode : {FaultMode::FailBefore, FaultMode::FailAfter}) {
    // One past the last operation: the fault never strikes.
    for (std::size_t number = 1; number <= operationCount + 1; ++number) {
      test_support::writeBytes(target, original);
      const FaultyRun run = runWith(target, [&](FaultInjectingFileSystem& files) {
        files.failOperation(static_cast<int>(number), mode);
      });
      const bool struck = number <= operationCount;
      const std::string failed = struck ? run.operations[number - 1] : "nothing";
      SCOPED_TRACE(std::string(mode == FaultMode::FailBefore ? "before " : "after ") + failed);

      const Bytes after = readBytes(target);
      EXPECT_TRUE(after == original || after == patched) << "the target is a mixture";
      if (struck && mode == FaultMode::FailBefore) {
        EXPECT_EQ(after, original) << "nothing happened, yet the target changed";
      }
      EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));

      if (!struck) {
        EXPECT_EQ(run.outcome, UpdateOutcome::Complete);
        EXPECT_EQ(after, patched);
      } else if (failed == "probeReadable") {
        EXPECT_EQ(run.outcome, UpdateOutcome::InvalidPath);
        EXPECT_EQ(run.prompt, patching::kInvalidPathPrompt);
      } else {
        EXPECT_EQ(run.outcome, UpdateOutcome::FileFailed);
        EXPECT_THAT(run.prompt, HasSubstr(quoted(target)));
        EXPECT_THAT(run.prompt, HasSubstr(FaultInjectingFileSystem::injectedReason(failed)));
        EXPECT_THAT(run.calls,
                    ElementsAre("wait label shown", "events processed",
                                testing::StartsWith("message [Error] "), "wait label hidden"));
      }
    }
  }
}

TEST_F(FaultInjection, ATemporaryFileThatCannotBeRemovedIsNamed) {
  const std::vector<std::string> clean =
      runWith(target, [](FaultInjectingFileSystem&) {}).operations;
  test_support::writeBytes(target, original);
  const auto created = std::find(clean.begin(), clean.end(), "createBeside");
  ASSERT_LT(created + 1, clean.end());
  const auto createdAt = static_cast<std::size_t>(created - clean.begin()) + 1;

  const struct {
    const char* name;
    platform::FileErrorKind removeError;
    bool leftoverNamed;
  } cases[] = {
      {"removal refused", platform::FileErrorKind::AccessDenied, true},
      {"already gone", platform::FileErrorKind::NotFound, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The first operation after the temporary file exists fails.
    const FaultyRun run = runWith(target, [&](FaultInjectingFileSystem& files) {
      files.failOperation(static_cast<int>(createdAt + 1), FaultMode::FailBefore);
      files.failEveryRemove(c.removeError);
    });
    EXPECT_EQ(run.outcome, UpdateOutcome::FileFailed);
    EXPECT_EQ(readBytes(target), original);
    EXPECT_EQ(run.operations.back(), "remove");

    std::vector<std::string> leftovers;
    for (const std::string& name : folder.entryNames()) {
      if (name != "Zelvar.exe") leftovers.push_back(name);
    }
    ASSERT_EQ(leftovers.size(), 1u) << "the temporary file stays, since its removal failed";
    EXPECT_THAT(run.prompt, HasSubstr(quoted(target)));
    if (c.leftoverNamed) {
      // The name as the file layer spells the folder may differ; the file's own name may not.
      EXPECT_THAT(run.prompt, HasSubstr(leftovers.front()));
    } else {
      EXPECT_THAT(run.prompt, testing::Not(HasSubstr(leftovers.front())));
    }
    std::filesystem::remove(folder.path() / leftovers.front());
  }
}

}  // namespace
