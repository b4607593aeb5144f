// A whole update through the Windows file layer, at a path that no 8-bit code
// page can spell.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "patching/messages.h"
#include "patching/update_procedure.h"
#include "platform/file_system.h"
#include "tests/support/executable_like.h"
#include "tests/support/recording_host.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using test_support::readBytes;
using ::testing::ElementsAre;

TEST(UpdateWithUnicodePathTest, UpdatesTheFileAndLeavesNothingElse) {
  test_support::TemporaryFolder base;
  const std::filesystem::path folder = base.path() / L"Zelvar \u00FC \u65E5\u672C";
  std::filesystem::create_directory(folder);
  const std::filesystem::path target = folder / L"Zelvar.exe";
  const std::vector<std::uint8_t> original = test_support::executableWithAllTexts(4);
  test_support::writeBytes(target, original);
  const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
  ASSERT_TRUE(expected.complete);

  test_support::RecordingHost host(target);
  const auto files = platform::makeFileSystem();
  EXPECT_EQ(patching::runUpdate(host, *files), patching::UpdateOutcome::Complete);
  EXPECT_EQ(host.lastPrompt(), patching::kCompletePrompt);
  EXPECT_EQ(readBytes(target), expected.content);
  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    entries.push_back(entry.path().filename());
  }
  EXPECT_THAT(entries, ElementsAre(std::filesystem::path(L"Zelvar.exe")));
}

TEST(UpdateWithUnicodePathTest, AMissingFileIsAnInvalidPath) {
  test_support::TemporaryFolder base;
  test_support::RecordingHost host(base.path() / L"\u65E5\u672C" / L"Zelvar.exe");
  const auto files = platform::makeFileSystem();
  EXPECT_EQ(patching::runUpdate(host, *files), patching::UpdateOutcome::InvalidPath);
  EXPECT_EQ(host.lastPrompt(), patching::kInvalidPathPrompt);
  EXPECT_TRUE(std::filesystem::is_empty(base.path()));
}

}  // namespace
