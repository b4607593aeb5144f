#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "main_window/form_main_layout.h"
#include "main_window/gdi_handles.h"

namespace main_window {

// The program's one window with its five controls. Created hidden with the
// stored caption; shown only once the start-up guard has let the start go on.
class FormMain {
 public:
  explicit FormMain(HINSTANCE instance);
  ~FormMain();
  FormMain(const FormMain&) = delete;
  FormMain& operator=(const FormMain&) = delete;

  HWND window() const { return window_; }
  HWND control(ControlId id) const;

  // Destroys the window before it was ever shown; the program's message loop
  // has not started, so nothing is told to quit.
  void unload();
  // Centred already; the focus goes to txtFilePath.
  void show(int showCommand);
  // Runs until the window is closed; returns the program's exit code.
  int runMessageLoop();
  // Handles every message queued so far, repaints included, then returns.
  void processPendingEvents();

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void createControls(int dotsPerInch);
  bool hasBlueText(HWND control) const;
  void dispatch(MSG& message);
  bool handleKeyboard(MSG& message);
  void rememberFocus();
  void onActivate(WPARAM wParam);
  void runUpdate();

  HINSTANCE instance_;
  UniqueIcon icon_;
  UniqueIcon smallIcon_;
  HWND window_ = nullptr;
  std::array<HWND, kControls.size()> controls_{};
  std::array<UniqueFont, kControls.size()> fonts_;
  HWND focusToRestore_ = nullptr;
  bool shown_ = false;
};

}  // namespace main_window
