#pragma once

#include <windows.h>

#include <chrono>

namespace end_to_end {

using namespace std::chrono_literals;

// Another program answers in its own time: ask again until it holds or the
// time is up. Returns whether it held.
template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = 10s) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(20);
  }
}

// For "nothing happens": gives the other program this long to react, and
// reports whether the condition held all the time.
template <class Condition>
bool holdsFor(Condition condition, std::chrono::milliseconds duration) {
  return !waitUntil([&] { return !condition(); }, duration);
}

}  // namespace end_to_end
