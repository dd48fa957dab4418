// toolbox.exe itself, started as a child process and driven from here with
// real mouse input: the controls it made read back against the design
// table, the start state, the sidebar, the buttons that do nothing, moving
// the borderless window, and the close button ending the program with 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/main_window_design.h"
#include "tests/ui/gui_input.h"
#include "ui/controls.h"
#include "ui/designed_window.h"
#include "ui/navigation_button.h"
#include "ui/page_control.h"
#include "ui/properties.h"

namespace toolbox::app {
namespace {

using testing_support::centre_of;
using testing_support::click;
using testing_support::screen_point;
using testing_support::wait_until;
using ui::ControlDesign;

// The program as a child process, with handles of its own: an inherited
// standard output would keep the test runner waiting after the test.
class Program {
 public:
  Program() {
    std::string path = TOOLBOX_EXE_PATH;
    if (!path.empty() && path[0] == '/') {
      path = "Z:" + path;  // Wine's drive for the Unix root
    }
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    std::string command = "\"" + path + "\"";
    started_ = CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
    CloseHandle(nul);
    if (started_) {
      wait_until([this] { return (window_ = find_window()) != nullptr; }, 20000);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() {
    if (started_) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
      }
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
  }

  bool started() const { return started_; }
  HWND window() const { return window_; }
  bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  // The exit code once the program has ended, or nothing after the wait.
  std::optional<DWORD> wait_for_exit(DWORD milliseconds) const {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
      return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // Row i of the design is the control with id kFirstControlId + i.
  HWND control(std::string_view name) const {
    const auto controls = main_window_design().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (name == controls[i].name) {
        return find_descendant(window_, ui::kFirstControlId + static_cast<int>(i));
      }
    }
    return nullptr;
  }

  static std::vector<HWND> descendants(HWND root) {
    std::vector<HWND> found;
    EnumChildWindows(root, collect_window, reinterpret_cast<LPARAM>(&found));
    return found;
  }

  static std::string class_of(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
  }

 private:
  // Window enumeration callbacks (named functions: the 32-bit build wants
  // the Windows calling convention).
  static BOOL CALLBACK collect_window(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
  }

  struct Search {
    DWORD process = 0;
    HWND found = nullptr;
  };
  static BOOL CALLBACK match_main_window(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search.process && class_of(hwnd) == main_window_design().class_name &&
        IsWindowVisible(hwnd)) {
      search.found = hwnd;
      return FALSE;
    }
    return TRUE;
  }

