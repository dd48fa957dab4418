#include "ui/message_loop.h"

namespace toolbox::ui {

int run_message_loop(HWND keyboard_window) {
  MSG message{};
  while (true) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      return static_cast<int>(message.wParam);
    }
    if (got == -1) {
      return 1;
    }
    if (keyboard_window && IsWindow(keyboard_window) &&
        IsDialogMessageA(keyboard_window, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace toolbox::ui
