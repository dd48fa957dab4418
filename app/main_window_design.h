// The main window's design: frame and full control inventory.
#pragma once

#include "ui/design.h"

namespace toolbox::app {

// Colours of the artwork (tools/make_artwork.py draws with the same).
inline constexpr ui::Colour kWorkAreaColour = ui::rgb(243, 245, 248);

// Controls the handlers reach by name.
inline constexpr const char* kPageControl = "高级选择夹1";
inline constexpr const char* kLookupResultPanel = "图片框_旺旺查询";
inline constexpr const char* kCloseButton = "图形按钮2";
inline constexpr const char* kMinimiseButton = "图形按钮1";

// Page indexes of the page control.
inline constexpr int kLookupPage = 0;       // 旺旺查询
inline constexpr int kAffiliatePage = 1;    // 淘客订单查询
inline constexpr int kMessagingPage = 2;    // 微信查询
inline constexpr int kIndexPage = 3;        // 指数转换

const ui::WindowDesign& main_window_design();

}  // namespace toolbox::app
