#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/mapped_file_image.h"
#include "platform/posix/posix_new_file.h"
#include "platform/posix/unique_fd.h"

namespace platform::posix {
namespace {

std::filesystem::path folderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

// The file a symbolic link leads to: that file is replaced, and the link kept.
std::filesystem::path fileBehind(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::canonical(file, error);
  return error ? file : resolved;
}

// ".<target's name>.update-XXXXXX", with the target's name cut short where
// needed (at a character boundary) so that the whole stays within the 255
// bytes a file name may have: a target with a long name must be updatable.
std::string temporaryName(const std::filesystem::path& target) {
  constexpr std::size_t kNameMax = 255;
  const std::string suffix = ".update-XXXXXX";
  std::string name = target.filename().string();
  std::size_t keep = std::min(name.size(), kNameMax - 1 - suffix.size());
  while (keep > 0 && keep < name.size() && (name[keep] & 0xC0) == 0x80) --keep;
  name.resize(keep);
  return "." + name + suffix;
}

class PosixFileSystem final : public FileSystem {
 public:
  PosixFileSystem() {
    // Past a file size limit a write must fail with EFBIG, which leaves the
    // target untouched, rather than kill the process with SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
  }

  FileStatus probeReadable(const std::filesystem::path& file) override {
    // Non-blocking, so that a named pipe given as the path cannot hang the tool.
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) return std::unexpected(lastError());
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return std::unexpected(lastError());
    if (S_ISDIR(info.st_mode)) return std::unexpected(errnoError(EISDIR));
    if (!S_ISREG(info.st_mode)) {
      return std::unexpected(FileError{FileErrorKind::Other, "not a regular file"});
    }
    return {};
  }

  FileResult<std::unique_ptr<FileImage>> readWhole(const std::filesystem::path& file) override {
    return MappedFileImage::open(file);
  }

  FileStatus probeReplaceable(const std::filesystem::path& target) override {
    // Replacing needs the folder to be writable; a file that its owner made
    // read-only is respected even though a rename would pass over it.
    const std::filesystem::path file = fileBehind(target);
    if (::access(file.c_str(), W_OK) != 0) return std::unexpected(lastError());
    if (::access(folderOf(file).c_str(), W_OK | X_OK) != 0) return std::unexpected(lastError());
    return {};
  }

  FileResult<std::unique_ptr<NewFile>> createBeside(const std::filesystem::path& link) override {
    const std::filesystem::path target = fileBehind(link);
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return std::unexpected(lastError());
    const std::string pattern = (folderOf(target) / temporaryName(target)).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    UniqueFd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (!fd.valid()) return std::unexpected(lastError());
    // Keep the target's owner where the system allows it, and its permissions.
    const bool ownerKept = ::fchown(fd.get(), info.st_uid, info.st_gid) == 0 || errno == EPERM;
    if (!ownerKept || ::fchmod(fd.get(), info.st_mode & 07777) != 0) {
      const FileError error = lastError();
      ::unlink(name.data());
      return std::unexpected(error);
    }
    return std::make_unique<PosixNewFile>(std::move(fd), std::filesystem::path(name.data()));
  }

  FileStatus replace(const std::filesystem::path& target,
                     const std::filesystem::path& replacement) override {
    const std::filesystem::path file = fileBehind(target);
    if (::rename(replacement.c_str(), file.c_str()) != 0) return std::unexpected(lastError());
    // The new content is already on disk; syncing the folder makes the new
    // name durable too. Once the rename is done the target is the new file,
    // so a failure here no longer changes what the user has.
    UniqueFd folder(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
    return {};
  }

  FileStatus remove(const std::filesystem::path& file) override {
    if (::unlink(file.c_str()) != 0) return std::unexpected(lastError());
    return {};
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

std::unique_ptr<FileSystem> makeFileSystem() { return std::make_unique<posix::PosixFileSystem>(); }

}  // namespace platform
