// A window made from its design: the top-level window, one live control per
// design row, and the handlers bound to them by control name.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "text/text.h"
#include "ui/control.h"
#include "ui/design.h"
#include "ui/font_cache.h"
#include "ui/image.h"

namespace toolbox::ui {

// Row i of a design gets the control id kFirstControlId + i, so the
// controls can be found by row from outside the program as well.
inline constexpr int kFirstControlId = 100;

struct EventBinding {
  const char* control = "";
  ControlEvent event = ControlEvent::click;
  EventHandler handler = nullptr;
};

class DesignedWindow {
 public:
  DesignedWindow(const WindowDesign& design, HINSTANCE instance);
  DesignedWindow(const DesignedWindow&) = delete;
  DesignedWindow& operator=(const DesignedWindow&) = delete;
  // Destroys the window if it is still there.
  ~DesignedWindow();

  const WindowDesign& design() const { return *design_; }
  HINSTANCE instance() const { return instance_; }
  // nullptr once the window is destroyed.
  HWND hwnd() const { return hwnd_; }

  // The control's window by its design name; nullptr for an unknown name.
  HWND control(std::string_view name) const;
  const Control* find(std::string_view name) const;
  std::span<const std::unique_ptr<Control>> controls() const { return controls_; }

  // Binds each handler to its control's event (a later binding of the same
  // event replaces an earlier one). Returns what could not be bound: names
  // of no control, or events the control's kind does not have.
  std::vector<Text> bind(std::span<const EventBinding> bindings);

  // Shows the window and puts the keyboard focus on its first edit box.
  void show();
  // Destroys the window (a start window then ends the message loop).
  void close();

 private:
  friend struct WindowBuilder;
  friend LRESULT CALLBACK designed_window_procedure(HWND, UINT, WPARAM, LPARAM);

  Control* lookup(std::string_view name) const;

  const WindowDesign* design_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<int, Image> images_;  // by resource id
  FontCache fonts_;
};

LRESULT CALLBACK designed_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace toolbox::ui
