// The part that every control drawn by the toolkit handles alike.
#pragma once

#include <windows.h>

namespace toolbox::ui {

// Draws the whole control into `dc`, over its parent's background.
using PaintFunction = void (*)(HWND hwnd, HDC dc);

// Attaches the control record on WM_NCCREATE and detaches it on
// WM_NCDESTROY (both then go on to DefWindowProc: result false); paints
// through `paint`, off-screen for WM_PAINT and into the given DC for
// WM_PRINTCLIENT (which is how a child asks for its background); never
// erases; repaints when its text or enabled state changes; answers
// WM_GETFONT with the control's font. True when the message is handled.
bool handle_painted_control(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                            PaintFunction paint, LRESULT& result);

}  // namespace toolbox::ui
