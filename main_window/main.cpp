#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <exception>
#include <string>

#include "main_window/form_main.h"
#include "main_window/startup_guard.h"
#include "main_window/window_guard_host.h"
#include "platform/user_interface.h"

// Starting the program means creating frmMain; the start-up guard decides
// whether it is shown.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The manifest asks for the version 6 controls; this loads them.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    main_window::FormMain form(instance);
    main_window::WindowGuardHost guardHost(form);
    if (main_window::runStartupGuard(guardHost) == main_window::GuardDecision::Refused) return 0;
    form.show(showCommand);
    return form.runMessageLoop();
  } catch (const std::exception& error) {
    platform::showMessageBox(std::string("Unexpected error: ") + error.what(), "Error");
    return 1;
  }
}
