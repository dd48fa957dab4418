// The program's start-up sequence, its message loop and its end.
#pragma once

#include <windows.h>

namespace toolbox::app {

// Runs the program: the start-up steps in order, then the message loop.
// Returns the process exit code: 0 when the main window was closed.
int run_toolbox(HINSTANCE instance);

}  // namespace toolbox::app
