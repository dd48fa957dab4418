// The main window built in this process, as the program builds it: the
// style notes of its design (fonts, colours, list columns), its frame and
// icon, and the captions' characters present in the fonts they are drawn in.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/main_window.h"
#include "app/main_window_design.h"
#include "app/resources.h"
#include "text/wide.h"
#include "ui/builder.h"
#include "ui/properties.h"

namespace toolbox::app {
namespace {

using ui::ControlDesign;
using ui::ControlKind;

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    gdiplus_ = new ui::GdiplusSession();
    window_ = open_main_window(GetModuleHandleA(nullptr)).release();
  }
  static void TearDownTestSuite() {
    delete window_;
    window_ = nullptr;
    delete gdiplus_;
    gdiplus_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(window_ && window_->hwnd()); }

  static HWND control(const char* name) { return window_->control(name); }

  static ui::GdiplusSession* gdiplus_;
  static ui::DesignedWindow* window_;
};
ui::GdiplusSession* MainWindowTest::gdiplus_ = nullptr;
ui::DesignedWindow* MainWindowTest::window_ = nullptr;

LOGFONTA font_of(HWND hwnd) {
  LOGFONTA font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof(font), &font);
  return font;
}

TEST_F(MainWindowTest, EveryHandlerFindsItsControl) {
  EXPECT_TRUE(window_->bind(main_window_events()).empty());
}

TEST_F(MainWindowTest, FrameIsBorderlessCaptionlessAndInTheTaskbar) {
  HWND hwnd = window_->hwnd();
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 709);
  EXPECT_EQ(client.bottom, 630);
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.left, 50);
  EXPECT_EQ(frame.top, 50);
  EXPECT_EQ(frame.right - frame.left, 709) << "no border around the client area";
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  EXPECT_EQ(ui::text(hwnd), "");
  EXPECT_NE(GetClassLongPtrA(hwnd, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrA(hwnd, GCLP_HICONSM), 0);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowTest, IconHasTenImagesIn16_32_48And128Pixels) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(TOOLBOX_ICON), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(group, nullptr);
  const WORD count = *reinterpret_cast<const WORD*>(group + 4);
  EXPECT_EQ(count, 10);
  std::set<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = group + 6 + 14 * i;  // GRPICONDIRENTRY
    sizes.insert(entry[0] == 0 ? 256 : entry[0]);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 128}));
  for (int size : {16, 32, 48, 128}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(TOOLBOX_ICON), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST_F(MainWindowTest, FontsFollowTheDesignNotes) {
  const struct {
    const char* control;
    const char* face;
    int height;
    bool bold;
  } cases[] = {
      {"超级按钮_旺旺查询", "微软雅黑", 16, true},
      {"超级按钮_微信查询", "微软雅黑", 16, true},
      {"高级选择夹1", "SimSun", 12, false},
      {"透明标签37", "SimSun", 10, false},
      {"透明标签27", "SimSun", 14, false},
      {"透明标签15", "SimSun", 14, false},
      {"透明标签16", "SimSun", 12, false},
      {"编辑框_买家", "SimSun", 12, false},
      {"编辑框_交易指数1", "SimSun", 12, false},
  };
  for (const auto& entry : cases) {
    const LOGFONTA font = font_of(control(entry.control));
    EXPECT_STREQ(font.lfFaceName, entry.face) << entry.control;
    EXPECT_EQ(font.lfHeight, -entry.height) << entry.control;
    EXPECT_EQ(font.lfWeight >= FW_BOLD, entry.bold) << entry.control;
  }
}

TEST_F(MainWindowTest, RedTextWhereTheDesignSaysSo) {
  HDC dc = CreateCompatibleDC(nullptr);
  for (const ControlDesign& row : main_window_design().controls) {
    if (row.kind != ControlKind::edit_box) {
      continue;
    }
    HWND box = control(row.name);
    SendMessageA(GetParent(box), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(GetTextColor(dc), row.text_colour) << row.name;
    EXPECT_EQ(GetBkColor(dc), ui::kWhite) << row.name;
  }
  DeleteDC(dc);
  for (const char* red : {"编辑框_买家信誉", "编辑框_性别", "编辑框_近期购买记录2",
                          "编辑框_近期购买记录", "编辑框_注册日期", "编辑框_超级会员"}) {
    EXPECT_EQ(window_->find(red)->design->text_colour, ui::kRed) << red;
  }
}

TEST_F(MainWindowTest, MultiLineAndBorderedBoxes) {
  for (const ControlDesign& row : main_window_design().controls) {
    if (row.kind != ControlKind::edit_box) {
      continue;
    }
    const LONG_PTR style = GetWindowLongPtrA(control(row.name), GWL_STYLE);
    EXPECT_EQ((style & ES_MULTILINE) != 0, row.multi_line) << row.name;
    EXPECT_NE(style & WS_TABSTOP, 0) << row.name;
    EXPECT_EQ(style & ES_READONLY, 0) << row.name;
    // The default border (drawn by the toolkit) narrows the client area.
    RECT client{};
    GetClientRect(control(row.name), &client);
    EXPECT_EQ(client.right, row.bounds.width - (row.border ? 2 : 0)) << row.name;
  }
  for (const char* multi : {"编辑框_近期购买记录2", "编辑框_近期购买记录", "编辑框_标签"}) {
    EXPECT_TRUE(window_->find(multi)->design->multi_line) << multi;
  }
  EXPECT_TRUE(window_->find("编辑框_转化指数1")->design->border);
  EXPECT_FALSE(window_->find("编辑框_买家")->design->border);
}

TEST_F(MainWindowTest, TagListHasItsTenColumnsInRedOnWhite) {
  HWND list = control("超级列表框1");
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0)), ui::kRed);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0)), ui::kWhite);
  EXPECT_NE(GetWindowLongPtrA(list, GWL_STYLE) & LVS_REPORT, 0);
  const struct {
    const char* title;
    int width;
  } expected[] = {{"", 1},      {"吐槽", 60}, {"退款", 60}, {"敲诈", 60}, {"骗子", 60},
                  {"打假", 60}, {"差评", 60}, {"淘客", 60}, {"降权", 71}, {"云黑名单", 64}};
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 10);
  for (int i = 0; i < 10; ++i) {
    char title[32] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = sizeof(title);
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, expected[i].title) << i;
    EXPECT_EQ(column.cx, expected[i].width) << i;
  }
}

