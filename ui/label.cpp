// Label: static text over whatever its parent shows.
#include "ui/background.h"
#include "ui/caption.h"
#include "ui/controls.h"
#include "ui/painted_control.h"
#include "ui/properties.h"

namespace toolbox::ui {

namespace {

void paint_label(HWND hwnd, HDC dc) {
  paint_parent_background(hwnd, dc);
  const Control* control = control_of(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  const Colour colour = !IsWindowEnabled(hwnd) ? GetSysColor(COLOR_GRAYTEXT)
                        : control                ? control->design->text_colour
                                                 : kBlack;
  draw_caption(dc, client, text(hwnd), control ? control->font : nullptr, colour);
}

LRESULT CALLBACK label_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCHITTEST) {
    // Not a click target: a press on it drags the window like the background.
    return HTTRANSPARENT;
  }
  LRESULT result = 0;
  if (handle_painted_control(hwnd, message, wparam, lparam, paint_label, result)) {
    return result;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_label_class(HINSTANCE instance) {
  return register_toolkit_class(instance, kLabelClass, label_procedure);
}

HWND create_label(Control& control, const Placement& placement) {
  return create_toolkit_window(control, placement, kLabelClass, 0);
}

}  // namespace toolbox::ui
