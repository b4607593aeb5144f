#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace platform {

enum class FileErrorKind {
  NotFound,
  IsFolder,
  InUse,         // another program holds the file (a running program, an open handle)
  AccessDenied,  // the user may not change it
  ReadOnly,      // the file itself is marked read-only
  NoSpace,       // disk full or file size limit
  Other,
};

struct FileError {
  FileErrorKind kind;
  std::string reason;  // the system's own text, UTF-8
};

using FileStatus = std::expected<void, FileError>;
template <class T>
using FileResult = std::expected<T, FileError>;

// A file's whole content in memory, writable: changes stay in memory.
class FileImage {
 public:
  virtual ~FileImage() = default;
  virtual std::span<std::uint8_t> bytes() = 0;
};

// A newly created file, open for writing; closed (not removed) when dropped.
class NewFile {
 public:
  virtual ~NewFile() = default;
  virtual const std::filesystem::path& path() const = 0;
  // Makes this file's content a copy of the whole source file.
  virtual FileStatus copyContentOf(const std::filesystem::path& source) = 0;
  virtual FileStatus writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
  // Forces the content to the disk.
  virtual FileStatus flush() = 0;
  // Reads the file back and compares it with the expected content.
  virtual FileStatus verify(std::span<const std::uint8_t> expected) = 0;
  virtual FileStatus close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file for reading and closes it again; fails for folders.
  virtual FileStatus probeReadable(const std::filesystem::path& file) = 0;
  virtual FileResult<std::unique_ptr<FileImage>> readWhole(const std::filesystem::path& file) = 0;
  // Tells before anything is written whether the file could be replaced now.
  virtual FileStatus probeReplaceable(const std::filesystem::path& file) = 0;
  // A new file with a fresh name in the target's folder, with the target's
  // permissions, ready to become the target.
  virtual FileResult<std::unique_ptr<NewFile>> createBeside(
      const std::filesystem::path& target) = 0;
  // Puts the replacement in the target's place in one step: afterwards the
  // target is either the old file or the replacement, never a mixture.
  virtual FileStatus replace(const std::filesystem::path& target,
                             const std::filesystem::path& replacement) = 0;
  virtual FileStatus remove(const std::filesystem::path& file) = 0;
};

}  // namespace platform

namespace platform {

// The file system of the platform this program is built for.
std::unique_ptr<FileSystem> makeFileSystem();

}  // namespace platform
