// Image button: drawn only from its two images, the highlighted one while
// the mouse is over it or it is pressed; faded when disabled.
#include "ui/background.h"
#include "ui/button_mouse.h"
#include "ui/controls.h"
#include "ui/painted_control.h"

namespace toolbox::ui {

namespace {

constexpr std::uint8_t kDisabledOpacity = 110;

void paint_image_button(HWND hwnd, HDC dc) {
  paint_parent_background(hwnd, dc);
  const Control* control = control_of(hwnd);
  if (!control) {
    return;
  }
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const Image* image = control->image;
  if (enabled && (control->hot || control->pressed) && control->highlight_image) {
    image = control->highlight_image;
  }
  if (image) {
    draw_image(dc, *image, 0, 0, enabled ? 255 : kDisabledOpacity);
  }
}

LRESULT CALLBACK image_button_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (handle_button_mouse(hwnd, message, wparam, lparam, result) ||
      handle_painted_control(hwnd, message, wparam, lparam, paint_image_button, result)) {
    return result;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_image_button_class(HINSTANCE instance) {
  return register_toolkit_class(instance, kImageButtonClass, image_button_procedure);
}

HWND create_image_button(Control& control, const Placement& placement) {
  return create_toolkit_window(control, placement, kImageButtonClass, 0);
}

}  // namespace toolbox::ui
