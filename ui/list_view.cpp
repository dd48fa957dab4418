// List view: the system's report view with a header row and grid lines,
// the design's text colour on white.
#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"

namespace toolbox::ui {

namespace {

LRESULT CALLBACK list_view_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, list_view_subclass, 0);
    detach_control(hwnd);
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

HWND create_list_view(Control& control, const Placement& placement) {
  const ControlDesign& design = *control.design;
  const Bounds& at = design.bounds;
  HWND hwnd = CreateWindowExA(
      0, WC_LISTVIEWA, "",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
          LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
      at.x, at.y, at.width, at.height, placement.parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)), placement.instance, nullptr);
  if (!hwnd) {
    return nullptr;
  }
  attach_control(hwnd, control);
  SetWindowSubclass(hwnd, list_view_subclass, 0, 0);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  SendMessageA(hwnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(design.text_colour));
  SendMessageA(hwnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(kWhite));
  SendMessageA(hwnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(kWhite));
  int index = 0;
  for (const ListColumn& column : design.columns) {
    LVCOLUMNA entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    entry.fmt = LVCFMT_LEFT;
    entry.cx = column.width;
    entry.pszText = const_cast<char*>(column.title);
    SendMessageA(hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                 reinterpret_cast<LPARAM>(&entry));
  }
  return hwnd;
}

}  // namespace toolbox::ui
