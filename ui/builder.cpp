#include "ui/builder.h"

#include <string>

#include "ui/controls.h"
#include "ui/page_control.h"

namespace toolbox::ui {

namespace {

bool is_container(ControlKind kind) {
  return kind == ControlKind::picture_box || kind == ControlKind::page_control;
}

const ControlDesign* earlier_row(const WindowDesign& design, std::size_t before,
                                 std::string_view name) {
  for (std::size_t i = 0; i < before; ++i) {
    if (name == design.controls[i].name) {
      return &design.controls[i];
    }
  }
  return nullptr;
}

}  // namespace

Text check_design(const WindowDesign& design) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& row = design.controls[i];
    const Text name = row.name ? row.name : "";
    if (name.empty()) {
      return "row " + std::to_string(i + 1) + " has no name";
    }
    if (earlier_row(design, i, name)) {
      return name + " is named twice";
    }
    if (!row.parent) {
      if (row.page >= 0) {
        return name + " has a page but no page control as its parent";
      }
      continue;
    }
    const ControlDesign* parent = earlier_row(design, i, row.parent);
    if (!parent) {
      return name + ": its parent " + row.parent + " is not an earlier row";
    }
    if (!is_container(parent->kind)) {
      return name + ": its parent " + row.parent + " is a " + Text(kind_name(parent->kind)) +
             ", which holds no controls";
    }
    if (parent->kind == ControlKind::page_control) {
      if (row.page < 0 || row.page >= static_cast<int>(parent->page_titles.size())) {
        return name + ": " + row.parent + " has no page " + std::to_string(row.page);
      }
    } else if (row.page >= 0) {
      return name + " has a page but its parent " + row.parent + " is no page control";
    }
  }
  return {};
}

struct WindowBuilder {
  static const Image* image(DesignedWindow& window, int resource_id, Text& error) {
    if (resource_id == 0) {
      return nullptr;
    }
    if (auto found = window.images_.find(resource_id); found != window.images_.end()) {
      return &found->second;
    }
    std::optional<Image> loaded = load_image_resource(window.instance_, resource_id);
    if (!loaded) {
      error = "image resource " + std::to_string(resource_id) + " cannot be read";
      return nullptr;
    }
    return &window.images_.emplace(resource_id, std::move(*loaded)).first->second;
  }

  static HICON load_icon(const DesignedWindow& window, int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageA(window.instance_, MAKEINTRESOURCEA(window.design_->icon),
                                         IMAGE_ICON, GetSystemMetrics(width_metric),
                                         GetSystemMetrics(height_metric), LR_SHARED));
  }

  static HWND create_frame(DesignedWindow& window) {
    const WindowDesign& design = *window.design_;
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    // A window of its own in the taskbar, though it has no caption.
    const DWORD ex_style = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    HICON big_icon = design.icon ? load_icon(window, SM_CXICON, SM_CYICON) : nullptr;
    HICON small_icon = design.icon ? load_icon(window, SM_CXSMICON, SM_CYSMICON) : nullptr;
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(window.instance_, design.class_name, &existing)) {
      WNDCLASSEXA window_class{};
      window_class.cbSize = sizeof(window_class);
      window_class.lpfnWndProc = designed_window_procedure;
      window_class.hInstance = window.instance_;
      window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
      window_class.lpszClassName = design.class_name;
      window_class.hIcon = big_icon;
      window_class.hIconSm = small_icon;
      if (!RegisterClassExA(&window_class)) {
        return nullptr;
      }
    }
    RECT frame{0, 0, design.client_width, design.client_height};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    HWND hwnd = CreateWindowExA(ex_style, design.class_name, design.caption, style, design.x,
                                design.y, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, window.instance_, &window);
    if (hwnd && design.icon) {
      // Also on the window itself: what the taskbar and the task switcher ask for.
      SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon));
      SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
    }
    return hwnd;
  }

  static HWND parent_window(const DesignedWindow& window, const ControlDesign& row) {
    if (!row.parent) {
      return window.hwnd_;
    }
    HWND parent = window.control(row.parent);
    return row.page >= 0 ? page_of(parent, row.page) : parent;
  }

  static BuildResult build(const WindowDesign& design, HINSTANCE instance) {
    if (Text fault = check_design(design); !fault.empty()) {
      return {nullptr, fault};
    }
    if (!register_control_classes(instance)) {
      return {nullptr, "the control classes cannot be registered"};
    }
    auto window = std::make_unique<DesignedWindow>(design, instance);
    Text error;
    for (const ControlDesign& row : design.controls) {
      auto control = std::make_unique<Control>();
      control->design = &row;
      control->window = window.get();
      control->font = window->fonts_.get(row.font);
      control->image = image(*window, row.image, error);
      control->highlight_image = image(*window, row.highlight_image, error);
      if (!error.empty()) {
        return {nullptr, Text(row.name) + ": " + error};
      }
      window->controls_.push_back(std::move(control));
    }
    if (!create_frame(*window)) {
      return {nullptr, "the window cannot be created"};
    }
    for (std::size_t i = 0; i < window->controls_.size(); ++i) {
      Control& control = *window->controls_[i];
      const Placement placement{.parent = parent_window(*window, *control.design),
                                .instance = instance,
                                .id = kFirstControlId + static_cast<int>(i)};
      if (!placement.parent || !create_control(control, placement)) {
        return {nullptr, Text(control.design->name) + " cannot be created"};
      }
    }
    return {std::move(window), {}};
  }
};

BuildResult build_window(const WindowDesign& design, HINSTANCE instance) {
  return WindowBuilder::build(design, instance);
}

}  // namespace toolbox::ui
