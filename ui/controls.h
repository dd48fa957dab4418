// The control kinds: their window classes and how one is made from its row.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "ui/control.h"
#include "ui/design.h"

namespace toolbox::ui {

// Window classes of the kinds drawn by the toolkit itself. Edit boxes and
// list views are the system's "Edit" and "SysListView32".
inline constexpr const char* kLabelClass = "ToolboxLabel";
inline constexpr const char* kPictureBoxClass = "ToolboxPictureBox";
inline constexpr const char* kImageButtonClass = "ToolboxImageButton";
inline constexpr const char* kNavigationButtonClass = "ToolboxNavigationButton";
inline constexpr const char* kPageControlClass = "ToolboxPageControl";
inline constexpr const char* kPageClass = "ToolboxPage";  // one page of a page control

// The kind a window class stands for (a page is no kind of its own).
std::optional<ControlKind> kind_of_class(std::string_view class_name);

// Registers the toolkit's classes for `instance` (again is harmless).
bool register_control_classes(HINSTANCE instance);

struct Placement {
  HWND parent = nullptr;
  HINSTANCE instance = nullptr;
  int id = 0;  // the control id: GetDlgCtrlID
};

// Makes the control's window at its design bounds, attached to `control`.
// The control's font and images must be set before.
HWND create_control(Control& control, const Placement& placement);

// One function a kind; create_control picks the right one.
HWND create_label(Control& control, const Placement& placement);
HWND create_edit_box(Control& control, const Placement& placement);
HWND create_picture_box(Control& control, const Placement& placement);
HWND create_image_button(Control& control, const Placement& placement);
HWND create_navigation_button(Control& control, const Placement& placement);
HWND create_list_view(Control& control, const Placement& placement);
HWND create_page_control(Control& control, const Placement& placement);

bool register_label_class(HINSTANCE instance);
bool register_picture_box_class(HINSTANCE instance);
bool register_image_button_class(HINSTANCE instance);
bool register_navigation_button_class(HINSTANCE instance);
bool register_page_control_classes(HINSTANCE instance);

// A child window of the toolkit's own kinds, at the control's design bounds.
HWND create_toolkit_window(Control& control, const Placement& placement, const char* class_name,
                           DWORD style, DWORD ex_style = 0);

// Registers a class of the toolkit: arrow cursor, no background brush (each
// paints its own, over its parent's), no double-click messages, so two quick
// clicks count as two clicks.
bool register_toolkit_class(HINSTANCE instance, const char* name, WNDPROC procedure);

// The common part of the toolkit's window procedures for containers:
// transparent to the mouse (so dragging a background moves the window),
// colours of edit boxes, no background erasing. True when handled.
bool handle_container_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                              LRESULT& result);

// WM_NCCREATE and WM_NCDESTROY of the toolkit's classes: the control record
// travels in CREATESTRUCT::lpCreateParams.
void attach_on_create(HWND hwnd, LPARAM lparam);

}  // namespace toolbox::ui
