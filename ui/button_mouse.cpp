#include "ui/button_mouse.h"

namespace toolbox::ui {

namespace {

void set_look(HWND hwnd, bool& flag, bool value) {
  if (flag != value) {
    flag = value;
    InvalidateRect(hwnd, nullptr, FALSE);
  }
}

bool inside(HWND hwnd, LPARAM lparam) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  return PtInRect(&client, at) != FALSE;
}

}  // namespace

bool handle_button_mouse(HWND hwnd, UINT message, WPARAM, LPARAM lparam, LRESULT& result) {
  Control* control = control_of(hwnd);
  if (!control) {
    return false;
  }
  result = 0;
  switch (message) {
    case WM_MOUSEMOVE:
      if (!control->hot) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
      }
      set_look(hwnd, control->hot, inside(hwnd, lparam));
      return true;
    case WM_MOUSELEAVE:
      set_look(hwnd, control->hot, false);
      return true;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      set_look(hwnd, control->pressed, true);
      return true;
    case WM_LBUTTONUP: {
      const bool was_pressed = control->pressed;
      set_look(hwnd, control->pressed, false);
      if (GetCapture() == hwnd) {
        ReleaseCapture();
      }
      if (was_pressed && inside(hwnd, lparam)) {
        // Last: the handler may close the window this button is on.
        raise_event(*control, ControlEvent::click);
      }
      return true;
    }
    case WM_CAPTURECHANGED:
      set_look(hwnd, control->pressed, false);
      return true;
    default:
      return false;
  }
}

}  // namespace toolbox::ui
