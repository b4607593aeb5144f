#include "main_window/named_mutex_turn.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace main_window {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\ZelvarGermanPatch.StartTurn";
// Far longer than one lookup and marking take.
constexpr DWORD kLongestWaitMs = 5000;

class NamedMutexTurn final : public StartTurn {
 public:
  NamedMutexTurn() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
    if (!mutex_.valid()) return;
    const DWORD waited = WaitForSingleObject(mutex_.get(), kLongestWaitMs);
    // An abandoned mutex is owned all the same: its last owner ended.
    owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  }
  NamedMutexTurn(const NamedMutexTurn&) = delete;
  NamedMutexTurn& operator=(const NamedMutexTurn&) = delete;
  ~NamedMutexTurn() override {
    if (owned_) ReleaseMutex(mutex_.get());
  }

 private:
  platform::win32::UniqueObjectHandle mutex_;
  bool owned_ = false;
};

}  // namespace

std::unique_ptr<StartTurn> waitForNamedMutexTurn() { return std::make_unique<NamedMutexTurn>(); }

}  // namespace main_window
