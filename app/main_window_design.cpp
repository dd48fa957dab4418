#include "app/main_window_design.h"

#include "app/resources.h"

namespace toolbox::app {

namespace {

using ui::ControlKind;
using ui::FontNote;
using ui::kRed;
using ui::kWhite;

constexpr ControlKind kLabel = ControlKind::label;
constexpr ControlKind kEdit = ControlKind::edit_box;
constexpr ControlKind kPicture = ControlKind::picture_box;
constexpr ControlKind kImageButton = ControlKind::image_button;
constexpr ControlKind kNavigation = ControlKind::navigation_button;
constexpr ControlKind kList = ControlKind::list_view;
constexpr ControlKind kPages = ControlKind::page_control;

// Parents, as the rows below name them.
constexpr const char* kBackground = "图片框1";
constexpr const char* kSearchFrame = "图片框2";
constexpr const char* kAffiliateFrame = "图片框5";

constexpr FontNote kNavigationFont{.face = "微软雅黑", .height = 16, .bold = true};
constexpr FontNote kIndexLabelFont{.height = 14};

constexpr const char* kPageTitles[] = {"旺旺查询", "淘客订单查询", "微信查询", "指数转换"};

constexpr ui::ListColumn kTagColumns[] = {
    {"", 1},      {"吐槽", 60}, {"退款", 60}, {"敲诈", 60}, {"骗子", 60},
    {"打假", 60}, {"差评", 60}, {"淘客", 60}, {"降权", 71}, {"云黑名单", 64},
};

// Rows in creation order: an earlier row lies above a later sibling and
// comes first in the Tab order. 超级按钮_微信查询 stands directly on the
// window, so it comes before the full-window background to stay visible.
constexpr ui::ControlDesign kControls[] = {
    // Window level.
    {.name = "超级按钮_微信查询", .kind = kNavigation, .bounds = {0, 208, 136, 40},
     .text = "       微信查询", .font = kNavigationFont, .text_colour = kWhite,
     .image = TOOLBOX_IMAGE_NAVIGATION_BAR},
    {.name = "图片框1", .kind = kPicture, .bounds = {0, 0, 816, 632},
     .image = TOOLBOX_IMAGE_BACKGROUND},
    {.name = "超级按钮_旺旺查询", .kind = kNavigation, .parent = kBackground,
     .bounds = {0, 144, 136, 40}, .text = "       旺旺查询", .font = kNavigationFont,
     .text_colour = kWhite, .image = TOOLBOX_IMAGE_NAVIGATION_BAR},
    {.name = "超级按钮_淘客查询", .kind = kNavigation, .parent = kBackground,
     .bounds = {0, 272, 136, 40}, .text = "       淘客查询", .font = kNavigationFont,
     .text_colour = kWhite, .image = TOOLBOX_IMAGE_NAVIGATION_BAR},
    {.name = "超级按钮_指数查询", .kind = kNavigation, .parent = kBackground,
     .bounds = {0, 336, 136, 40}, .text = "       指数查询", .font = kNavigationFont,
     .text_colour = kWhite, .image = TOOLBOX_IMAGE_NAVIGATION_BAR},
    {.name = "图片框3", .kind = kPicture, .parent = kBackground, .bounds = {0, 488, 140, 152},
     .image = TOOLBOX_IMAGE_SIDEBAR_TEXTURE},
    {.name = "图形按钮1", .kind = kImageButton, .parent = kBackground, .bounds = {618, 8, 20, 20},
     .image = TOOLBOX_IMAGE_MINIMISE, .highlight_image = TOOLBOX_IMAGE_MINIMISE_HOT},
    {.name = "图形按钮2", .kind = kImageButton, .parent = kBackground, .bounds = {672, 8, 20, 20},
     .image = TOOLBOX_IMAGE_CLOSE, .highlight_image = TOOLBOX_IMAGE_CLOSE_HOT},
    {.name = "高级选择夹1", .kind = kPages, .parent = kBackground, .bounds = {140, 15, 668, 617},
     .font = {.face = "SimSun", .height = 12}, .page_titles = kPageTitles},

    // Page 0 "旺旺查询": the buyer lookup.
    {.name = "图片框4", .kind = kPicture, .parent = kPageControl, .page = 0,
     .bounds = {28, 33, 32, 32}, .image = TOOLBOX_IMAGE_FACE},
    {.name = "图片框2", .kind = kPicture, .parent = kPageControl, .page = 0,
     .bounds = {84, 33, 232, 30}, .image = TOOLBOX_IMAGE_SEARCH_FRAME},
    {.name = "编辑框_旺旺查询搜索框", .kind = kEdit, .parent = kSearchFrame,
     .bounds = {8, 8, 224, 16}},
    {.name = "图形按钮3", .kind = kImageButton, .parent = kPageControl, .page = 0,
     .bounds = {316, 33, 55, 30}, .image = TOOLBOX_IMAGE_SEARCH_BUTTON,
     .highlight_image = TOOLBOX_IMAGE_SEARCH_BUTTON_HOT},
    {.name = "图片框_旺旺查询", .kind = kPicture, .parent = kPageControl, .page = 0,
     .bounds = {2, 73, 570, 536}},

    // The lookup result panel.
    {.name = "透明标签3", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {30, 2, 46, 32},
     .text = "旺旺名："},
    {.name = "编辑框_买家", .kind = kEdit, .parent = kLookupResultPanel, .bounds = {82, 6, 115, 24}},
    {.name = "透明标签4", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {326, 8, 56, 32},
     .text = "买家信誉："},
    {.name = "编辑框_买家信誉", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {399, 8, 57, 32}, .text_colour = kRed},
    {.name = "透明标签5", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {36, 51, 40, 32},
     .text = "性别："},
    {.name = "编辑框_性别", .kind = kEdit, .parent = kLookupResultPanel, .bounds = {83, 55, 37, 24},
     .text_colour = kRed},
    {.name = "透明标签7", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {342, 58, 40, 32},
     .text = "淘龄："},
    {.name = "编辑框_淘龄", .kind = kEdit, .parent = kLookupResultPanel, .bounds = {399, 56, 53, 32}},
    {.name = "透明标签9", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {28, 118, 40, 24},
     .text = "好评率："},
    {.name = "编辑框_给别人的好评率", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {82, 115, 44, 24}},
    {.name = "透明标签6", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {310, 120, 72, 24},
     .text = "收到好评率："},
    {.name = "编辑框_收到的好评率", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {399, 115, 49, 32}},
    {.name = "透明标签13", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {14, 172, 54, 24},
     .text = "商家信誉："},
    {.name = "编辑框_商家信誉", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {82, 172, 96, 24}},
    {.name = "透明标签8", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {294, 163, 88, 32},
     .text = "买家总周评论："},
    {.name = "编辑框_买家总周评论", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {399, 163, 61, 32}},
    {.name = "透明标签11", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {19, 224, 57, 32},
     .text = "实名认证："},
    {.name = "编辑框_实名认证", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {84, 227, 162, 24}},
    {.name = "透明标签10", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {302, 232, 80, 24},
     .text = "给出中差评数："},
    {.name = "编辑框_给出的中差评", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {399, 225, 75, 32}},
    {.name = "透明标签19", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {-1, 282, 80, 24},
     .text = "近期购买记录："},
    {.name = "编辑框_近期购买记录2", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {83, 280, 181, 24}, .text_colour = kRed, .multi_line = true},
    {.name = "透明标签12", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {302, 286, 80, 24},
     .text = "近期购买记录："},
    {.name = "编辑框_近期购买记录", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {402, 280, 165, 32}, .text_colour = kRed, .multi_line = true},
    {.name = "透明标签14", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {17, 325, 56, 32},
     .text = "注册日期："},
    {.name = "编辑框_注册日期", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {83, 327, 96, 24}, .text_colour = kRed},
    {.name = "透明标签34", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {327, 328, 56, 24},
     .text = "消费力度："},
    {.name = "编辑框_消费力度", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {401, 328, 80, 24}},
    {.name = "透明标签35", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {1, 371, 80, 32},
     .text = "是否超级会员："},
    {.name = "编辑框_超级会员", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {86, 373, 56, 24}, .text_colour = kRed},
    {.name = "透明标签36", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {330, 368, 64, 24},
     .text = "注册地区："},
    {.name = "编辑框_注册地区", .kind = kEdit, .parent = kLookupResultPanel,
     .bounds = {402, 368, 88, 24}},
    {.name = "透明标签21", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {306, 400, 136, 32},
     .text = "该用户近一周查询商家数："},
    {.name = "透明标签_次数", .kind = kLabel, .parent = kLookupResultPanel,
     .bounds = {456, 404, 52, 24}, .text = "次数", .text_colour = kRed},
    {.name = "透明标签20", .kind = kLabel, .parent = kLookupResultPanel, .bounds = {4, 408, 116, 24},
     .text = "近期标签，仅供参考"},
    {.name = "透明标签37", .kind = kLabel, .parent = kLookupResultPanel,
     .bounds = {130, 415, 128, 16}, .text = "部分数据来自淘淘慧通", .font = {.height = 10}},
    {.name = "编辑框_标签", .kind = kEdit, .parent = kLookupResultPanel, .bounds = {5, 440, 588, 40},
     .multi_line = true},
    {.name = "超级列表框1", .kind = kList, .parent = kLookupResultPanel, .bounds = {0, 489, 559, 56},
     .text_colour = kRed, .columns = kTagColumns},

    // Page 1 "淘客订单查询": laid out, no command yet.
    {.name = "图片框5", .kind = kPicture, .parent = kPageControl, .page = 1,
     .bounds = {104, 120, 232, 30}, .image = TOOLBOX_IMAGE_SEARCH_FRAME},
    {.name = "编辑框_淘客", .kind = kEdit, .parent = kAffiliateFrame, .bounds = {8, 8, 224, 16}},
    {.name = "图形按钮_淘客查询", .kind = kImageButton, .parent = kPageControl, .page = 1,
     .bounds = {336, 120, 55, 30}, .image = TOOLBOX_IMAGE_SEARCH_BUTTON,
     .highlight_image = TOOLBOX_IMAGE_SEARCH_BUTTON_HOT},
    {.name = "图片框6", .kind = kPicture, .parent = kPageControl, .page = 1,
     .bounds = {104, 176, 288, 296}},
    {.name = "透明标签18", .kind = kLabel, .parent = kPageControl, .page = 1,
     .bounds = {88, 512, 352, 40}, .text = "出现二维码，请用淘宝客户端扫描二维码即可查询是否走淘客！"},

    // Page 2 "微信查询".
    {.name = "透明标签1", .kind = kLabel, .parent = kPageControl, .page = 2,
     .bounds = {164, 169, 96, 48}, .text = "后续开放"},

    // Page 3 "指数转换": seven rows of index label, input box, result label
    // and output box, then the hint.
    {.name = "透明标签27", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 56, 64, 24}, .text = "交易指数：", .font = kIndexLabelFont},
    {.name = "透明标签33", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 56, 64, 24}, .text = "交易指数：", .font = kIndexLabelFont},
    {.name = "编辑框_交易指数1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 56, 160, 32}, .border = true},
    {.name = "透明标签17", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {304, 59, 64, 24}, .text = "支付金额：", .font = kIndexLabelFont},
    {.name = "编辑框_交易指数2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 56, 136, 32}, .border = true},

    {.name = "透明标签32", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 106, 64, 24}, .text = "流量指数：", .font = kIndexLabelFont},
    {.name = "编辑框_流量指数1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 104, 160, 32}, .border = true},
    {.name = "透明标签22", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {302, 108, 64, 24}, .text = "访客数：", .font = kIndexLabelFont},
    {.name = "编辑框_流量指数2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 104, 136, 32}, .border = true},

    {.name = "透明标签29", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 154, 64, 24}, .text = "客群指数：", .font = kIndexLabelFont},
    {.name = "编辑框_客群指数1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 152, 160, 32}, .border = true},
    {.name = "透明标签23", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {304, 155, 64, 24}, .text = "买家数：", .font = kIndexLabelFont},
    {.name = "编辑框_客群指数2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 152, 136, 32}, .border = true},

    {.name = "透明标签28", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 202, 64, 24}, .text = "收藏人气：", .font = kIndexLabelFont},
    {.name = "编辑框_收藏人气1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 200, 160, 32}, .border = true},
    {.name = "透明标签24", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {304, 205, 64, 24}, .text = "收藏人数：", .font = kIndexLabelFont},
    {.name = "编辑框_收藏人气2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 200, 136, 32}, .border = true},

    {.name = "透明标签30", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 250, 64, 24}, .text = "加购指数：", .font = kIndexLabelFont},
    {.name = "编辑框_加购指数1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 248, 160, 32}, .border = true},
    {.name = "透明标签25", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {304, 251, 64, 24}, .text = "加购人数：", .font = kIndexLabelFont},
    {.name = "编辑框_加购指数2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 248, 136, 32}, .border = true},

    {.name = "透明标签31", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 298, 64, 24}, .text = "搜索人气：", .font = kIndexLabelFont},
    {.name = "编辑框_搜索人气1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 296, 160, 32}, .border = true},
    {.name = "透明标签26", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {283, 298, 80, 24}, .text = "搜索用户数：", .font = kIndexLabelFont},
    {.name = "编辑框_搜索人气2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {367, 296, 136, 32}, .border = true},

    {.name = "透明标签2", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {32, 347, 64, 24}, .text = "支付转化：", .font = kIndexLabelFont},
    {.name = "编辑框_转化指数1", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {101, 344, 160, 32}, .border = true},
    {.name = "透明标签15", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {288, 346, 80, 24}, .text = "支付转化率：", .font = kIndexLabelFont},
    {.name = "编辑框_转化指数2", .kind = kEdit, .parent = kPageControl, .page = 3,
     .bounds = {368, 344, 136, 32}, .border = true},

    {.name = "透明标签16", .kind = kLabel, .parent = kPageControl, .page = 3,
     .bounds = {152, 408, 160, 32}, .text = "填入数据，按下回车即可"},
};

constexpr ui::WindowDesign kMainWindow{
    .class_name = "ToolboxMainWindow",
    .caption = "",
    .x = 50,
    .y = 50,
    .client_width = 709,
    .client_height = 630,
    .icon = TOOLBOX_ICON,
    .background = kWorkAreaColour,
    .start_window = true,
    .controls = kControls,
};

}  // namespace

const ui::WindowDesign& main_window_design() {
  return kMainWindow;
}

}  // namespace toolbox::app
