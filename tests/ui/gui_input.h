// Real input for the window tests: the mouse and keyboard events go through
// the window system (SendInput) to whatever window is under the cursor or
// has the focus, in this process or in another. Times are plain
// milliseconds: <chrono> does not compile with GBK narrow literals.
#pragma once

#include <windows.h>

#include <functional>

namespace toolbox::testing_support {

// The centre of a window, in screen coordinates.
POINT centre_of(HWND hwnd);
// A point given in a window's client coordinates, in screen coordinates.
POINT screen_point(HWND hwnd, int x, int y);

void move_mouse(POINT screen);
void click(POINT screen);
void press_left(POINT screen);
void release_left(POINT screen);
// Presses at `from`, moves to `to` in steps, releases there.
void drag(POINT from, POINT to);
void press_key(WORD virtual_key);
void type_text(const char* ascii);

// Handles this thread's pending messages for the given time.
void pump_messages(unsigned milliseconds);
// Handles messages until the condition holds or the time is up.
bool pump_until(const std::function<bool()>& condition, unsigned timeout_milliseconds = 5000);
// Waits (without handling messages: the window is another process's) until
// the condition holds or the time is up.
bool wait_until(const std::function<bool()>& condition, unsigned timeout_milliseconds = 5000);

}  // namespace toolbox::testing_support
