// The window message loop of the program's window thread.
#pragma once

#include <windows.h>

namespace toolbox::ui {

// Runs until WM_QUIT and returns its exit code. Keyboard navigation (Tab
// between the edit boxes) goes to `keyboard_window` while it exists.
int run_message_loop(HWND keyboard_window);

}  // namespace toolbox::ui
