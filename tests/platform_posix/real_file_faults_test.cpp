// The built patcher against real refusals of a Linux file system: a file size
// limit, a full disk, a read-only mount and missing permissions. Whatever
// fails, the target keeps its content and no temporary file stays behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform_posix/child_process.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using posix_test::ChildOptions;
using posix_test::ChildResult;
using posix_test::runProgram;
using test_support::namesIn;
using test_support::readBytes;
using test_support::TemporaryFolder;
using testing::ElementsAre;
using testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

const std::string kNoRoom = "There is not enough room on the disk.";
const std::string kNotAllowed = "You are not allowed to change the file.";
const std::string kReadOnly = "The file is read-only.";

ChildResult patch(const std::filesystem::path& target, const ChildOptions& limits = {}) {
  return runProgram(PATCHER, {target.string()}, limits);
}

void setOwnerAndMode(const std::filesystem::path& path, uid_t owner, mode_t mode) {
  ASSERT_EQ(::chown(path.c_str(), owner, owner == 0 ? 0 : posix_test::nobodyGroup()), 0);
  ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

class RealFileFaults : public testing::Test {
 protected:
  // The folder and the target are made by each test, in a place of its own.
  std::filesystem::path makeTarget(const std::filesystem::path& where) {
    std::filesystem::create_directories(where);
    const std::filesystem::path target = where / "Zelvar.exe";
    test_support::writeBytes(target, original);
    return target;
  }

  // The patcher refused: exit 3, the file as it was, nothing left beside it,
  // and a message that names the file and says why.
  void expectRefused(const ChildResult& run, const std::filesystem::path& target,
                     const std::string& why) {
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_THAT(run.err, HasSubstr("\"" + target.string() + "\""));
    EXPECT_THAT(run.err, HasSubstr(why));
    EXPECT_THAT(run.err, HasSubstr("The file was not changed."));
    EXPECT_EQ(readBytes(target), original);
    EXPECT_THAT(namesIn(target.parent_path()), ElementsAre("Zelvar.exe"));
  }

  TemporaryFolder folder;
  const Bytes original = readBytes(ZELVAR_STAND_IN);
  const Bytes patched = test_support::referenceUpdate(original).content;
};

TEST_F(RealFileFaults, AFileSizeLimitBelowTheFilesLengthLeavesItUnchanged) {
  const auto target = makeTarget(folder.path() / "limited");
  ChildOptions limits;
  limits.fileSizeLimit = original.size() / 2;
  expectRefused(patch(target, limits), target, kNoRoom);
}

// Mounts made here stay inside this test process and its children, and go
// with them.
std::string enterPrivateMounts() {
  if (::unshare(CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return std::string("making mounts private: ") + std::strerror(errno);
  }
  return {};
}

class Mounted {
 public:
  explicit Mounted(std::filesystem::path where) : where_(std::move(where)) {}
  Mounted(const Mounted&) = delete;
  Mounted& operator=(const Mounted&) = delete;
  ~Mounted() { ::umount2(where_.c_str(), MNT_DETACH); }

 private:
  std::filesystem::path where_;
};

TEST_F(RealFileFaults, AFullDiskLeavesTheFileUnchanged) {
  if (const std::string why = enterPrivateMounts(); !why.empty()) {
    GTEST_SKIP() << "cannot mount a small file system here: " << why;
  }
  const std::filesystem::path disk = folder.path() / "disk";
  std::filesystem::create_directory(disk);
  // Room for the file and a few pages more, not for a second copy.
  const std::string options = "size=" + std::to_string(original.size() + 16 * 1024);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, options.c_str()) != 0) {
    GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
  }
  const Mounted unmount(disk);
  const auto target = makeTarget(disk);
  expectRefused(patch(target), target, kNoRoom);
}

TEST_F(RealFileFaults, AReadOnlyMountLeavesTheFileUnchanged) {
  if (const std::string why = enterPrivateMounts(); !why.empty()) {
    GTEST_SKIP() << "cannot mount here: " << why;
  }
  const std::filesystem::path place = folder.path() / "read-only";
  const auto target = makeTarget(place);
  if (::mount(place.c_str(), place.c_str(), nullptr, MS_BIND, nullptr) != 0) {
    GTEST_SKIP() << "cannot bind-mount here: " << std::strerror(errno);
  }
  const Mounted unmount(place);
  ASSERT_EQ(::mount(nullptr, place.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);
  expectRefused(patch(target), target, kReadOnly);
}

struct PermissionCase {
  const char* name;
  bool fileOwnedByNobody;
  mode_t fileMode;
  bool folderOwnedByNobody;
  mode_t folderMode;
};

TEST_F(RealFileFaults, WithoutWritePermissionTheFileStaysUnchanged) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to the user nobody";
  const PermissionCase cases[] = {
      {"a file nobody may not write", false, 0644, false, 0777},
      {"a folder nobody may not write", true, 0644, false, 0755},
      {"a read-only file of nobody's own", true, 0444, true, 0755},
  };
  const uid_t nobody = posix_test::nobodyUser();
  for (const PermissionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto target = makeTarget(folder.path() / c.name);
    setOwnerAndMode(target, c.fileOwnedByNobody ? nobody : 0, c.fileMode);
    setOwnerAndMode(target.parent_path(), c.folderOwnedByNobody ? nobody : 0, c.folderMode);
    ChildOptions limits;
    limits.asNobody = true;
    expectRefused(patch(target, limits), target, kNotAllowed);
  }
}

TEST_F(RealFileFaults, AFileThatMayNotBeReadIsAnInvalidPath) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to the user nobody";
  const auto target = makeTarget(folder.path() / "secret");
  setOwnerAndMode(target, 0, 0600);
  ChildOptions limits;
  limits.asNobody = true;
  const ChildResult run = patch(target, limits);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "Error: File Path is Invalid.  Enter correct path and try again.\n");
  EXPECT_EQ(readBytes(target), original);
}

struct KeptCase {
  const char* name;
  bool runAsNobody;
  mode_t mode;
};

TEST_F(RealFileFaults, AnUpdateKeepsTheFilesOwnerPermissionsAndLength) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to the user nobody";
  const KeptCase cases[] = {
      {"root updates nobody's file", false, 0750},
      {"nobody updates its own file", true, 0750},
      {"unusual permissions", false, 0604},
  };
  const uid_t nobody = posix_test::nobodyUser();
  for (const KeptCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto target = makeTarget(folder.path() / c.name);
    setOwnerAndMode(target.parent_path(), nobody, 0755);
    setOwnerAndMode(target, nobody, c.mode);
    ChildOptions limits;
    limits.asNobody = c.runAsNobody;
    const ChildResult run = patch(target, limits);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Zelvar 2000: Update is complete!\n");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, c.mode);
    EXPECT_EQ(info.st_uid, nobody);
    EXPECT_EQ(info.st_gid, posix_test::nobodyGroup());
    EXPECT_EQ(static_cast<std::size_t>(info.st_size), original.size());
    EXPECT_EQ(readBytes(target), patched);
    EXPECT_THAT(namesIn(target.parent_path()), ElementsAre("Zelvar.exe"));
  }
}

}  // namespace
