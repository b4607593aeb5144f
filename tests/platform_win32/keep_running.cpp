// Signals the named event given as its argument once it runs, then keeps
// running until it is ended from outside (or a minute has passed).
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 64;
  const HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  if (started == nullptr) return 1;
  SetEvent(started);
  CloseHandle(started);
  Sleep(60'000);
  return 0;
}
