// The window toolkit, driven in this process: designs are checked, built
// into real windows, and the controls answer real mouse and keyboard input.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resources.h"
#include "tests/support/case_name.h"
#include "tests/ui/gui_input.h"
#include "ui/builder.h"
#include "ui/message_loop.h"
#include "ui/page_control.h"
#include "ui/properties.h"

namespace toolbox::ui {
namespace {

using testing_support::click;
using testing_support::press_key;
using testing_support::pump_messages;
using testing_support::pump_until;
using testing_support::screen_point;

HINSTANCE this_module() {
  return GetModuleHandleA(nullptr);
}

// ---------------------------------------------------------------- design checks

constexpr const char* kTwoPages[] = {"第一页", "第二页"};

struct DesignFaultCase {
  std::string name;
  std::vector<ControlDesign> rows;
  std::string expected_in_error;
};

class DesignFaultTest : public ::testing::TestWithParam<DesignFaultCase> {};

TEST_P(DesignFaultTest, IsReported) {
  const DesignFaultCase& fault = GetParam();
  const WindowDesign design{.class_name = "DesignFaultWindow", .controls = fault.rows};
  const Text error = check_design(design);
  EXPECT_NE(error.find(fault.expected_in_error), Text::npos) << error;
  const BuildResult built = build_window(design, this_module());
  EXPECT_FALSE(built.window);
  EXPECT_EQ(built.error, error);
}

using testing_support::PrintTo;

INSTANTIATE_TEST_SUITE_P(
    Table, DesignFaultTest,
    ::testing::Values(
        DesignFaultCase{"empty_name", {{.name = ""}}, "row 1 has no name"},
        DesignFaultCase{"name_twice",
                        {{.name = "甲", .kind = ControlKind::picture_box}, {.name = "甲"}},
                        "甲 is named twice"},
        DesignFaultCase{"unknown_parent", {{.name = "甲", .parent = "乙"}}, "乙 is not an earlier row"},
        DesignFaultCase{"parent_after_child",
                        {{.name = "甲", .parent = "乙"}, {.name = "乙", .kind = ControlKind::picture_box}},
                        "乙 is not an earlier row"},
        DesignFaultCase{"parent_holds_nothing",
                        {{.name = "乙", .kind = ControlKind::label}, {.name = "甲", .parent = "乙"}},
                        "which holds no controls"},
        DesignFaultCase{"page_out_of_range",
                        {{.name = "夹", .kind = ControlKind::page_control, .page_titles = kTwoPages},
                         {.name = "甲", .parent = "夹", .page = 2}},
                        "has no page 2"},
        DesignFaultCase{"page_missing",
                        {{.name = "夹", .kind = ControlKind::page_control, .page_titles = kTwoPages},
                         {.name = "甲", .parent = "夹"}},
                        "has no page -1"},
        DesignFaultCase{"page_on_picture_box",
                        {{.name = "乙", .kind = ControlKind::picture_box},
                         {.name = "甲", .parent = "乙", .page = 0}},
                        "is no page control"},
        DesignFaultCase{"page_on_window", {{.name = "甲", .page = 0}}, "no page control"}),
    testing_support::CaseName{});

// ---------------------------------------------------------------- images

class GdiplusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gdiplus_ = new GdiplusSession(); }
  static void TearDownTestSuite() {
    delete gdiplus_;
    gdiplus_ = nullptr;
  }
  static GdiplusSession* gdiplus_;
};
GdiplusSession* GdiplusTest::gdiplus_ = nullptr;

using ImageTest = GdiplusTest;

TEST_F(ImageTest, DecodesPngWithItsTransparency) {
  ASSERT_TRUE(gdiplus_->started());
  const auto image = load_image_resource(this_module(), TOOLBOX_IMAGE_CLOSE);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 20);
  EXPECT_EQ(image->height(), 20);
  EXPECT_TRUE(image->has_alpha());
}

TEST_F(ImageTest, DecodesJpegAsOpaque) {
  const auto image = load_image_resource(this_module(), TOOLBOX_IMAGE_FACE);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), 32);
  EXPECT_EQ(image->height(), 32);
  EXPECT_FALSE(image->has_alpha());
}

