#include "ui/controls.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/background.h"

namespace toolbox::ui {

std::string_view kind_name(ControlKind kind) {
  switch (kind) {
    case ControlKind::label: return "label";
    case ControlKind::edit_box: return "edit box";
    case ControlKind::picture_box: return "picture box";
    case ControlKind::image_button: return "image button";
    case ControlKind::navigation_button: return "navigation button";
    case ControlKind::list_view: return "list view";
    case ControlKind::page_control: return "page control";
  }
  return "unknown";
}

std::optional<ControlKind> kind_of_class(std::string_view class_name) {
  struct Entry {
    std::string_view class_name;
    ControlKind kind;
  };
  static constexpr Entry kEntries[] = {
      {kLabelClass, ControlKind::label},
      {"Edit", ControlKind::edit_box},
      {kPictureBoxClass, ControlKind::picture_box},
      {kImageButtonClass, ControlKind::image_button},
      {kNavigationButtonClass, ControlKind::navigation_button},
      {WC_LISTVIEWA, ControlKind::list_view},
      {kPageControlClass, ControlKind::page_control},
  };
  for (const Entry& entry : kEntries) {
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, entry.class_name.data(),
                       static_cast<int>(entry.class_name.size()), class_name.data(),
                       static_cast<int>(class_name.size())) == CSTR_EQUAL) {
      return entry.kind;
    }
  }
  return std::nullopt;
}

bool register_control_classes(HINSTANCE instance) {
  INITCOMMONCONTROLSEX common{sizeof(common), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  return register_label_class(instance) && register_picture_box_class(instance) &&
         register_image_button_class(instance) && register_navigation_button_class(instance) &&
         register_page_control_classes(instance);
}

bool register_toolkit_class(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, name, &existing)) {
    return true;
  }
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  window_class.lpszClassName = name;
  return RegisterClassExA(&window_class) != 0;
}

HWND create_control(Control& control, const Placement& placement) {
  switch (control.design->kind) {
    case ControlKind::label: return create_label(control, placement);
    case ControlKind::edit_box: return create_edit_box(control, placement);
    case ControlKind::picture_box: return create_picture_box(control, placement);
    case ControlKind::image_button: return create_image_button(control, placement);
    case ControlKind::navigation_button: return create_navigation_button(control, placement);
    case ControlKind::list_view: return create_list_view(control, placement);
    case ControlKind::page_control: return create_page_control(control, placement);
  }
  return nullptr;
}

HWND create_toolkit_window(Control& control, const Placement& placement, const char* class_name,
                           DWORD style, DWORD ex_style) {
  const Bounds& at = control.design->bounds;
  return CreateWindowExA(ex_style, class_name, control.design->text,
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, at.x, at.y, at.width,
                         at.height, placement.parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)),
                         placement.instance, &control);
}

void attach_on_create(HWND hwnd, LPARAM lparam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
  if (auto* control = static_cast<Control*>(create->lpCreateParams)) {
    attach_control(hwnd, *control);
  }
}

bool handle_container_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                              LRESULT& result) {
  switch (message) {
    case WM_NCHITTEST:
      result = HTTRANSPARENT;
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (answer_control_colour(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam),
                                result)) {
        return true;
      }
      result = DefWindowProcA(hwnd, message, wparam, lparam);
      return true;
    default:
      return false;
  }
}

}  // namespace toolbox::ui
