// Navigation button: its bar image with the caption over it. The mouse over
// it lightens the bar; the button of the page being shown is lighter still
// and carries a marker on its left edge.
#include "ui/navigation_button.h"

#include "ui/background.h"
#include "ui/button_mouse.h"
#include "ui/caption.h"
#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/painted_control.h"
#include "ui/properties.h"

namespace toolbox::ui {

namespace {

constexpr std::uint8_t kHotVeil = 18;       // white over the bar, of 255
constexpr std::uint8_t kSelectedVeil = 30;
constexpr int kMarkerWidth = 3;

// A white veil of the given strength over the rectangle.
void veil(HDC dc, const RECT& area, std::uint8_t strength) {
  HDC white = CreateCompatibleDC(dc);
  Bitmap pixel(CreateCompatibleBitmap(dc, 1, 1));
  {
    SelectObjectGuard selected(white, pixel.get());
    SetPixel(white, 0, 0, kWhite);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, strength, 0};
    AlphaBlend(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, white, 0,
               0, 1, 1, blend);
  }
  DeleteDC(white);
}

void paint_navigation_button(HWND hwnd, HDC dc) {
  paint_parent_background(hwnd, dc);
  const Control* control = control_of(hwnd);
  if (!control) {
    return;
  }
  RECT client{};
  GetClientRect(hwnd, &client);
  if (control->image) {
    draw_image(dc, *control->image, 0, 0);
  }
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  if (enabled && (control->selected || control->hot || control->pressed)) {
    veil(dc, client, control->selected ? kSelectedVeil : kHotVeil);
  }
  const Colour colour = enabled ? control->design->text_colour : GetSysColor(COLOR_GRAYTEXT);
  if (control->selected) {
    RECT marker{client.left, client.top + 8, client.left + kMarkerWidth, client.bottom - 8};
    Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &marker, brush.get());
  }
  draw_caption(dc, client, text(hwnd), control->font, colour);
}

LRESULT CALLBACK navigation_button_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  LRESULT result = 0;
  if (handle_button_mouse(hwnd, message, wparam, lparam, result) ||
      handle_painted_control(hwnd, message, wparam, lparam, paint_navigation_button, result)) {
    return result;
  }
  Control* control = control_of(hwnd);
  switch (message) {
    case kNavigationButtonSetSelected:
      if (control && control->selected != (wparam != 0)) {
        control->selected = wparam != 0;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case kNavigationButtonIsSelected:
      return control && control->selected ? 1 : 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace

bool register_navigation_button_class(HINSTANCE instance) {
  return register_toolkit_class(instance, kNavigationButtonClass, navigation_button_procedure);
}

HWND create_navigation_button(Control& control, const Placement& placement) {
  return create_toolkit_window(control, placement, kNavigationButtonClass, 0);
}

void set_navigation_selected(HWND button, bool selected) {
  if (button) {
    SendMessageA(button, kNavigationButtonSetSelected, selected ? 1 : 0, 0);
  }
}

bool navigation_selected(HWND button) {
  return button && SendMessageA(button, kNavigationButtonIsSelected, 0, 0) != 0;
}

}  // namespace toolbox::ui
