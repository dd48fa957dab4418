#include "app/main_window.h"

#include "app/main_window_design.h"
#include "ui/builder.h"
#include "ui/navigation_button.h"
#include "ui/properties.h"

namespace toolbox::app {

namespace {

using ui::ControlEvent;
using ui::DesignedWindow;
using ui::EventArgs;

// The sidebar, top to bottom, and the page each button shows.
struct PageButton {
  const char* button;
  int page;
};
constexpr PageButton kPageButtons[] = {
    {"超级按钮_旺旺查询", kLookupPage},
    {"超级按钮_微信查询", kMessagingPage},
    {"超级按钮_淘客查询", kAffiliatePage},
    {"超级按钮_指数查询", kIndexPage},
};

template <int page>
void on_page_button(DesignedWindow& window, const EventArgs&) {
  show_page(window, page);
}

void on_close_button(DesignedWindow& window, const EventArgs&) {
  window.close();
}

// 图形按钮1 (drawn as a minimise glyph) and 图形按钮_淘客查询 have no action.
constexpr ui::EventBinding kEvents[] = {
    {"超级按钮_旺旺查询", ControlEvent::click, on_page_button<kLookupPage>},
    {"超级按钮_淘客查询", ControlEvent::click, on_page_button<kAffiliatePage>},
    {"超级按钮_微信查询", ControlEvent::click, on_page_button<kMessagingPage>},
    {"超级按钮_指数查询", ControlEvent::click, on_page_button<kIndexPage>},
    {kCloseButton, ControlEvent::click, on_close_button},
};

}  // namespace

std::span<const ui::EventBinding> main_window_events() {
  return kEvents;
}

void show_page(DesignedWindow& window, int page) {
  ui::set_current_page(window.control(kPageControl), page);
  for (const PageButton& entry : kPageButtons) {
    ui::set_navigation_selected(window.control(entry.button), entry.page == page);
  }
}

void on_main_window_created(DesignedWindow& window) {
  show_page(window, kLookupPage);
  ui::set_headers_hidden(window.control(kPageControl), true);
  ui::set_visible(window.control(kLookupResultPanel), false);
}

std::unique_ptr<DesignedWindow> open_main_window(HINSTANCE instance) {
  ui::BuildResult built = ui::build_window(main_window_design(), instance);
  if (!built.window) {
    return nullptr;
  }
  built.window->bind(main_window_events());
  on_main_window_created(*built.window);
  built.window->show();
  return std::move(built.window);
}

}  // namespace toolbox::app
