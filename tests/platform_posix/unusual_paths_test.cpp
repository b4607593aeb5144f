// Paths a Linux user may hand the patcher that are not plain short names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "tests/platform_posix/child_process.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using test_support::readBytes;
using testing::ElementsAre;

TEST(UnusualPaths, TargetsWithTheLongestNamesAreUpdated) {
  // 255 bytes is the most a name may have; the temporary file beside the
  // target must fit in that too. The second name has two-byte characters
  // where its temporary name has to be cut short.
  std::string umlauts = "a";
  for (int i = 0; i < 122; ++i) umlauts += "\xC3\xBC";
  const std::string names[] = {std::string(251, 'Z') + ".exe", umlauts + ".exe"};
  const auto original = readBytes(ZELVAR_STAND_IN);
  for (const std::string& name : names) {
    SCOPED_TRACE(std::to_string(name.size()) + " bytes");
    ASSERT_LE(name.size(), 255u);
    test_support::TemporaryFolder folder;
    const auto target = folder.write(name, original);
    const posix_test::ChildResult run = posix_test::runProgram(PATCHER, {target.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readBytes(target), test_support::referenceUpdate(original).content);
    EXPECT_THAT(folder.entryNames(), ElementsAre(name));
  }
}

TEST(UnusualPaths, ThroughASymbolicLinkTheFileBehindItIsUpdated) {
  test_support::TemporaryFolder folder;
  const auto original = readBytes(ZELVAR_STAND_IN);
  std::filesystem::create_directory(folder.path() / "install");
  std::filesystem::create_directory(folder.path() / "links");
  const auto file = folder.path() / "install" / "Zelvar-2000.exe";
  test_support::writeBytes(file, original);
  const auto link = folder.path() / "links" / "Zelvar.exe";
  std::filesystem::create_symlink("../install/Zelvar-2000.exe", link);

  const posix_test::ChildResult run = posix_test::runProgram(PATCHER, {link.string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readBytes(file), test_support::referenceUpdate(original).content);
  EXPECT_THAT(test_support::namesIn(folder.path() / "install"), ElementsAre("Zelvar-2000.exe"));
  EXPECT_THAT(test_support::namesIn(folder.path() / "links"), ElementsAre("Zelvar.exe"));
}

TEST(UnusualPaths, ANamedPipeIsAnInvalidPathAndDoesNotHang) {
  test_support::TemporaryFolder folder;
  const auto pipe = folder.path() / "Zelvar.exe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const posix_test::ChildResult run = posix_test::runProgram(PATCHER, {pipe.string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "Error: File Path is Invalid.  Enter correct path and try again.\n");
}

}  // namespace
