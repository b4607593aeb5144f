#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

// CreateFileW reports failure as INVALID_HANDLE_VALUE, most other functions
// that return a HANDLE as nullptr; the wrapper is told which one applies.
struct FileHandleTraits {
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
};
struct ObjectHandleTraits {
  static HANDLE invalid() noexcept { return nullptr; }
};

// Owns a handle and closes it when dropped.
template <class Traits>
class BasicUniqueHandle {
 public:
  BasicUniqueHandle() = default;
  explicit BasicUniqueHandle(HANDLE handle) : handle_(handle) {}
  BasicUniqueHandle(BasicUniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::invalid())) {}
  BasicUniqueHandle& operator=(BasicUniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Traits::invalid());
    }
    return *this;
  }
  BasicUniqueHandle(const BasicUniqueHandle&) = delete;
  BasicUniqueHandle& operator=(const BasicUniqueHandle&) = delete;
  ~BasicUniqueHandle() { reset(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != Traits::invalid(); }
  // Closes now and reports whether the system accepted the close.
  bool close() { return CloseHandle(std::exchange(handle_, Traits::invalid())) != 0; }
  void reset() {
    if (valid()) CloseHandle(std::exchange(handle_, Traits::invalid()));
  }

 private:
  HANDLE handle_ = Traits::invalid();
};

// From CreateFileW.
using UniqueFileHandle = BasicUniqueHandle<FileHandleTraits>;
// From CreateProcessW, CreateEventW, OpenProcess and the like.
using UniqueObjectHandle = BasicUniqueHandle<ObjectHandleTraits>;

}  // namespace platform::win32