TEST_F(ImageTest, RefusesWhatIsNoImage) {
  const std::uint8_t not_an_image[] = {'P', 'N', 'G', 0, 1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_FALSE(decode_image(not_an_image));
  EXPECT_FALSE(decode_image({}));
  EXPECT_FALSE(load_image_resource(this_module(), 9999));
}

TEST_F(ImageTest, BuildNamesTheControlWhoseImageIsMissing) {
  const ControlDesign rows[] = {{.name = "图甲", .kind = ControlKind::picture_box, .image = 9999}};
  const BuildResult built =
      build_window(WindowDesign{.class_name = "MissingImageWindow", .controls = rows}, this_module());
  EXPECT_FALSE(built.window);
  EXPECT_NE(built.error.find("图甲"), Text::npos) << built.error;
  EXPECT_NE(built.error.find("9999"), Text::npos) << built.error;
}

// ---------------------------------------------------------------- live window

constexpr Colour kTestBackground = rgb(255, 255, 255);

// The background image is dark in its left 140 pixels (the sidebar).
constexpr ControlDesign kTestControls[] = {
    {.name = "背景", .kind = ControlKind::picture_box, .bounds = {0, 0, 420, 320},
     .image = TOOLBOX_IMAGE_BACKGROUND},
    {.name = "关闭", .kind = ControlKind::image_button, .parent = "背景", .bounds = {390, 6, 20, 20},
     .image = TOOLBOX_IMAGE_CLOSE, .highlight_image = TOOLBOX_IMAGE_CLOSE_HOT},
    {.name = "侧栏标签", .kind = ControlKind::label, .parent = "背景", .bounds = {10, 200, 120, 24},
     .text = "侧栏文字", .text_colour = kWhite},
    {.name = "选择夹", .kind = ControlKind::page_control, .parent = "背景",
     .bounds = {150, 40, 260, 270}, .page_titles = kTwoPages},
    {.name = "编辑框甲", .kind = ControlKind::edit_box, .parent = "选择夹", .page = 0,
     .bounds = {10, 10, 120, 24}, .border = true},
    {.name = "编辑框乙", .kind = ControlKind::edit_box, .parent = "选择夹", .page = 0,
     .bounds = {10, 50, 120, 24}, .text_colour = kRed},
    {.name = "页二标签", .kind = ControlKind::label, .parent = "选择夹", .page = 1,
     .bounds = {10, 10, 100, 24}, .text = "第二页"},
};

constexpr WindowDesign kTestWindow{
    .class_name = "ToolkitTestWindow",
    .x = 120,
    .y = 90,
    .client_width = 420,
    .client_height = 320,
    .background = kTestBackground,
    .controls = kTestControls,
};

// What the handlers saw.
struct Seen {
  int clicks = 0;
  std::vector<std::pair<int, Text>> keys;  // key code, box text at the event
};
Seen g_seen;

void count_click(DesignedWindow&, const EventArgs&) {
  ++g_seen.clicks;
}

void record_key(DesignedWindow& window, const EventArgs& args) {
  g_seen.keys.emplace_back(args.key_code, text(window.control("编辑框甲")));
  if (args.key_code == VK_RETURN) {
    PostQuitMessage(0);
  }
}

// The client area as the control paints it (WM_PRINTCLIENT into a bitmap).
class Capture {
 public:
  explicit Capture(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels, pixels + width_ * height_);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  // 0x00RRGGBB
  std::uint32_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)] & 0xFFFFFF; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

int red_of(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xFF); }
int green_of(std::uint32_t pixel) { return static_cast<int>(pixel >> 8 & 0xFF); }

void CALLBACK quit_loop(HWND, UINT, UINT_PTR, DWORD) {
  PostQuitMessage(0);
}

class LiveWindowTest : public GdiplusTest {
 protected:
  void SetUp() override {
    g_seen = {};
    BuildResult built = build_window(kTestWindow, this_module());
    ASSERT_TRUE(built.window) << built.error;
    window_ = std::move(built.window);
    const EventBinding bindings[] = {
        {"关闭", ControlEvent::click, count_click},
        {"编辑框甲", ControlEvent::key_down, record_key},
    };
    ASSERT_TRUE(window_->bind(bindings).empty());
    window_->show();
    SetForegroundWindow(window_->hwnd());
    pump_messages(200);
  }
  void TearDown() override {
    window_.reset();
    pump_messages(50);
  }

  HWND control(const char* name) const { return window_->control(name); }