  HWND find_window() const {
    Search search{.process = process_.dwProcessId};
    EnumWindows(match_main_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  static HWND find_descendant(HWND root, int id) {
    for (HWND hwnd : descendants(root)) {
      if (GetDlgCtrlID(hwnd) == id && ui::kind_of_class(class_of(hwnd))) {
        return hwnd;
      }
    }
    return nullptr;
  }

  bool started_ = false;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// Everything a click could change, to compare before and after.
struct State {
  RECT frame{};
  int page = -1;
  bool headers_hidden = false;
  std::vector<std::pair<bool, Text>> controls;  // visible, text
  std::vector<bool> selected;                   // navigation buttons
  bool operator==(const State& other) const {
    return EqualRect(&frame, &other.frame) && page == other.page &&
           headers_hidden == other.headers_hidden && controls == other.controls &&
           selected == other.selected;
  }
};

State state_of(const Program& program) {
  State state;
  GetWindowRect(program.window(), &state.frame);
  HWND pages = program.control(kPageControl);
  state.page = ui::current_page(pages);
  state.headers_hidden = ui::headers_hidden(pages);
  for (const ControlDesign& row : main_window_design().controls) {
    HWND hwnd = program.control(row.name);
    state.controls.emplace_back(ui::visible(hwnd), ui::text(hwnd));
    if (row.kind == ui::ControlKind::navigation_button) {
      state.selected.push_back(ui::navigation_selected(hwnd));
    }
  }
  return state;
}

class ProgramTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { program_ = new Program(); }
  static void TearDownTestSuite() {
    delete program_;
    program_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(program_->started()) << "toolbox.exe did not start: " << TOOLBOX_EXE_PATH;
    ASSERT_NE(program_->window(), nullptr) << "no main window appeared";
    ASSERT_TRUE(program_->running());
    SetForegroundWindow(program_->window());
  }

  static HWND control(std::string_view name) { return program_->control(name); }
  static int page() { return ui::current_page(control(kPageControl)); }
  static bool page_becomes(int expected) {
    return wait_until([&] { return page() == expected; }, 3000);
  }

  static Program* program_;
};
Program* ProgramTest::program_ = nullptr;

// The read-back: every row of the design is a live control of its kind, on
// its parent (its page, for a page's controls), at its place and size, with
// its text; and the window holds nothing else.
TEST_F(ProgramTest, EveryControlReadsBackAsDesigned) {
  const auto rows = main_window_design().controls;
  std::map<std::string, HWND> by_name;
  for (const ControlDesign& row : rows) {
    HWND hwnd = control(row.name);
    ASSERT_NE(hwnd, nullptr) << row.name << " is missing";
    by_name[row.name] = hwnd;
  }
  for (const ControlDesign& row : rows) {
    SCOPED_TRACE(row.name);
    HWND hwnd = by_name[row.name];
    EXPECT_EQ(ui::kind_of_class(Program::class_of(hwnd)), row.kind) << Program::class_of(hwnd);

    HWND parent = GetParent(hwnd);
    if (!row.parent) {
      EXPECT_EQ(parent, program_->window());
    } else if (row.page >= 0) {
      EXPECT_EQ(Program::class_of(parent), ui::kPageClass);
      EXPECT_EQ(parent, ui::page_of(by_name[row.parent], row.page));
    } else {
      EXPECT_EQ(parent, by_name[row.parent]);
    }

    RECT box{};
    GetWindowRect(hwnd, &box);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, row.bounds.x);
    EXPECT_EQ(box.top, row.bounds.y);
    EXPECT_EQ(box.right - box.left, row.bounds.width);
    EXPECT_EQ(box.bottom - box.top, row.bounds.height);

    EXPECT_EQ(ui::text(hwnd), row.text);
  }

  // Nothing but the design's controls, the pages and the list's header.
  std::size_t pages = 0;
  std::size_t others = 0;
  for (HWND hwnd : Program::descendants(program_->window())) {
    const std::string name = Program::class_of(hwnd);
    if (name == ui::kPageClass) {
      ++pages;
    } else if (name != "SysHeader32" && !ui::kind_of_class(name)) {
      ++others;
    }
  }
  EXPECT_EQ(pages, 4u);
  EXPECT_EQ(others, 0u);
  EXPECT_EQ(Program::descendants(program_->window()).size(), rows.size() + pages + 1);

  // The page titles.
  HWND pages_control = by_name[kPageControl];
  const char* titles[] = {"旺旺查询", "淘客订单查询", "微信查询", "指数转换"};
  ASSERT_EQ(ui::page_count(pages_control), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ui::text(ui::page_of(pages_control, i)), titles[i]);
  }
}

TEST_F(ProgramTest, StartsOnTheLookupPageWithoutHeadersOrResultPanel) {
  EXPECT_EQ(page(), kLookupPage);
  EXPECT_TRUE(ui::headers_hidden(control(kPageControl)));
  EXPECT_FALSE(ui::visible(control(kLookupResultPanel)));
  EXPECT_FALSE(IsWindowVisible(control("编辑框_买家")));
  EXPECT_TRUE(IsWindowVisible(control("编辑框_旺旺查询搜索框")));
  for (const ControlDesign& row : main_window_design().controls) {
    if (std::string_view(row.name) != kLookupResultPanel) {
      EXPECT_TRUE(ui::visible(control(row.name))) << row.name;
    }
  }
  EXPECT_TRUE(ui::navigation_selected(control("超级按钮_旺旺查询")));
  // A window of its own in the taskbar (its icons are checked in process:
  // Wine does not answer WM_GETICON reliably across processes).
  EXPECT_NE(GetWindowLongPtrA(program_->window(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetWindow(program_->window(), GW_OWNER), nullptr);
}

TEST_F(ProgramTest, SidebarButtonsFromTopToBottomShowPages0_2_1_3) {
  const struct {
    const char* button;
    int page;
  } sidebar[] = {{"超级按钮_旺旺查询", 0},
                 {"超级按钮_微信查询", 2},
                 {"超级按钮_淘客查询", 1},
                 {"超级按钮_指数查询", 3}};
  LONG previous_top = -1;
  for (const auto& entry : sidebar) {
    RECT box{};
    GetWindowRect(control(entry.button), &box);
    EXPECT_GT(box.top, previous_top) << entry.button << " is out of order";
    previous_top = box.top;
  }
  // Each page from each other one (the first round starts on page 0).
  for (int round = 0; round < 2; ++round) {
    for (const auto& entry : sidebar) {
      SCOPED_TRACE(entry.button);
      HWND button = control(entry.button);
      click(centre_of(button));
      EXPECT_TRUE(page_becomes(entry.page)) << "page " << page();
      EXPECT_TRUE(ui::navigation_selected(button));
      EXPECT_TRUE(IsWindowVisible(ui::page_of(control(kPageControl), entry.page)));
      for (int other = 0; other < 4; ++other) {
        EXPECT_EQ(IsWindowVisible(ui::page_of(control(kPageControl), other)) != FALSE,
                  other == entry.page);
      }
      // The same button again leaves the page.
      click(centre_of(button));
      Sleep(300);
      EXPECT_EQ(page(), entry.page);
    }
  }
}

TEST_F(ProgramTest, AClickWhereTheHeadersWouldBeChangesNothing) {
  click(centre_of(control("超级按钮_指数查询")));
  ASSERT_TRUE(page_becomes(kIndexPage));
  const State before = state_of(*program_);
  // The header strip would stand at the top of the page control, the
  // second page's header right of the first.
  HWND pages = control(kPageControl);
  for (int x : {20, 90, 160, 230}) {
    click(screen_point(pages, x, 8));
  }
  Sleep(400);
  EXPECT_EQ(state_of(*program_), before);
}

TEST_F(ProgramTest, MinimiseGlyphAndAffiliateSearchDoNothing) {
  click(centre_of(control("超级按钮_淘客查询")));
  ASSERT_TRUE(page_becomes(kAffiliatePage));
  const State before = state_of(*program_);
  click(centre_of(control(kMinimiseButton)));
  click(centre_of(control("图形按钮_淘客查询")));
  Sleep(400);
  EXPECT_TRUE(program_->running());
  EXPECT_TRUE(IsWindowVisible(program_->window()));
  EXPECT_FALSE(IsIconic(program_->window()));
  EXPECT_EQ(state_of(*program_), before);
}

TEST_F(ProgramTest, DraggingTheSidebarMovesTheWindow) {
  RECT before{};
  GetWindowRect(program_->window(), &before);
  // Below the navigation buttons: the sidebar's background.
  const POINT from = screen_point(program_->window(), 70, 440);
  testing_support::drag(from, POINT{from.x + 40, from.y + 30});
  RECT after{};
  EXPECT_TRUE(wait_until([&] {
    GetWindowRect(program_->window(), &after);
    return after.left == before.left + 40 && after.top == before.top + 30;
  }, 3000)) << "window at " << after.left << "," << after.top;
  // And back, dragging a label-free spot of the work area.
  const POINT back = screen_point(program_->window(), 600, 600);
  testing_support::drag(back, POINT{back.x - 40, back.y - 30});
  EXPECT_TRUE(wait_until([&] {
    GetWindowRect(program_->window(), &after);
    return EqualRect(&after, &before) != FALSE;
  }, 3000)) << "window at " << after.left << "," << after.top;
}

TEST(ProgramEnd, CloseButtonEndsTheProgramWithExitCode0) {
  Program program;
  ASSERT_TRUE(program.started()) << TOOLBOX_EXE_PATH;
  ASSERT_NE(program.window(), nullptr);
  SetForegroundWindow(program.window());
  click(centre_of(program.control(kCloseButton)));
  const std::optional<DWORD> code = program.wait_for_exit(15000);
  ASSERT_TRUE(code) << "still running after the close button";
  EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace toolbox::app
