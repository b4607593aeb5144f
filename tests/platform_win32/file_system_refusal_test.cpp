// A target that cannot be replaced now: the layer says why, and the target
// and its folder stay exactly as they were.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "patching/safe_rewrite.h"
#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"
#include "tests/platform_win32/running_program.h"
#include "tests/support/executable_like.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::FileErrorKind;
using test_support::readBytes;
using test_support::TemporaryFolder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Whatever keeps the target from being replaced, for as long as it lives.
struct Obstacle {
  virtual ~Obstacle() = default;
};

struct OpenWithoutWriteSharing final : Obstacle {
  explicit OpenWithoutWriteSharing(const std::filesystem::path& target)
      : handle(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_TRUE(handle.valid());
  }
  platform::win32::UniqueFileHandle handle;
};

struct MarkedReadOnly final : Obstacle {
  explicit MarkedReadOnly(std::filesystem::path file) : target(std::move(file)) {
    EXPECT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  }
  // The temporary folder can only be removed again without the mark.
  ~MarkedReadOnly() override { SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL); }
  std::filesystem::path target;
};

struct RunningFromTarget final : Obstacle {
  explicit RunningFromTarget(const std::filesystem::path& target) : program(target) {}
  platform_win32_test::RunningProgram program;
};

template <class Kind>
std::unique_ptr<Obstacle> obstruct(const std::filesystem::path& target) {
  return std::make_unique<Kind>(target);
}

struct RefusalCase {
  const char* name;
  std::unique_ptr<Obstacle> (*obstruct)(const std::filesystem::path& target);
  FileErrorKind expected;
  const char* systemCode;
};

void PrintTo(const RefusalCase& testCase, std::ostream* out) { *out << testCase.name; }

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {
 protected:
  // A running program takes the target's place with its own file.
  std::filesystem::path makeTarget() {
    const std::filesystem::path target =
        folder.write("Zelvar.exe", test_support::executableLikeBytes(3, 1 << 16));
    obstacle = GetParam().obstruct(target);
    return target;
  }

  TemporaryFolder folder;
  std::unique_ptr<Obstacle> obstacle;
};

class RewriteRefusalTest : public RefusalTest {};
class ReplaceRefusalTest : public RefusalTest {};

TEST_P(RewriteRefusalTest, StopsBeforeWritingAnything) {
  const std::filesystem::path target = makeTarget();
  const std::vector<std::uint8_t> before = readBytes(target);
  std::vector<std::uint8_t> content = before;
  content[100] ^= 0xFF;
  const patching::Stretch changed[] = {{100, 1}};
  const auto files = platform::makeFileSystem();

  const auto rewritten = patching::rewriteSafely(*files, target, content, changed);
  ASSERT_FALSE(rewritten);
  EXPECT_EQ(rewritten.error().error.kind, GetParam().expected) << rewritten.error().error.reason;
  EXPECT_THAT(rewritten.error().error.reason, HasSubstr(GetParam().systemCode));
  EXPECT_TRUE(rewritten.error().leftover.empty());
  EXPECT_EQ(readBytes(target), before);
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

TEST_P(ReplaceRefusalTest, LeavesTheTargetAsItWas) {
  const std::filesystem::path target = makeTarget();
  const std::vector<std::uint8_t> before = readBytes(target);
  const auto files = platform::makeFileSystem();
  auto created = files->createBeside(target);
  ASSERT_TRUE(created);
  const std::filesystem::path replacement = (*created)->path();
  const std::vector<std::uint8_t> other(before.size(), 0x5A);
  ASSERT_TRUE((*created)->writeAt(0, other));
  ASSERT_TRUE((*created)->close());
  created->reset();

  const auto replaced = files->replace(target, replacement);
  ASSERT_FALSE(replaced);
  EXPECT_EQ(replaced.error().kind, GetParam().expected) << replaced.error().reason;
  EXPECT_EQ(readBytes(target), before);
  // Only the replacement, which the caller removes, is left beside the target.
  EXPECT_EQ(readBytes(replacement), other);
  EXPECT_EQ(folder.entryNames().size(), 2u);
  EXPECT_TRUE(files->remove(replacement));
  EXPECT_THAT(folder.entryNames(), ElementsAre("Zelvar.exe"));
}

const RefusalCase kOpenWithoutWriteSharing{"OpenWithoutWriteSharing",
                                           obstruct<OpenWithoutWriteSharing>, FileErrorKind::InUse,
                                           "(error 32)"};
const RefusalCase kReadOnly{"ReadOnly", obstruct<MarkedReadOnly>, FileErrorKind::ReadOnly,
                            "(error 5)"};
const RefusalCase kRunningProgram{"RunningProgram", obstruct<RunningFromTarget>,
                                  FileErrorKind::InUse, "(error 32)"};

const auto caseName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Obstacles, RewriteRefusalTest,
                         ::testing::Values(kOpenWithoutWriteSharing, kReadOnly, kRunningProgram),
                         caseName);
// Wine's ReplaceFileW renames a running program aside, as Windows may: for a
// running target only the probe beforehand refuses.
INSTANTIATE_TEST_SUITE_P(Obstacles, ReplaceRefusalTest,
                         ::testing::Values(kOpenWithoutWriteSharing, kReadOnly), caseName);

}  // namespace
