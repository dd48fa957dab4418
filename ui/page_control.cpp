#include "ui/page_control.h"

#include <memory>
#include <string>
#include <vector>

#include "text/wide.h"
#include "ui/background.h"
#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/painted_control.h"

namespace toolbox::ui {

namespace {

constexpr Colour kTabColour = rgb(230, 233, 238);
constexpr Colour kSelectedTabColour = kWhite;
constexpr Colour kTabLineColour = rgb(208, 213, 221);
constexpr Colour kTabTextColour = rgb(90, 98, 112);
constexpr Colour kTabMarkColour = rgb(0, 120, 215);
constexpr int kTabPadding = 12;

struct PageControlState {
  std::vector<HWND> pages;
  std::vector<std::wstring> titles;
  int current = -1;
  bool headers_hidden = false;
  HFONT font = nullptr;
  int header_height = 24;
};

PageControlState* state_of(HWND hwnd) {
  return reinterpret_cast<PageControlState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

int strip_height(const PageControlState& state) {
  return state.headers_hidden ? 0 : state.header_height;
}

void layout_pages(HWND hwnd, const PageControlState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int top = strip_height(state);
  for (HWND page : state.pages) {
    SetWindowPos(page, nullptr, 0, top, client.right, client.bottom - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The header rectangles, left to right, in the control's font.
std::vector<RECT> tab_rectangles(HWND hwnd, const PageControlState& state) {
  std::vector<RECT> tabs;
  HDC dc = GetDC(hwnd);
  {
    SelectObjectGuard selected(dc, state.font ? static_cast<HGDIOBJ>(state.font)
                                              : GetStockObject(DEFAULT_GUI_FONT));
    int x = 0;
    for (const std::wstring& title : state.titles) {
      SIZE extent{};
      GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
      const int width = extent.cx + 2 * kTabPadding;
      tabs.push_back(RECT{x, 0, x + width, state.header_height});
      x += width - 1;  // neighbouring tabs share a line
    }
  }
  ReleaseDC(hwnd, dc);
  return tabs;
}

void paint_headers(HWND hwnd, HDC dc, const PageControlState& state) {
  const std::vector<RECT> tabs = tab_rectangles(hwnd, state);
  Brush tab(CreateSolidBrush(kTabColour));
  Brush selected_tab(CreateSolidBrush(kSelectedTabColour));
  Brush line(CreateSolidBrush(kTabLineColour));
  Brush mark(CreateSolidBrush(kTabMarkColour));
  SelectObjectGuard font(dc, state.font ? static_cast<HGDIOBJ>(state.font)
                                        : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    RECT box = tabs[i];
    const bool current = static_cast<int>(i) == state.current;
    FillRect(dc, &box, current ? selected_tab.get() : tab.get());
    FrameRect(dc, &box, line.get());
    if (current) {
      RECT top{box.left, box.top, box.right, box.top + 2};
      FillRect(dc, &top, mark.get());
    }
    SetTextColor(dc, current ? kBlack : kTabTextColour);
    DrawTextW(dc, state.titles[i].c_str(), static_cast<int>(state.titles[i].size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void paint_page_control(HWND hwnd, HDC dc) {
  paint_parent_background(hwnd, dc);
  if (const PageControlState* state = state_of(hwnd); state && !state->headers_hidden) {
    paint_headers(hwnd, dc, *state);
  }
}

bool select_page(HWND hwnd, PageControlState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.pages.size())) {
    return false;
  }
  if (index == state.current) {
    return true;
  }
  state.current = index;
  ShowWindow(state.pages[static_cast<std::size_t>(index)], SW_SHOW);
  for (std::size_t i = 0; i < state.pages.size(); ++i) {
    if (static_cast<int>(i) != index) {
      ShowWindow(state.pages[i], SW_HIDE);
    }
  }
  if (!state.headers_hidden) {
    RECT strip{};
    GetClientRect(hwnd, &strip);
    strip.bottom = state.header_height;
    InvalidateRect(hwnd, &strip, FALSE);
  }
  return true;
}

void click_header(HWND hwnd, PageControlState& state, LPARAM lparam) {
  const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  const std::vector<RECT> tabs = tab_rectangles(hwnd, state);
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    if (PtInRect(&tabs[i], at)) {
      select_page(hwnd, state, static_cast<int>(i));
      return;
    }
  }
}

LRESULT CALLBACK page_control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  PageControlState* state = state_of(hwnd);
  switch (message) {
    case WM_NCCREATE:
      attach_on_create(hwnd, lparam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(new PageControlState{}));
      break;
    case WM_NCDESTROY:
      detach_control(hwnd);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      delete state;
      break;
    case WM_NCHITTEST:
      if (state && !state->headers_hidden) {
        POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        ScreenToClient(hwnd, &at);
        if (at.y < state->header_height) {
          return HTCLIENT;
        }
      }
      return HTTRANSPARENT;
    case WM_LBUTTONDOWN:
      if (state && !state->headers_hidden) {
        click_header(hwnd, *state, lparam);
      }
      return 0;
    case WM_SIZE:
      if (state) {
        layout_pages(hwnd, *state);
      }
      break;
    case WM_SETFONT:
      if (state) {
        state->font = reinterpret_cast<HFONT>(wparam);
        HDC dc = GetDC(hwnd);
        TEXTMETRICA metrics{};
        {
          SelectObjectGuard selected(dc, state->font ? static_cast<HGDIOBJ>(state->font)
                                                     : GetStockObject(DEFAULT_GUI_FONT));
          GetTextMetricsA(dc, &metrics);
        }
        ReleaseDC(hwnd, dc);
        state->header_height = metrics.tmHeight + 10;
        layout_pages(hwnd, *state);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case WM_GETFONT:
      return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case kPageControlGetCurrentPage:
      return state ? state->current : -1;
    case kPageControlSetCurrentPage:
      return state && select_page(hwnd, *state, static_cast<int>(wparam)) ? 1 : 0;
    case kPageControlGetHeadersHidden:
      return state && state->headers_hidden ? 1 : 0;
    case kPageControlSetHeadersHidden:
      if (state && state->headers_hidden != (wparam != 0)) {
        state->headers_hidden = wparam != 0;
        layout_pages(hwnd, *state);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case kPageControlGetPage:
      if (state && wparam < state->pages.size()) {
        return reinterpret_cast<LRESULT>(state->pages[wparam]);
      }
      return 0;
    case kPageControlGetPageCount:
      return state ? static_cast<LRESULT>(state->pages.size()) : 0;
    default: {
      LRESULT result = 0;
      if (handle_container_message(hwnd, message, wparam, lparam, result) ||
          handle_painted_control(hwnd, message, wparam, lparam, paint_page_control, result)) {
        return result;
      }
      break;
    }
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// A page: a container that shows its page control's background.
LRESULT CALLBACK page_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (handle_container_message(hwnd, message, wparam, lparam, result) ||
      handle_painted_control(hwnd, message, wparam, lparam, paint_parent_background, result)) {
    return result;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_page_control_classes(HINSTANCE instance) {
  return register_toolkit_class(instance, kPageControlClass, page_control_procedure) &&
         register_toolkit_class(instance, kPageClass, page_procedure);
}

HWND create_page_control(Control& control, const Placement& placement) {
  HWND hwnd = create_toolkit_window(control, placement, kPageControlClass, WS_CLIPCHILDREN,
                                    WS_EX_CONTROLPARENT);
  PageControlState* state = hwnd ? state_of(hwnd) : nullptr;
  if (!state) {
    return hwnd;
  }
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  for (const char* title : control.design->page_titles) {
    HWND page = CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, title,
                                WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd,
                                nullptr, placement.instance, nullptr);
    if (!page) {
      DestroyWindow(hwnd);
      return nullptr;
    }
    state->pages.push_back(page);
    state->titles.push_back(to_wide(title));
  }
  layout_pages(hwnd, *state);
  select_page(hwnd, *state, 0);
  return hwnd;
}

int page_header_height(HWND page_control) {
  const PageControlState* state = page_control ? state_of(page_control) : nullptr;
  return state ? state->header_height : 0;
}

HWND page_of(HWND page_control, int index) {
  if (!page_control || index < 0) {
    return nullptr;
  }
  return reinterpret_cast<HWND>(
      SendMessageA(page_control, kPageControlGetPage, static_cast<WPARAM>(index), 0));
}

int page_count(HWND page_control) {
  return page_control ? static_cast<int>(SendMessageA(page_control, kPageControlGetPageCount, 0, 0))
                      : 0;
}

}  // namespace toolbox::ui
