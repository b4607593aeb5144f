#include "patching/update_procedure.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "patching/messages.h"
#include "tests/support/executable_like.h"
#include "tests/support/expected_table.h"
#include "tests/support/recording_host.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using patching::UpdateOutcome;
using test_support::messageCall;
using test_support::readBytes;
using test_support::RecordingHost;
using test_support::TemporaryFolder;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

const std::string kInvalidPath =
    messageCall("File Path is Invalid.  Enter correct path and try again.", "Error");
const std::string kCannotUpdate =
    messageCall("Can not update now.  Program has already been updated or File Path is invalid.",
                "Zelvar 2000");
const std::string kComplete = messageCall("Update is complete!", "Zelvar 2000");

// The calls each outcome must make, in this order: the wait label is hidden
// before the invalid-path box but only after the cannot-update box, and stays
// up while the program ends.
const std::vector<std::string> kInvalidPathCalls = {"wait label shown", "events processed",
                                                    "wait label hidden", kInvalidPath};
const std::vector<std::string> kCannotUpdateCalls = {"wait label shown", "events processed",
                                                     kCannotUpdate, "wait label hidden"};
const std::vector<std::string> kCompleteCalls = {"wait label shown", "events processed", kComplete,
                                                 "program ended"};

struct RunRecord {
  UpdateOutcome outcome;
  std::vector<std::string> calls;
};

RunRecord runOn(const std::filesystem::path& path) {
  RecordingHost host(path);
  const UpdateOutcome outcome = patching::runUpdate(host, *platform::makeFileSystem());
  return {outcome, host.calls()};
}

TEST(RunUpdate, APathThatNamesNoReadableFileIsInvalid) {
  TemporaryFolder folder;
  std::filesystem::create_directory(folder.path() / "Zelvar");
  const struct {
    const char* name;
    std::filesystem::path path;
  } cases[] = {
      {"a missing file", folder.path() / "Zelvar.exe"},
      {"a file in a missing folder", folder.path() / "missing" / "Zelvar.exe"},
      {"the empty path", std::filesystem::path()},
      {"a folder", folder.path() / "Zelvar"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunRecord run = runOn(c.path);
    EXPECT_EQ(run.outcome, UpdateOutcome::InvalidPath);
    EXPECT_EQ(run.calls, kInvalidPathCalls);
    EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "Zelvar"));
  }
}

Bytes patchedOnce(const Bytes& original) { return test_support::referenceUpdate(original).content; }

