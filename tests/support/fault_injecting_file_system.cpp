#include "tests/support/fault_injecting_file_system.h"

namespace test_support {
namespace {

using platform::FileError;
using platform::FileErrorKind;
using platform::FileResult;
using platform::FileStatus;

class FaultInjectingNewFile final : public platform::NewFile {
 public:
  FaultInjectingNewFile(FaultInjectingFileSystem& faults, std::unique_ptr<platform::NewFile> inner)
      : faults_(faults), inner_(std::move(inner)) {}

  const std::filesystem::path& path() const override { return inner_->path(); }
  FileStatus copyContentOf(const std::filesystem::path& source) override {
    return faults_.run("NewFile::copyContentOf", [&] { return inner_->copyContentOf(source); });
  }
  FileStatus writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    return faults_.run("NewFile::writeAt", [&] { return inner_->writeAt(offset, bytes); });
  }
  FileStatus flush() override {
    return faults_.run("NewFile::flush", [&] { return inner_->flush(); });
  }
  FileStatus verify(std::span<const std::uint8_t> expected) override {
    return faults_.run("NewFile::verify", [&] { return inner_->verify(expected); });
  }
  FileStatus close() override {
    return faults_.run("NewFile::close", [&] { return inner_->close(); });
  }

 private:
  FaultInjectingFileSystem& faults_;
  std::unique_ptr<platform::NewFile> inner_;
};

// Runs an operation that hands back an object. The object is kept even when
// the failure is injected after the operation, so that it can be cleaned up.
template <class T, class Produce>
FileStatus runKeeping(FaultInjectingFileSystem& faults, const std::string& operation, T& kept,
                      Produce produce) {
  return faults.run(operation, [&]() -> FileStatus {
    auto produced = produce();
    if (!produced) return std::unexpected(produced.error());
    kept = std::move(*produced);
    return {};
  });
}

}  // namespace

void FaultInjectingFileSystem::failOperation(int number, FaultMode mode) {
  failingNumber_ = number;
  failingMode_ = mode;
}

std::string FaultInjectingFileSystem::injectedReason(const std::string& operation) {
  return "injected failure of " + operation;
}

FileStatus FaultInjectingFileSystem::run(const std::string& operation,
                                         const std::function<FileStatus()>& action) {
  operations_.push_back(operation);
  const bool fails = static_cast<int>(operations_.size()) == failingNumber_;
  if (fails && failingMode_ == FaultMode::FailBefore) {
    return std::unexpected(FileError{FileErrorKind::Other, injectedReason(operation)});
  }
  FileStatus done = action();
  if (fails) return std::unexpected(FileError{FileErrorKind::Other, injectedReason(operation)});
  return done;
}

FileStatus FaultInjectingFileSystem::probeReadable(const std::filesystem::path& file) {
  return run("probeReadable", [&] { return inner_.probeReadable(file); });
}

FileResult<std::unique_ptr<platform::FileImage>> FaultInjectingFileSystem::readWhole(
    const std::filesystem::path& file) {
  std::unique_ptr<platform::FileImage> image;
  FileStatus status = runKeeping(*this, "readWhole", image, [&] { return inner_.readWhole(file); });
  if (!status) return std::unexpected(status.error());
  return image;
}

FileStatus FaultInjectingFileSystem::probeReplaceable(const std::filesystem::path& file) {
  return run("probeReplaceable", [&] { return inner_.probeReplaceable(file); });
}

FileResult<std::unique_ptr<platform::NewFile>> FaultInjectingFileSystem::createBeside(
    const std::filesystem::path& target) {
  std::unique_ptr<platform::NewFile> created;
  FileStatus status =
      runKeeping(*this, "createBeside", created, [&] { return inner_.createBeside(target); });
  if (!status) {
    // A creation that reports failure leaves no file behind: the caller never
    // learns its name, so a real file layer must take it away itself.
    if (created) {
      const std::filesystem::path path = created->path();
      created.reset();
      std::error_code ignored;
      std::filesystem::remove(path, ignored);
    }
    return std::unexpected(status.error());
  }
  return std::make_unique<FaultInjectingNewFile>(*this, std::move(created));
}

FileStatus FaultInjectingFileSystem::replace(const std::filesystem::path& target,
                                             const std::filesystem::path& replacement) {
  return run("replace", [&] { return inner_.replace(target, replacement); });
}

FileStatus FaultInjectingFileSystem::remove(const std::filesystem::path& file) {
  return run("remove", [&]() -> FileStatus {
    if (removeFailure_) {
      return std::unexpected(FileError{*removeFailure_, "removal refused for the test"});
    }
    return inner_.remove(file);
  });
}

}  // namespace test_support
