#pragma once

#include <memory>

#include "main_window/startup_guard.h"

namespace main_window {

// The start turn as a named mutex shared by every copy in this session. When
// the mutex cannot be had in time, the start goes on without it: a copy that
// hangs forever would be worse than the rare race it closes.
std::unique_ptr<StartTurn> waitForNamedMutexTurn();

}  // namespace main_window
