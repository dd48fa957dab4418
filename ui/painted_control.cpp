#include "ui/painted_control.h"

#include "ui/control.h"
#include "ui/controls.h"
#include "ui/gdi.h"

namespace toolbox::ui {

bool handle_painted_control(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                            PaintFunction paint, LRESULT& result) {
  switch (message) {
    case WM_NCCREATE:
      attach_on_create(hwnd, lparam);
      return false;
    case WM_NCDESTROY:
      detach_control(hwnd);
      return false;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      BufferedPaint painting(hwnd);
      paint(hwnd, painting.dc());
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paint(hwnd, reinterpret_cast<HDC>(wparam));
      result = 0;
      return true;
    case WM_SETTEXT:
      result = DefWindowProcA(hwnd, message, wparam, lparam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return true;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, FALSE);
      result = 0;
      return true;
    case WM_GETFONT: {
      const Control* control = control_of(hwnd);
      result = control ? reinterpret_cast<LRESULT>(control->font) : 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace toolbox::ui
