// The program's start-up sequence, its message loop and its end.
#pragma once

#include <windows.h>

namespace toolbox::app {

// Runs the program: the start-up steps in order, then the message loop.
// Returns the process exit code: 0 when the main window was closed.
int run_toolbox(HINSTANCE instance);

// The start-up steps before the main window: process environment, the
// program-wide objects, the exit routine and the module set-ups. Separate
// from run_toolbox so that tests can check what they leave behind.
void prepare_program();

}  // namespace toolbox::app
