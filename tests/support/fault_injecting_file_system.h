#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace test_support {

enum class FaultMode {
  FailBefore,  // report the failure without doing the operation
  FailAfter,   // do the operation, then report that it failed
};

// Wraps a real file system and the files it hands out, numbers every file
// operation from 1 in the order they are called, and lets one of them fail.
class FaultInjectingFileSystem final : public platform::FileSystem {
 public:
  explicit FaultInjectingFileSystem(platform::FileSystem& inner) : inner_(inner) {}

  // Makes operation number `number` fail in the given way.
  void failOperation(int number, FaultMode mode);
  // Makes every removal fail with this kind of error, without removing.
  void failEveryRemove(platform::FileErrorKind kind) { removeFailure_ = kind; }

  // Names of the operations called so far, in order ("probeReadable",
  // "NewFile::writeAt", ...).
  const std::vector<std::string>& operations() const { return operations_; }
  // The reason text that the injected failure carries.
  static std::string injectedReason(const std::string& operation);

  platform::FileStatus probeReadable(const std::filesystem::path& file) override;
  platform::FileResult<std::unique_ptr<platform::FileImage>> readWhole(
      const std::filesystem::path& file) override;
  platform::FileStatus probeReplaceable(const std::filesystem::path& file) override;
  platform::FileResult<std::unique_ptr<platform::NewFile>> createBeside(
      const std::filesystem::path& target) override;
  platform::FileStatus replace(const std::filesystem::path& target,
                               const std::filesystem::path& replacement) override;
  platform::FileStatus remove(const std::filesystem::path& file) override;

  // Counts the operation and runs it, or fails it as planned. Used by the
  // wrapped files too.
  platform::FileStatus run(const std::string& operation,
                           const std::function<platform::FileStatus()>& action);

 private:
  platform::FileSystem& inner_;
  std::vector<std::string> operations_;
  int failingNumber_ = 0;
  FaultMode failingMode_ = FaultMode::FailBefore;
  std::optional<platform::FileErrorKind> removeFailure_;
};

}  // namespace test_support
