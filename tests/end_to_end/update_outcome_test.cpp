// A press of "Perform Update" for each kind of target: what the user is told,
// what "Please Wait..." shows meanwhile, and what becomes of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "message_box.h"
#include "polling.h"
#include "started_tool.h"
#include "test_files.h"
#include "tests/support/expected_table.h"
#include "tests/support/reference_patcher.h"

namespace end_to_end {
namespace {

constexpr std::wstring_view kInvalidPath =
    L"File Path is Invalid.  Enter correct path and try again.";
constexpr std::wstring_view kCannotUpdate =
    L"Can not update now.  Program has already been updated or File Path is invalid.";
constexpr std::wstring_view kComplete = L"Update is complete!";

std::vector<std::filesystem::path> contentOf(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    entries.push_back(entry.path());
  }
  std::ranges::sort(entries);
  return entries;
}

void expectPlainOkBox(const MessageBoxView& box) {
  EXPECT_EQ(box.visibleButtonIds, std::vector<int>{IDOK}) << "a single OK button";
  EXPECT_FALSE(box.showsIcon);
}

class UpdateOutcome : public StartedTool {
 protected:
  ScratchFolder scratch_{L"update-outcome"};
};

TEST_F(UpdateOutcome, InvalidPathsAreReportedAndNothingIsCreated) {
  std::filesystem::create_directories(scratch_.path() / L"Zelvar");
  struct Case {
    const char* name;
    std::filesystem::path path;
  };
  const Case cases[] = {
      {"a file that does not exist", scratch_.path() / L"Zelvar" / L"Zelvar.exe"},
      {"empty", L""},
      {"a folder", scratch_.path() / L"Zelvar"},
  };
  const auto before = contentOf(scratch_.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tool_.enterPath(c.path.wstring());
    ASSERT_EQ(tool_.pathText(), c.path.wstring());
    const auto box = tool_.clickUpdateAndWaitForMessage();
    ASSERT_TRUE(box);
    EXPECT_FALSE(tool_.waitLabelVisible()) << "hidden before the box appears";
    EXPECT_EQ(box->title, L"Error");
    EXPECT_EQ(box->text, kInvalidPath);
    expectPlainOkBox(*box);
    ASSERT_TRUE(dismissWithEnter(*box));
    EXPECT_FALSE(tool_.waitLabelVisible());
    EXPECT_EQ(tool_.pathText(), c.path.wstring()) << "the typed path is kept";
    EXPECT_EQ(contentOf(scratch_.path()), before) << "nothing was created";
  }
}

TEST_F(UpdateOutcome, FilesThatCannotBeUpdatedStayAsTheyWere) {
  const Bytes standIn = readBytes(driverSettings().standIn);
  Bytes oneLetterOff = standIn;
  {
    // "End of data" with a small e: letter case counts, and entry 9 is required.
    const Bytes english = test_support::utf16le(test_support::expectedEntry(9).english);
    auto at = std::search(oneLetterOff.begin(), oneLetterOff.end(), english.begin(), english.end());
    ASSERT_NE(at, oneLetterOff.end());
    const auto capitalE =
        at + 2 * std::u16string_view(test_support::expectedEntry(9).english).find(u'E');
    ASSERT_EQ(*capitalE, 'E');
    *capitalE = 'e';
  }
  Bytes noTexts(4096);
  for (std::size_t i = 0; i < noTexts.size(); ++i) noTexts[i] = static_cast<std::uint8_t>(i * 7);
  const test_support::ReferenceUpdate german = test_support::referenceUpdate(standIn);
  ASSERT_TRUE(german.complete);

  struct Case {
    const char* name;
    Bytes content;
  };
  const Case cases[] = {
      {"a file without the texts", noTexts},
      {"a required text in other letter case", oneLetterOff},
      {"already German", german.patched},
      {"an empty file", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path target = scratch_.path() / L"Zelvar.exe";
    writeBytes(target, c.content);
    tool_.enterPath(target.wstring());
    const auto box = tool_.clickUpdateAndWaitForMessage();
    ASSERT_TRUE(box);
    EXPECT_TRUE(tool_.waitLabelVisible()) << "visible while the box is shown";
    EXPECT_EQ(box->title, L"Zelvar 2000");
    EXPECT_EQ(box->text, kCannotUpdate);
    expectPlainOkBox(*box);
    ASSERT_TRUE(dismissWithEnter(*box));
    EXPECT_TRUE(waitUntil([&] { return !tool_.waitLabelVisible(); }, 2s)) << "hidden after";
    EXPECT_EQ(tool_.pathText(), target.wstring());
    EXPECT_TRUE(readBytes(target) == c.content) << "the file changed";
    EXPECT_EQ(contentOf(scratch_.path()), std::vector{target}) << "a file was left behind";
  }
}

// The complete run ends the tool, so every path needs a start of its own.
class CompleteUpdate : public UpdateOutcome,
                       public testing::WithParamInterface<std::filesystem::path> {};

TEST_P(CompleteUpdate, ReportsPatchesTheFileAndEndsAtOnce) {
  const std::filesystem::path target = scratch_.copyOfStandIn(GetParam());
  const Bytes original = readBytes(target);
  const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
  ASSERT_TRUE(expected.complete);

  tool_.enterPath(target.wstring());
  ASSERT_EQ(tool_.pathText(), target.wstring());
  const auto box = tool_.clickUpdateAndWaitForMessage();
  ASSERT_TRUE(box);
  EXPECT_TRUE(tool_.waitLabelVisible()) << "still visible with the completion message";
  EXPECT_EQ(box->title, L"Zelvar 2000");
  EXPECT_EQ(box->text, kComplete);
  expectPlainOkBox(*box);
  ASSERT_TRUE(dismissWithEnter(*box));
  const std::optional<DWORD> exitCode = tool_.program().waitForExit(2s);
  ASSERT_TRUE(exitCode) << "the tool is still running after OK";
  EXPECT_EQ(*exitCode, 0u);

  const Bytes patched = readBytes(target);
  ASSERT_EQ(patched.size(), original.size());
  EXPECT_TRUE(patched == expected.patched) << "the file differs from its German edition";
  EXPECT_EQ(contentOf(target.parent_path()), std::vector{target}) << "a file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CompleteUpdate,
    testing::Values(std::filesystem::path(L"Programme\\Zelvar\\Zelvar.exe"),
                    std::filesystem::path(L"Spiele \u00dcbersetzt \u00f1 \u65e5\u672c\\"
                                          L"Zelv\u00e4r Gr\u00f6\u00dfe.exe")),
    [](const testing::TestParamInfo<std::filesystem::path>& info) {
      return info.index == 0 ? std::string("AsciiPath") : std::string("NonAsciiPath");
    });

}  // namespace
}  // namespace end_to_end
