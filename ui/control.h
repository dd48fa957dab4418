// The live side of one design row: its window, its look and its handlers.
#pragma once

#include <windows.h>

#include "ui/design.h"
#include "ui/image.h"

namespace toolbox::ui {

class DesignedWindow;

enum class ControlEvent {
  click,     // image button, navigation button
  key_down,  // edit box: before the box handles the key
};

struct EventArgs {
  int key_code = 0;  // key_down: the virtual-key code
};

using EventHandler = void (*)(DesignedWindow& window, const EventArgs& args);

struct Control {
  const ControlDesign* design = nullptr;
  DesignedWindow* window = nullptr;
  HWND hwnd = nullptr;
  HFONT font = nullptr;                  // owned by the window's font cache
  const Image* image = nullptr;          // owned by the window's image cache
  const Image* highlight_image = nullptr;
  EventHandler on_click = nullptr;
  EventHandler on_key_down = nullptr;
  // Look state of the buttons.
  bool hot = false;       // the mouse is over it
  bool pressed = false;   // the left button went down on it and is still down
  bool selected = false;  // navigation button of the page being shown
  int line_height = 0;    // edit box: height of one line in its font
};

// The record of a window the builder made; nullptr for any other window.
Control* control_of(HWND hwnd);
void attach_control(HWND hwnd, Control& control);
void detach_control(HWND hwnd);

// Runs the control's handler for the event, if one is bound. The handler may
// destroy the control's window: callers touch nothing of it afterwards.
void raise_event(Control& control, ControlEvent event, const EventArgs& args = {});

}  // namespace toolbox::ui
