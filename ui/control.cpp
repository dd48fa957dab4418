#include "ui/control.h"

namespace toolbox::ui {

namespace {
constexpr const char* kControlProperty = "ToolboxControl";
}

Control* control_of(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

void attach_control(HWND hwnd, Control& control) {
  control.hwnd = hwnd;
  SetPropA(hwnd, kControlProperty, &control);
}

void detach_control(HWND hwnd) {
  if (Control* control = control_of(hwnd)) {
    control->hwnd = nullptr;
  }
  RemovePropA(hwnd, kControlProperty);
}

void raise_event(Control& control, ControlEvent event, const EventArgs& args) {
  EventHandler handler = event == ControlEvent::click ? control.on_click : control.on_key_down;
  if (handler && control.window) {
    handler(*control.window, args);
  }
}

}  // namespace toolbox::ui