  // Handles messages through the toolkit's own loop (Tab and Enter take
  // their dialog-key road there) until a handler or the time-out posts quit.
  void run_loop(UINT milliseconds) {
    const UINT_PTR timer = SetTimer(nullptr, 0, milliseconds, quit_loop);
    run_message_loop(window_->hwnd());
    KillTimer(nullptr, timer);
  }

  std::unique_ptr<DesignedWindow> window_;
};

TEST_F(LiveWindowTest, BindReportsUnknownNamesAndEventsTheKindLacks) {
  const EventBinding bindings[] = {
      {"没有", ControlEvent::click, count_click},
      {"侧栏标签", ControlEvent::click, count_click},
      {"关闭", ControlEvent::key_down, record_key},
  };
  const std::vector<Text> unbound = window_->bind(bindings);
  ASSERT_EQ(unbound.size(), 3u);
  EXPECT_NE(unbound[0].find("没有"), Text::npos);
  EXPECT_NE(unbound[1].find("侧栏标签 (label)"), Text::npos);
  EXPECT_NE(unbound[2].find("关闭 (image button)"), Text::npos);
}

TEST_F(LiveWindowTest, LabelShowsThePictureUnderIt) {
  const Capture label(control("侧栏标签"));
  // A corner: the dark sidebar of the background image, not the window's white.
  const std::uint32_t corner = label.at(label.width() - 2, 1);
  EXPECT_LT(red_of(corner), 60);
  EXPECT_LT(green_of(corner), 60);
  // Its white caption is drawn over it.
  int light = 0;
  for (int y = 0; y < label.height(); ++y) {
    for (int x = 0; x < label.width(); ++x) {
      light += red_of(label.at(x, y)) > 200 ? 1 : 0;
    }
  }
  EXPECT_GT(light, 20);
}

TEST_F(LiveWindowTest, ImageButtonHighlightsUnderTheMouse) {
  HWND button = control("关闭");
  // Normal: a grey glyph on the light work area; the tile corner is light.
  EXPECT_GT(green_of(Capture(button).at(2, 10)), 200);
  testing_support::move_mouse(testing_support::centre_of(button));
  ASSERT_TRUE(pump_until([&] { return green_of(Capture(button).at(2, 10)) < 120; }))
      << "no red highlight tile under the mouse";
  testing_support::move_mouse(screen_point(window_->hwnd(), 300, 200));
  EXPECT_TRUE(pump_until([&] { return green_of(Capture(button).at(2, 10)) > 200; }))
      << "the highlight stays after the mouse left";
}

TEST_F(LiveWindowTest, ImageButtonClicksWhenReleasedOverIt) {
  HWND button = control("关闭");
  click(testing_support::centre_of(button));
  pump_until([] { return g_seen.clicks == 1; });
  EXPECT_EQ(g_seen.clicks, 1);

  // Pressed on it, released elsewhere: no click.
  testing_support::press_left(testing_support::centre_of(button));
  pump_messages(100);
  testing_support::release_left(screen_point(window_->hwnd(), 300, 200));
  pump_messages(200);
  EXPECT_EQ(g_seen.clicks, 1);
}

TEST_F(LiveWindowTest, DisabledImageButtonIgnoresClicks) {
  HWND button = control("关闭");
  set_disabled(button, true);
  EXPECT_TRUE(disabled(button));
  click(testing_support::centre_of(button));
  pump_messages(300);
  EXPECT_EQ(g_seen.clicks, 0);
  set_disabled(button, false);
  EXPECT_FALSE(disabled(button));
  click(testing_support::centre_of(button));
  EXPECT_TRUE(pump_until([] { return g_seen.clicks == 1; }));
}

TEST_F(LiveWindowTest, VisibleHidesTheControlAndItsChildren) {
  HWND pages = control("选择夹");
  HWND box = control("编辑框甲");
  ASSERT_TRUE(IsWindowVisible(box));
  set_visible(pages, false);
  EXPECT_FALSE(visible(pages));
  EXPECT_FALSE(IsWindowVisible(box));
  EXPECT_TRUE(visible(box)) << "the child keeps its own flag";
  set_visible(pages, true);
  EXPECT_TRUE(IsWindowVisible(box));
}

TEST_F(LiveWindowTest, TextReadsAndWritesGbk) {
  set_text(control("编辑框甲"), "买家 abc");
  EXPECT_EQ(text(control("编辑框甲")), "买家 abc");
  EXPECT_EQ(text(control("侧栏标签")), "侧栏文字");
  set_text(control("侧栏标签"), "");
  EXPECT_EQ(text(control("侧栏标签")), "");
  EXPECT_EQ(text(nullptr), "");
}

