#include "ui/background.h"

#include "ui/control.h"

namespace toolbox::ui {

void paint_parent_background(HWND hwnd, HDC dc) {
  HWND parent = GetParent(hwnd);
  if (!parent) {
    return;
  }
  POINT origin{0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

bool answer_control_colour(HWND child, HDC dc, LRESULT& brush) {
  const Control* control = control_of(child);
  if (!control) {
    return false;
  }
  SetTextColor(dc, control->design->text_colour);
  SetBkColor(dc, kWhite);
  brush = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  return true;
}

}  // namespace toolbox::ui
