// The real error report on Windows: this test program starts itself again as
// a child that raises a QR error, finds the child's message box by its
// caption, checks its text and error icon, presses OK and expects the child
// to end with exit code 0 only then.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qr/qr_code.h"

namespace toolbox {
namespace {

// What the child runs; it is disabled so that only the parent starts it.
TEST(QrErrorBoxChild, DISABLED_RaisesTheVersionReport) {
  QrTables tables;
  二维码类 code(tables);
  code.init();
  code.取版本_通过版本号(41);
  ADD_FAILURE() << "the program went on after the report";
}

struct ChildProcess {
  PROCESS_INFORMATION info{};

  ~ChildProcess() {
    if (info.hProcess) {
      if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info.hProcess, 99);
      }
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }

  bool running() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }
};

bool start_child(ChildProcess& child) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string command = std::string("\"") + path +
                        "\" --gtest_also_run_disabled_tests"
                        " --gtest_filter=QrErrorBoxChild.DISABLED_RaisesTheVersionReport";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child.info) != 0;
}

struct BoxSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK match_box(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<BoxSearch*>(search_address);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == search->process_id && std::string(caption) == "程序运行异常提示") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND wait_for_box(const ChildProcess& child) {
  ULONGLONG deadline = GetTickCount64() + 60000;
  while (GetTickCount64() < deadline && child.running()) {
    BoxSearch search{child.info.dwProcessId, nullptr};
    EnumWindows(match_box, reinterpret_cast<LPARAM>(&search));
    if (search.found && IsWindowVisible(search.found)) {
      return search.found;
    }
    Sleep(50);
  }
  return nullptr;
}

struct ChildSearch {
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_child(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<ChildSearch*>(search_address);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->class_name) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> children_of_class(HWND parent, const char* class_name) {
  ChildSearch search{class_name, {}};
  EnumChildWindows(parent, collect_child, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool is_icon_static(HWND control) {
  return (GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// Pixels of a memory bitmap after `paint` drew into it, row by row.
template <typename Paint>
std::vector<COLORREF> pixels_painted(int width, int height, Paint paint) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  paint(memory, screen);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(GetPixel(memory, x, y));
    }
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// What the screen shows of the control's top-left corner.
std::vector<COLORREF> pixels_of(HWND control, int width, int height) {
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  return pixels_painted(width, height, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  });
}

// `icon` drawn at its size over `background`, as a static control draws it.
std::vector<COLORREF> rendering_of(HICON icon, COLORREF background, int width, int height) {
  return pixels_painted(width, height, [&](HDC memory, HDC) {
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  });
}

// Which of the system's message-box icons the control shows.
const char* shown_icon(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  int width = GetSystemMetrics(SM_CXICON);
  int height = GetSystemMetrics(SM_CYICON);
  if (client.right < width || client.bottom < height) {
    return "none (control too small)";
  }
  std::vector<COLORREF> shown = pixels_of(control, width, height);
  struct Candidate {
    const char* name;
    LPCSTR id;
  };
  for (Candidate candidate : {Candidate{"error", IDI_ERROR}, {"warning", IDI_WARNING},
                              {"information", IDI_INFORMATION}, {"question", IDI_QUESTION}}) {
    HICON icon = LoadIconA(nullptr, candidate.id);
    if (icon && rendering_of(icon, shown.front(), width, height) == shown) {
      return candidate.name;
    }
  }
  return "none of the system icons";
}

std::string text_of(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

TEST(QrErrorBox, ShowsTheReportAndEndsWithExitCodeZeroOnOk) {
  ChildProcess child;
  ASSERT_TRUE(start_child(child)) << GetLastError();
  HWND box = wait_for_box(child);
  ASSERT_NE(box, nullptr) << "no window captioned with the report caption appeared";

  char class_name[32] = {};
  GetClassNameA(box, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "#32770");

  std::vector<std::string> texts;
  std::string icon = "none";
  for (HWND control : children_of_class(box, "Static")) {
    if (is_icon_static(control)) {
      // The box may not have painted yet when it is first found.
      for (int attempt = 0; attempt < 50 && IsWindowVisible(control); ++attempt) {
        icon = shown_icon(control);
        if (icon == "error") {
          break;
        }
        Sleep(100);
      }
    } else if (!text_of(control).empty()) {
      texts.push_back(text_of(control));
    }
  }
  EXPECT_EQ(texts, std::vector<std::string>{
                       "异常来源：[二维码类]\r\n方法名称：取版本_通过版本号()\r\n"
                       "异常信息：版本号不在0到40之间。当前版本号：41"});
  EXPECT_EQ(icon, "error");

  HWND ok = GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(children_of_class(box, "Button").size(), 1u) << "only an OK button";
  EXPECT_TRUE(child.running()) << "the program must wait for the report to be dismissed";

  PostMessageA(ok, BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForSingleObject(child.info.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exit_code = 99;
  GetExitCodeProcess(child.info.hProcess, &exit_code);
  EXPECT_EQ(exit_code, 0u);
}

}  // namespace
}  // namespace toolbox