TEST_F(LiveWindowTest, EditBoxColoursComeFromTheDesign) {
  HDC dc = CreateCompatibleDC(nullptr);
  const struct {
    const char* box;
    Colour colour;
  } cases[] = {{"编辑框甲", kBlack}, {"编辑框乙", kRed}};
  for (const auto& entry : cases) {
    HWND box = control(entry.box);
    const LRESULT brush = SendMessageA(GetParent(box), WM_CTLCOLOREDIT,
                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(GetTextColor(dc), entry.colour) << entry.box;
    EXPECT_EQ(GetBkColor(dc), kWhite) << entry.box;
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(WHITE_BRUSH)) << entry.box;
  }
  DeleteDC(dc);
}

TEST_F(LiveWindowTest, KeyDownComesBeforeTheBoxHandlesTheKeyAndEnterArrives) {
  HWND box = control("编辑框甲");
  SetFocus(box);
  testing_support::type_text("12");
  press_key(VK_RETURN);
  run_loop(5000);
  ASSERT_EQ(g_seen.keys.size(), 3u);
  EXPECT_EQ(g_seen.keys[0], (std::pair<int, Text>{'1', ""}));
  EXPECT_EQ(g_seen.keys[1], (std::pair<int, Text>{'2', "1"}));
  EXPECT_EQ(g_seen.keys[2], (std::pair<int, Text>{VK_RETURN, "12"}));
  EXPECT_EQ(text(box), "12");
}

TEST_F(LiveWindowTest, TabMovesBetweenEditBoxesInTableOrder) {
  SetFocus(control("编辑框甲"));
  press_key(VK_TAB);
  run_loop(400);
  EXPECT_EQ(GetFocus(), control("编辑框乙"));
}

TEST_F(LiveWindowTest, HeaderStripSelectsPagesWhileShown) {
  HWND pages = control("选择夹");
  const int header = page_header_height(pages);
  ASSERT_GT(header, 0);
  EXPECT_EQ(current_page(pages), 0);
  EXPECT_FALSE(headers_hidden(pages));
  RECT page{};
  GetWindowRect(page_of(pages, 0), &page);
  MapWindowPoints(nullptr, pages, reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(page.top, header);

  // The second header lies right of the first; its title is 3 characters.
  const POINT second_tab = screen_point(pages, 100, header / 2);
  click(second_tab);
  EXPECT_TRUE(pump_until([&] { return current_page(pages) == 1; }));
  EXPECT_TRUE(IsWindowVisible(page_of(pages, 1)));
  EXPECT_FALSE(IsWindowVisible(page_of(pages, 0)));
}

TEST_F(LiveWindowTest, HiddenHeadersGiveThePagesTheWholeControlAndTakeNoClicks) {
  HWND pages = control("选择夹");
  const int header = page_header_height(pages);
  set_headers_hidden(pages, true);
  EXPECT_TRUE(headers_hidden(pages));
  RECT page{};
  GetWindowRect(page_of(pages, 0), &page);
  MapWindowPoints(nullptr, pages, reinterpret_cast<POINT*>(&page), 2);
  RECT whole{};
  GetClientRect(pages, &whole);
  EXPECT_EQ(page.top, 0);
  EXPECT_EQ(page.bottom, whole.bottom);

  click(screen_point(pages, 100, header / 2));
  pump_messages(300);
  EXPECT_EQ(current_page(pages), 0);

  EXPECT_TRUE(set_current_page(pages, 1));
  EXPECT_EQ(current_page(pages), 1);
  EXPECT_TRUE(IsWindowVisible(control("页二标签")));
  EXPECT_FALSE(IsWindowVisible(control("编辑框甲")));
}

TEST_F(LiveWindowTest, APageThatDoesNotExistChangesNothing) {
  HWND pages = control("选择夹");
  EXPECT_FALSE(set_current_page(pages, 2));
  EXPECT_FALSE(set_current_page(pages, -1));
  EXPECT_EQ(current_page(pages), 0);
  EXPECT_EQ(page_count(pages), 2);
  EXPECT_EQ(page_of(pages, 2), nullptr);
}

}  // namespace
}  // namespace toolbox::ui
