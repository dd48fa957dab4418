// The program-wide objects: made at start-up, released by the exit routine.
#pragma once

#include <memory>

#include "ui/designed_window.h"
#include "ui/image.h"

namespace toolbox::app {

struct Program {
  // GDI+ decodes the windows' images; started before any window is made.
  ui::GdiplusSession gdiplus;
  // The main window's controls, fonts and images; its window is gone by the
  // time the exit routine runs.
  std::unique_ptr<ui::DesignedWindow> main_window;
};

// The objects between create_program_objects and the exit routine.
Program& program();

// The program-wide objects: the window toolkit's and the QR module's (its
// container and tables, still empty).
void create_program_objects();

// The exit routine: releases the program-wide objects and the QR module's.
// Runs once, when the process ends.
void release_program_objects();

}  // namespace toolbox::app
