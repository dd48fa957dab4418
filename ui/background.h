// Transparency for child windows: a control paints what its parent shows
// beneath it before it draws itself. The containers of the toolkit answer
// WM_PRINTCLIENT with their own background (which may again be their
// parent's), so a label on a page on a picture box shows the picture.
#pragma once

#include <windows.h>

namespace toolbox::ui {

// Paints the parent's background into `dc` as it lies under `hwnd`.
void paint_parent_background(HWND hwnd, HDC dc);

// The colour messages a container receives from its edit boxes and list
// views (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC): the control's own text colour
// on white. Returns false for a child that is not a toolkit control.
bool answer_control_colour(HWND child, HDC dc, LRESULT& brush);

}  // namespace toolbox::ui
