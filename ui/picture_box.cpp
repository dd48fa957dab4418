// Picture box: its image at its own size from the top-left corner, clipped
// by the box; where the image does not reach (or without one) the parent
// shows through. It contains other controls.
#include "ui/background.h"
#include "ui/controls.h"
#include "ui/painted_control.h"

namespace toolbox::ui {

namespace {

void paint_picture_box(HWND hwnd, HDC dc) {
  const Control* control = control_of(hwnd);
  if (!control || !control->image || control->image->has_alpha()) {
    paint_parent_background(hwnd, dc);
  } else {
    // An opaque image covering the box hides the parent entirely.
    RECT client{};
    GetClientRect(hwnd, &client);
    if (control->image->width() < client.right || control->image->height() < client.bottom) {
      paint_parent_background(hwnd, dc);
    }
  }
  if (control && control->image) {
    draw_image(dc, *control->image, 0, 0);
  }
}

LRESULT CALLBACK picture_box_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (handle_container_message(hwnd, message, wparam, lparam, result) ||
      handle_painted_control(hwnd, message, wparam, lparam, paint_picture_box, result)) {
    return result;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_picture_box_class(HINSTANCE instance) {
  return register_toolkit_class(instance, kPictureBoxClass, picture_box_procedure);
}

HWND create_picture_box(Control& control, const Placement& placement) {
  return create_toolkit_window(control, placement, kPictureBoxClass, WS_CLIPCHILDREN,
                               WS_EX_CONTROLPARENT);
}

}  // namespace toolbox::ui
