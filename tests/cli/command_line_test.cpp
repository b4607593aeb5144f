// zelvar-german-patch as its users meet it: arguments, exit status, output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/platform_posix/child_process.h"
#include "tests/support/executable_like.h"
#include "tests/support/expected_table.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using posix_test::ChildResult;
using test_support::readBytes;
using test_support::TemporaryFolder;
using testing::ElementsAre;
using testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

const std::string kInvalidPath =
    "Error: File Path is Invalid.  Enter correct path and try again.\n";
const std::string kCannotUpdate =
    "Zelvar 2000: Can not update now.  Program has already been updated or File Path is "
    "invalid.\n";
const std::string kComplete = "Zelvar 2000: Update is complete!\n";

ChildResult patcher(const std::vector<std::string>& arguments) {
  return posix_test::runProgram(PATCHER, arguments);
}

TEST(CommandLine, HelpVersionAndWrongUsage) {
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
    bool usageOnStdout;
    bool usageOnStderr;
  } cases[] = {
      {{"--help"}, 0, true, false},
      {{}, 64, false, true},
      {{"--bogus"}, 64, false, true},
      {{"--check"}, 64, false, true},
      {{"--help", "extra"}, 64, false, true},
      {{"one", "two"}, 64, false, true},
      {{"--check", "a", "b"}, 64, false, true},
  };
  for (const auto& c : cases) {
    const ChildResult run = patcher(c.arguments);
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out.starts_with("Usage: zelvar-german-patch PATH"), c.usageOnStdout) << run.out;
    EXPECT_EQ(run.err.starts_with("Usage: zelvar-german-patch PATH"), c.usageOnStderr) << run.err;
    EXPECT_EQ(c.usageOnStdout ? std::string() : run.out, "");
    EXPECT_EQ(c.usageOnStderr ? std::string() : run.err, "");
  }

  const ChildResult version = patcher({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("zelvar-german-patch ") + PATCHER_VERSION + "\n");
  EXPECT_EQ(version.err, "");
}

class PatcherOnAFile : public testing::Test {
 protected:
  TemporaryFolder folder;
  const Bytes original = readBytes(ZELVAR_STAND_IN);
  const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
  const std::filesystem::path target = folder.write("Zelvar.exe", original);
};

TEST_F(PatcherOnAFile, EachOutcomeHasItsExitStatusAndMessage) {
  ASSERT_TRUE(expected.complete);
  const ChildResult first = patcher({target.string()});
  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.out, kComplete);
  EXPECT_EQ(first.err, "");
  EXPECT_EQ(readBytes(target), expected.content);

  const ChildResult second = patcher({target.string()});
  EXPECT_EQ(second.exitCode, 1);
  EXPECT_EQ(second.out, "");
  EXPECT_EQ(second.err, kCannotUpdate);
  EXPECT_EQ(readBytes(target), expected.content);

  for (const std::string& invalid :
       {(folder.path() / "missing.exe").string(), std::string(), folder.path().string()}) {
    const ChildResult run = patcher({invalid});
    EXPECT_EQ(run.exitCode, 2) << invalid;
    EXPECT_EQ(run.err, kInvalidPath) << invalid;
  }
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

TEST_F(PatcherOnAFile, APathThatLooksLikeAnOptionFollowsTwoDashes) {
  const std::filesystem::path dashed = folder.write("--Zelvar.exe", original);
  posix_test::ChildOptions inFolder;
  inFolder.workingFolder = folder.path();
  const ChildResult run = posix_test::runProgram(PATCHER, {"--", "--Zelvar.exe"}, inFolder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(readBytes(dashed), expected.content);
}

struct CheckLine {
  int entry;
  std::string kind;
  std::optional<std::size_t> offset;
  bool germanPresent;
};

// Reads the entry lines of --check's report and returns the lines after them.
std::vector<CheckLine> entryLines(const std::string& report, std::vector<std::string>& rest) {
  const std::regex line(
      R"(entry +(\d+)  (required|optional)  English (at offset (\d+)|not found) +German (present|absent))");
  std::vector<CheckLine> lines;
  std::istringstream stream(report);
  for (std::string text; std::getline(stream, text);) {
    std::smatch match;
    if (std::regex_match(text, match, line)) {
      lines.push_back(
          {std::stoi(match[1]), match[2],
           match[4].matched ? std::optional<std::size_t>(std::stoull(match[4])) : std::nullopt,
           match[5] == "present"});
    } else {
      rest.push_back(text);
    }
  }
  return lines;
}

void expectReportMatches(const ChildResult& run, const Bytes& content) {
  const test_support::ReferenceUpdate reference = test_support::referenceUpdate(content);
  std::vector<std::string> rest;
  const std::vector<CheckLine> lines = entryLines(run.out, rest);
  ASSERT_EQ(lines.size(), 13u) << run.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& entry = test_support::expectedEntries()[i];
    SCOPED_TRACE("entry " + std::to_string(entry.number));
    EXPECT_EQ(lines[i].entry, entry.number);
    EXPECT_EQ(lines[i].kind, entry.required ? "required" : "optional");
    EXPECT_EQ(lines[i].offset, reference.replacedAt[entry.number]);
    const Bytes german = test_support::utf16le(entry.german);
    EXPECT_EQ(lines[i].germanPresent, std::search(content.begin(), content.end(), german.begin(),
                                                  german.end()) != content.end());
  }
  if (reference.complete) {
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(rest, ElementsAre("An update would complete."));
  } else {
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(rest, ElementsAre("An update would not complete: the English text of required "
                                  "entry " +
                                  std::to_string(reference.firstMissingRequired) + " is missing."));
  }
}

TEST_F(PatcherOnAFile, CheckReportsEveryEntryAndWritesNothing) {
  Bytes partial = test_support::executableWithAllTexts(31);
  const Bytes entry6 = test_support::utf16le(test_support::expectedEntry(6).english);
  auto at6 = std::search(partial.begin(), partial.end(), entry6.begin(), entry6.end());
  ASSERT_NE(at6, partial.end());
  at6[0] = 'x';  // entry 6 missing; entry 7 then still found on its own
  const Bytes german = test_support::utf16le(test_support::expectedEntry(11).german);
  test_support::put(partial, 333, german);

  const struct {
    const char* name;
    Bytes content;
  } cases[] = {
      {"the stand-in", original},
      {"the stand-in in German", expected.content},
      {"an executable without entry 6", partial},
      {"an empty file", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test_support::writeBytes(target, c.content);
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before), 0);
    const ChildResult run = patcher({"--check", target.string()});
    expectReportMatches(run, c.content);
    EXPECT_EQ(run.err, "");
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(readBytes(target), c.content);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
  }
}

TEST_F(PatcherOnAFile, CheckOfAnInvalidPathSaysSo) {
  const ChildResult run = patcher({"--check", (folder.path() / "missing.exe").string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_THAT(run.err, HasSubstr("File Path is Invalid.  Enter correct path and try again."));
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

}  // namespace
