// Mouse handling shared by the image and navigation buttons: hover, press,
// and a click when the button is released over the control it went down on.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace toolbox::ui {

// True when the message was a mouse message of the button (result set).
bool handle_button_mouse(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

}  // namespace toolbox::ui