// A missing glyph shows as a box: every character of every caption must be
// in the font its control draws with.
TEST_F(MainWindowTest, EveryCaptionCharacterIsInItsFont) {
  HDC dc = CreateCompatibleDC(nullptr);
  for (const ControlDesign& row : main_window_design().controls) {
    const std::wstring caption = to_wide(row.text);
    if (caption.empty()) {
      continue;
    }
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(
                                       control(row.name), WM_GETFONT, 0, 0)));
    std::basic_string<WORD> glyphs(caption.size(), 0);
    ASSERT_NE(GetGlyphIndicesW(dc, caption.c_str(), static_cast<int>(caption.size()),
                               glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS),
              GDI_ERROR);
    for (std::size_t i = 0; i < caption.size(); ++i) {
      EXPECT_NE(glyphs[i], 0xFFFF) << row.name << ": character " << i << " has no glyph";
    }
    SelectObject(dc, old);
  }
  for (const char* title : {"旺旺查询", "淘客订单查询", "微信查询", "指数转换"}) {
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(
                                       control(kPageControl), WM_GETFONT, 0, 0)));
    const std::wstring wide = to_wide(title);
    std::basic_string<WORD> glyphs(wide.size(), 0);
    GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_EQ(glyphs.find(0xFFFF), std::basic_string<WORD>::npos) << title;
    SelectObject(dc, old);
  }
  DeleteDC(dc);
}

// A caption may overhang its label only by the empty right side of its
// last glyph (full-width colons are mostly empty): its ink fits, give or
// take the pixel of anti-aliased fringe.
TEST_F(MainWindowTest, LabelCaptionsFitTheirLabels) {
  HDC dc = CreateCompatibleDC(nullptr);
  for (const ControlDesign& row : main_window_design().controls) {
    if (row.kind != ControlKind::label) {
      continue;
    }
    const std::wstring caption = to_wide(row.text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(
                                       control(row.name), WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    ABC last{};
    GetCharABCWidthsW(dc, caption.back(), caption.back(), &last);
    const int ink = extent.cx - (last.abcC > 0 ? last.abcC : 0);
    EXPECT_LE(ink, row.bounds.width + 1) << row.name;
    EXPECT_LE(extent.cy, row.bounds.height) << row.name;
    SelectObject(dc, old);
  }
  DeleteDC(dc);
}

}  // namespace
}  // namespace toolbox::app
