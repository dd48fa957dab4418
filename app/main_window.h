// The main window: built from its design, its handlers bound by name.
#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "ui/designed_window.h"

namespace toolbox::app {

// Builds the main window, binds its handlers, runs its creation handler and
// shows it. nullptr when the window cannot be built.
std::unique_ptr<ui::DesignedWindow> open_main_window(HINSTANCE instance);

// The handler table of the main window.
std::span<const ui::EventBinding> main_window_events();

// Creation handler: page 0, page headers hidden, lookup result panel hidden.
void on_main_window_created(ui::DesignedWindow& window);

// Shows the page and marks its navigation button.
void show_page(ui::DesignedWindow& window, int page);

}  // namespace toolbox::app
