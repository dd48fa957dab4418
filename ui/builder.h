// Makes a window from its design table.
#pragma once

#include <windows.h>

#include <memory>

#include "text/text.h"
#include "ui/design.h"
#include "ui/designed_window.h"

namespace toolbox::ui {

struct BuildResult {
  std::unique_ptr<DesignedWindow> window;  // nullptr when the build failed
  Text error;                              // why it failed
};

// The first fault of a design, or an empty text: an empty or repeated name,
// a parent that is not an earlier container row, a page that its page
// control does not have.
Text check_design(const WindowDesign& design);

// Checks the design, decodes its images (RCDATA resources of `instance`,
// GDI+ must be started) and makes the window with every control, still
// hidden: bind the handlers, run the creation handler, then show() it.
// The design must outlive the window.
BuildResult build_window(const WindowDesign& design, HINSTANCE instance);

}  // namespace toolbox::ui
