#include "platform/pending_messages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace toolbox {
namespace {

constexpr UINT kPing = WM_APP + 1;
int pings = 0;

LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kPing) {
    ++pings;
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND make_message_window() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = counting_procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "PendingMessagesTest";
  RegisterClassA(&window_class);
  return CreateWindowA("PendingMessagesTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                       nullptr);
}

TEST(ProcessPendingMessages, DispatchesWhatIsWaiting) {
  HWND window = make_message_window();
  ASSERT_NE(window, nullptr);
  pings = 0;
  PostMessageA(window, kPing, 0, 0);
  PostMessageA(window, kPing, 0, 0);
  process_pending_messages();
  EXPECT_EQ(pings, 2);
  DestroyWindow(window);
}

TEST(ProcessPendingMessages, LeavesAQuitForTheCallersLoop) {
  HWND window = make_message_window();
  ASSERT_NE(window, nullptr);
  pings = 0;
  PostQuitMessage(7);
  process_pending_messages();
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace toolbox