TEST(RunUpdate, AFileWithoutARequiredTextIsLeftAsItWas) {
  const Bytes complete = test_support::executableWithAllTexts(7);
  Bytes withoutEntry9 = complete;
  const Bytes entry9 = test_support::utf16le(test_support::expectedEntry(9).english);
  const auto at9 =
      std::search(withoutEntry9.begin(), withoutEntry9.end(), entry9.begin(), entry9.end());
  ASSERT_NE(at9, withoutEntry9.end());
  at9[2] = 'x';  // entries 1 to 8 are found and replaced in memory first
  const struct {
    const char* name;
    Bytes content;
  } cases[] = {
      {"no English text at all", test_support::executableLikeBytes(3, 20000)},
      {"zero bytes", {}},
      {"already patched", patchedOnce(complete)},
      {"entry 9 missing after the first eight", withoutEntry9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryFolder folder;
    const auto target = folder.write("Zelvar.exe", c.content);
    const RunRecord run = runOn(target);
    EXPECT_EQ(run.outcome, UpdateOutcome::CannotUpdate);
    EXPECT_EQ(run.calls, kCannotUpdateCalls);
    EXPECT_EQ(readBytes(target), c.content);
    EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
  }
}

TEST(RunUpdate, CompletesOnAnExecutableLikeFileAndRefusesASecondTime) {
  TemporaryFolder folder;
  const Bytes original = test_support::executableWithAllTexts(11);
  const auto target = folder.write("Zelvar.exe", original);

  const RunRecord first = runOn(target);
  EXPECT_EQ(first.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(first.calls, kCompleteCalls);
  const Bytes patched = readBytes(target);
  EXPECT_EQ(patched, patchedOnce(original));
  EXPECT_NE(patched, original);
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));

  const RunRecord second = runOn(target);
  EXPECT_EQ(second.outcome, UpdateOutcome::CannotUpdate);
  EXPECT_EQ(second.calls, kCannotUpdateCalls);
  EXPECT_EQ(readBytes(target), patched);
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

TEST(RunUpdate, CompletesWithoutAWordAboutMissingOptionalTexts) {
  Bytes original = test_support::executableLikeBytes(5, 30000);
  std::size_t offset = 1001;
  for (const auto& entry : test_support::expectedEntries()) {
    if (!entry.required) continue;
    const Bytes wide = test_support::utf16le(entry.english);
    test_support::put(original, offset, wide);
    offset += wide.size() + 1001;
  }
  TemporaryFolder folder;
  const auto target = folder.write("Zelvar.exe", original);
  const RunRecord run = runOn(target);
  EXPECT_EQ(run.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(run.calls, kCompleteCalls);
  EXPECT_EQ(readBytes(target), patchedOnce(original));
}

TEST(RunUpdate, TwoFailedRunsInARowEachReportTheirOwnOutcome) {
  TemporaryFolder folder;
  const Bytes notZelvar = test_support::executableLikeBytes(9, 5000);
  const auto target = folder.write("Zelvar.exe", notZelvar);
  RecordingHost host(target);
  const auto files = platform::makeFileSystem();
  EXPECT_EQ(patching::runUpdate(host, *files), UpdateOutcome::CannotUpdate);
  EXPECT_EQ(patching::runUpdate(host, *files), UpdateOutcome::CannotUpdate);
  std::vector<std::string> twice = kCannotUpdateCalls;
  twice.insert(twice.end(), kCannotUpdateCalls.begin(), kCannotUpdateCalls.end());
  EXPECT_EQ(host.calls(), twice);
  EXPECT_EQ(readBytes(target), notZelvar);
}

#ifdef ZELVAR_STAND_IN
std::string outputOf(const std::filesystem::path& program, const TemporaryFolder& folder) {
  const std::filesystem::path output = folder.path() / "output.txt";
  const std::string command =
      "\"" + test_support::utf8(program) + "\" > \"" + test_support::utf8(output) + "\"";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  const Bytes bytes = readBytes(output);
  std::filesystem::remove(output);
  return {bytes.begin(), bytes.end()};
}

std::string shownAsTheStandInShowsThem(bool german) {
  std::string lines;
  for (const auto& entry : test_support::expectedEntries()) {
    lines += "[";
    for (const char16_t c : german ? entry.german : entry.english) {
      lines += c == u'\u00fc' ? std::string("\xC3\xBC") : std::string(1, static_cast<char>(c));
    }
    lines += "]\n";
  }
  return lines;
}

TEST(RunUpdate, TurnsTheStandInExecutableGerman) {
  TemporaryFolder folder;
  const std::filesystem::path target = folder.path() / "Zelvar.exe";
  std::filesystem::copy_file(ZELVAR_STAND_IN, target);
  const Bytes original = readBytes(target);
  const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
  ASSERT_TRUE(expected.complete);
  ASSERT_EQ(outputOf(target, folder), shownAsTheStandInShowsThem(false));

  const RunRecord run = runOn(target);
  EXPECT_EQ(run.outcome, UpdateOutcome::Complete);
  EXPECT_EQ(run.calls, kCompleteCalls);
  EXPECT_EQ(readBytes(target), expected.content);
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
  EXPECT_EQ(outputOf(target, folder), shownAsTheStandInShowsThem(true));
}
#endif

}  // namespace
