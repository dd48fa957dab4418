#include "ui/properties.h"

#include "ui/page_control.h"

namespace toolbox::ui {

bool visible(HWND control) {
  return control && (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void set_visible(HWND control, bool visible) {
  if (control) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
  }
}

bool disabled(HWND control) {
  return control && (GetWindowLongPtrA(control, GWL_STYLE) & WS_DISABLED) != 0;
}

void set_disabled(HWND control, bool disabled) {
  if (control) {
    EnableWindow(control, disabled ? FALSE : TRUE);
  }
}

// Through messages rather than GetWindowText, which does not ask a window of
// another process for its text.
Text text(HWND control) {
  if (!control) {
    return {};
  }
  const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) {
    return {};
  }
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void set_text(HWND control, std::string_view text) {
  if (control) {
    const Text terminated(text);
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
  }
}

int current_page(HWND page_control) {
  return page_control ? static_cast<int>(SendMessageA(page_control, kPageControlGetCurrentPage, 0, 0))
                      : -1;
}

bool set_current_page(HWND page_control, int page) {
  return page_control && page >= 0 &&
         SendMessageA(page_control, kPageControlSetCurrentPage, static_cast<WPARAM>(page), 0) != 0;
}

bool headers_hidden(HWND page_control) {
  return page_control && SendMessageA(page_control, kPageControlGetHeadersHidden, 0, 0) != 0;
}

void set_headers_hidden(HWND page_control, bool hidden) {
  if (page_control) {
    SendMessageA(page_control, kPageControlSetHeadersHidden, hidden ? 1 : 0, 0);
  }
}

}  // namespace toolbox::ui
