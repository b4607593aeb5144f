// The Windows file layer on a real file system: a complete replacement, and
// paths that name no file.
#include "platform/file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/executable_like.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::FileErrorKind;
using test_support::readBytes;
using test_support::TemporaryFolder;
using ::testing::ElementsAre;

// Larger than the layer's copy and compare chunks, and not a multiple of them.
constexpr std::size_t kTargetSize = (std::size_t{3} << 20) + 17;

// The current folder for the life of the object.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::filesystem::path& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

struct ReplaceCase {
  const char* name;
  bool relativePath;  // relative to the current folder, as a command line may give it
};

void PrintTo(const ReplaceCase& testCase, std::ostream* out) { *out << testCase.name; }

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, PutsTheNewContentInPlaceAndLeavesNothingElse) {
  TemporaryFolder folder;
  const std::vector<std::uint8_t> original = test_support::executableLikeBytes(1, kTargetSize);
  const std::filesystem::path absoluteTarget = folder.write("Zelvar.exe", original);
  std::vector<std::uint8_t> expected = original;
  const std::vector<std::uint8_t> change = {0x47, 0x00, 0xFC, 0x00, 0x80, 0xFF};
  const std::uint64_t changeAt = (std::uint64_t{1} << 20) - 3;  // across a chunk boundary
  std::copy(change.begin(), change.end(), expected.begin() + changeAt);

  CurrentFolder current(folder.path());
  const std::filesystem::path target =
      GetParam().relativePath ? std::filesystem::path(L"Zelvar.exe") : absoluteTarget;
  const auto files = platform::makeFileSystem();
  ASSERT_TRUE(files->probeReplaceable(target));
  auto created = files->createBeside(target);
  ASSERT_TRUE(created) << created.error().reason;
  std::unique_ptr<platform::NewFile> replacement = std::move(*created);
  const std::filesystem::path replacementPath = replacement->path();
  EXPECT_TRUE(std::filesystem::equivalent(replacementPath.parent_path(), folder.path()));
  ASSERT_TRUE(replacement->copyContentOf(target));
  ASSERT_TRUE(replacement->writeAt(changeAt, change));
  ASSERT_TRUE(replacement->flush());
  ASSERT_TRUE(replacement->verify(expected));
  ASSERT_TRUE(replacement->close());
  replacement.reset();

  const auto replaced = files->replace(target, replacementPath);
  ASSERT_TRUE(replaced) << replaced.error().reason;
  EXPECT_EQ(readBytes(absoluteTarget), expected);
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

INSTANTIATE_TEST_SUITE_P(Paths, ReplaceTest,
                         ::testing::Values(ReplaceCase{"Absolute", false},
                                           ReplaceCase{"Relative", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NewFileTest, VerifyFindsContentThatDiffersFromTheExpected) {
  TemporaryFolder folder;
  const std::vector<std::uint8_t> original = test_support::executableLikeBytes(2, kTargetSize);
  const std::filesystem::path target = folder.write("Zelvar.exe", original);
  const auto files = platform::makeFileSystem();
  auto created = files->createBeside(target);
  ASSERT_TRUE(created);
  platform::NewFile& replacement = **created;
  ASSERT_TRUE(replacement.copyContentOf(target));

  std::vector<std::uint8_t> differentByte = original;
  differentByte[kTargetSize - 1] ^= 0x01;
  EXPECT_FALSE(replacement.verify(differentByte));
  EXPECT_FALSE(replacement.verify(std::span(original).first(kTargetSize - 1)));
  EXPECT_TRUE(replacement.verify(original));
  ASSERT_TRUE(replacement.close());
  EXPECT_TRUE(files->remove(replacement.path()));
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

TEST(ReadWholeTest, ReadsAnEmptyFileAsNoBytes) {
  TemporaryFolder folder;
  const std::filesystem::path target = folder.write("Zelvar.exe", {});
  const auto files = platform::makeFileSystem();
  ASSERT_TRUE(files->probeReadable(target));
  auto image = files->readWhole(target);
  ASSERT_TRUE(image) << image.error().reason;
  EXPECT_TRUE((*image)->bytes().empty());
}

struct NotAFileCase {
  const char* name;
  std::filesystem::path (*path)(const TemporaryFolder& folder);
  FileErrorKind expected;
};

void PrintTo(const NotAFileCase& testCase, std::ostream* out) { *out << testCase.name; }

class NotAFileTest : public ::testing::TestWithParam<NotAFileCase> {};

TEST_P(NotAFileTest, EveryOpeningFailsWithTheKind) {
  TemporaryFolder folder;
  std::filesystem::create_directory(folder.path() / "Folder.exe");
  const std::filesystem::path path = GetParam().path(folder);
  const auto files = platform::makeFileSystem();

  const auto readable = files->probeReadable(path);
  ASSERT_FALSE(readable);
  EXPECT_EQ(readable.error().kind, GetParam().expected) << readable.error().reason;
  EXPECT_FALSE(readable.error().reason.empty());
  const auto image = files->readWhole(path);
  ASSERT_FALSE(image);
  EXPECT_EQ(image.error().kind, GetParam().expected) << image.error().reason;
  const auto replaceable = files->probeReplaceable(path);
  ASSERT_FALSE(replaceable);
  EXPECT_EQ(replaceable.error().kind, GetParam().expected) << replaceable.error().reason;
  // Nothing was created on the way.
  EXPECT_THAT(folder.entryNames(), ElementsAre("Folder.exe"));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NotAFileTest,
    ::testing::Values(
        NotAFileCase{"MissingFile",
                     [](const TemporaryFolder& folder) { return folder.path() / "Zelvar.exe"; },
                     FileErrorKind::NotFound},
        NotAFileCase{
            "MissingFolder",
            [](const TemporaryFolder& folder) { return folder.path() / "Zelvar" / "Zelvar.exe"; },
            FileErrorKind::NotFound},
        NotAFileCase{"Folder",
                     [](const TemporaryFolder& folder) { return folder.path() / "Folder.exe"; },
                     FileErrorKind::IsFolder},
        NotAFileCase{"Empty", [](const TemporaryFolder&) { return std::filesystem::path(); },
                     FileErrorKind::NotFound}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
