#include "tests/ui/gui_input.h"


namespace toolbox::testing_support {

POINT centre_of(HWND hwnd) {
  RECT box{};
  GetWindowRect(hwnd, &box);
  return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

POINT screen_point(HWND hwnd, int x, int y) {
  POINT at{x, y};
  ClientToScreen(hwnd, &at);
  return at;
}

namespace {

void send_mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

// Lets the window system deliver the event before the next one.
void settle() {
  Sleep(30);
}

}  // namespace

void move_mouse(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  // A move event at the new place, so hover tracking sees it.
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = 0;
  input.mi.dy = 0;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(input));
  settle();
}

void press_left(POINT screen) {
  move_mouse(screen);
  send_mouse(MOUSEEVENTF_LEFTDOWN);
  settle();
}

void release_left(POINT screen) {
  move_mouse(screen);
  send_mouse(MOUSEEVENTF_LEFTUP);
  settle();
}

void click(POINT screen) {
  press_left(screen);
  send_mouse(MOUSEEVENTF_LEFTUP);
  settle();
}

void drag(POINT from, POINT to) {
  press_left(from);
  constexpr int kSteps = 6;
  for (int step = 1; step <= kSteps; ++step) {
    move_mouse(POINT{from.x + (to.x - from.x) * step / kSteps,
                     from.y + (to.y - from.y) * step / kSteps});
  }
  send_mouse(MOUSEEVENTF_LEFTUP);
  settle();
}

void press_key(WORD virtual_key) {
  INPUT inputs[2]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtual_key;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  settle();
}

void type_text(const char* ascii) {
  for (const char* c = ascii; *c; ++c) {
    const SHORT key = VkKeyScanA(*c);
    press_key(static_cast<WORD>(LOBYTE(key)));
  }
}

void pump_messages(unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  } while (GetTickCount64() < end);
}

bool pump_until(const std::function<bool()>& condition, unsigned timeout_milliseconds) {
  const ULONGLONG end = GetTickCount64() + timeout_milliseconds;
  while (!condition()) {
    if (GetTickCount64() >= end) {
      return false;
    }
    pump_messages(10);
  }
  return true;
}

bool wait_until(const std::function<bool()>& condition, unsigned timeout_milliseconds) {
  const ULONGLONG end = GetTickCount64() + timeout_milliseconds;
  while (!condition()) {
    if (GetTickCount64() >= end) {
      return false;
    }
    Sleep(20);
  }
  return true;
}

}  // namespace toolbox::testing_support
