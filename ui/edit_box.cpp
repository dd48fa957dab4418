// Edit box: the system's edit control, black (or the design's colour) on
// white, borderless unless the design asks for the default border. A
// single-line box taller than its font keeps its line in the middle; its
// key-down event comes before the box handles the key.
#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"
#include "ui/gdi.h"

namespace toolbox::ui {

namespace {

constexpr Colour kBorderColour = rgb(197, 203, 212);
constexpr Colour kFocusBorderColour = rgb(0, 120, 215);

bool is_single_line(HWND hwnd) {
  return (GetWindowLongPtrA(hwnd, GWL_STYLE) & ES_MULTILINE) == 0;
}

// The border is the toolkit's own, drawn in the non-client area: the
// system's edit control would turn WS_BORDER into a black line of its own.
bool has_border(const Control& control) {
  return control.design->border;
}

int line_height_of(HWND hwnd, HFONT font) {
  HDC dc = GetDC(hwnd);
  TEXTMETRICA metrics{};
  {
    SelectObjectGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(dc, &metrics);
  }
  ReleaseDC(hwnd, dc);
  return metrics.tmHeight;
}

// Narrows the client area to leave room for the border and, in a
// single-line box, to one line in its middle: the edit control draws its
// text at the top of its client area.
void fit_client_area(HWND hwnd, const Control& control, RECT& client) {
  if (has_border(control)) {
    InflateRect(&client, -1, -1);
  }
  if (!is_single_line(hwnd) || control.line_height <= 0) {
    return;
  }
  const int free = (client.bottom - client.top) - control.line_height;
  if (free >= 2) {
    client.top += free / 2;
    client.bottom -= free - free / 2;
  }
}

// The frame around the narrowed client area: white, with a light border
// line (a blue one while the box has the focus) when the design has one.
void paint_frame(HWND hwnd, const Control& control) {
  HDC dc = GetWindowDC(hwnd);
  if (!dc) {
    return;
  }
  RECT screen{};
  GetWindowRect(hwnd, &screen);
  RECT window{0, 0, screen.right - screen.left, screen.bottom - screen.top};
  RECT client{};
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -screen.left, -screen.top);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &window, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (has_border(control)) {
    Brush line(CreateSolidBrush(GetFocus() == hwnd ? kFocusBorderColour : kBorderColour));
    FrameRect(dc, &window, line.get());
  }
  ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK edit_box_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR, DWORD_PTR reference) {
  auto& control = *reinterpret_cast<Control*>(reference);
  switch (message) {
    case WM_KEYDOWN: {
      raise_event(control, ControlEvent::key_down,
                  EventArgs{.key_code = static_cast<int>(wparam)});
      if (!IsWindow(hwnd)) {
        return 0;
      }
      break;
    }
    case WM_GETDLGCODE: {
      // A box with a key-down handler sees Enter too; the dialog keys of the
      // window would otherwise take it.
      LRESULT code = DefSubclassProc(hwnd, message, wparam, lparam);
      const auto* key = reinterpret_cast<const MSG*>(lparam);
      if (control.on_key_down && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_NCCALCSIZE: {
      const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
      RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                            : *reinterpret_cast<RECT*>(lparam);
      fit_client_area(hwnd, control, client);
      return result;
    }
    case WM_NCPAINT:
      paint_frame(hwnd, control);
      return 0;
    case WM_NCHITTEST: {
      // The margins above and below the line belong to the box.
      const LRESULT hit = DefSubclassProc(hwnd, message, wparam, lparam);
      return hit == HTNOWHERE || hit == HTBORDER ? HTCLIENT : hit;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
      if (has_border(control)) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
      return result;
    }
    case WM_SETFONT: {
      const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
      control.font = reinterpret_cast<HFONT>(wparam);
      control.line_height = line_height_of(hwnd, control.font);
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, edit_box_subclass, 0);
      detach_control(hwnd);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

HWND create_edit_box(Control& control, const Placement& placement) {
  const ControlDesign& design = *control.design;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT;
  style |= design.multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
  const Bounds& at = design.bounds;
  HWND hwnd = CreateWindowExA(0, "Edit", design.text, style, at.x, at.y, at.width, at.height,
                              placement.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)),
                              placement.instance, nullptr);
  if (!hwnd) {
    return nullptr;
  }
  attach_control(hwnd, control);
  SetWindowSubclass(hwnd, edit_box_subclass, 0, reinterpret_cast<DWORD_PTR>(&control));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  if (design.border) {
    // Text off the border line.
    SendMessageA(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(4, 4));
  }
  return hwnd;
}

}  // namespace toolbox::ui
