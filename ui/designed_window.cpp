#include "ui/designed_window.h"

#include "ui/background.h"
#include "ui/gdi.h"

namespace toolbox::ui {

DesignedWindow::DesignedWindow(const WindowDesign& design, HINSTANCE instance)
    : design_(&design), instance_(instance) {}

DesignedWindow::~DesignedWindow() {
  close();
}

Control* DesignedWindow::lookup(std::string_view name) const {
  for (const auto& control : controls_) {
    if (name == control->design->name) {
      return control.get();
    }
  }
  return nullptr;
}

const Control* DesignedWindow::find(std::string_view name) const {
  return lookup(name);
}

HWND DesignedWindow::control(std::string_view name) const {
  const Control* found = find(name);
  return found ? found->hwnd : nullptr;
}

namespace {

bool has_event(ControlKind kind, ControlEvent event) {
  switch (event) {
    case ControlEvent::click:
      return kind == ControlKind::image_button || kind == ControlKind::navigation_button;
    case ControlEvent::key_down:
      return kind == ControlKind::edit_box;
  }
  return false;
}

}  // namespace

std::vector<Text> DesignedWindow::bind(std::span<const EventBinding> bindings) {
  std::vector<Text> unbound;
  for (const EventBinding& binding : bindings) {
    Control* control = lookup(binding.control);
    if (!control) {
      unbound.push_back(Text("no control named ") + binding.control);
      continue;
    }
    if (!has_event(control->design->kind, binding.event)) {
      unbound.push_back(Text(binding.control) + " (" + Text(kind_name(control->design->kind)) +
                        ") has no such event");
      continue;
    }
    (binding.event == ControlEvent::click ? control->on_click : control->on_key_down) =
        binding.handler;
  }
  return unbound;
}

void DesignedWindow::show() {
  if (!hwnd_) {
    return;
  }
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
    SetFocus(first);
  }
}

void DesignedWindow::close() {
  if (hwnd_) {
    DestroyWindow(hwnd_);
  }
}

namespace {

DesignedWindow* window_of(HWND hwnd) {
  return reinterpret_cast<DesignedWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void paint_window_background(HWND hwnd, HDC dc, Colour colour) {
  RECT client{};
  GetClientRect(hwnd, &client);
  Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &client, brush.get());
}

}  // namespace

LRESULT CALLBACK designed_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  DesignedWindow* window = window_of(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      if (auto* created = static_cast<DesignedWindow*>(create->lpCreateParams)) {
        created->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
      }
      break;
    }
    case WM_NCHITTEST: {
      // Without a caption bar of its own, the window moves by its background.
      const LRESULT hit = DefWindowProcA(hwnd, message, wparam, lparam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (window) {
        BufferedPaint paint(hwnd);
        paint_window_background(hwnd, paint.dc(), window->design().background);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (window) {
        paint_window_background(hwnd, reinterpret_cast<HDC>(wparam), window->design().background);
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      LRESULT brush = 0;
      if (answer_control_colour(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam),
                                brush)) {
        return brush;
      }
      break;
    }
    case WM_DESTROY:
      if (window && window->design().start_window) {
        PostQuitMessage(0);
      }
      return 0;
    case WM_NCDESTROY:
      if (window) {
        window->hwnd_ = nullptr;
      }
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace toolbox::ui
