// The control properties handlers read and write. Numbers are the
// toolkit's property numbers: visible (5), disabled (6), text (8), current
// page (12), headers hidden (14). A null control reads as empty and ignores
// writes.
#pragma once

#include <windows.h>

#include <string_view>

#include "text/text.h"

namespace toolbox::ui {

enum class Property {
  visible = 5,
  disabled = 6,
  text = 8,
  current_page = 12,
  headers_hidden = 14,
};

// visible (5): false hides the control and, with it, its children. Reads
// the control's own flag, whether or not its parent is shown.
bool visible(HWND control);
void set_visible(HWND control, bool visible);

// disabled (6): true greys the control out and it ignores input.
bool disabled(HWND control);
void set_disabled(HWND control, bool disabled);

// text (8): a label's caption, an edit box's content (GBK).
Text text(HWND control);
void set_text(HWND control, std::string_view text);

// current page (12): 0-based index of the page a page control shows; -1
// without pages. Setting a page that does not exist changes nothing and
// returns false.
int current_page(HWND page_control);
bool set_current_page(HWND page_control, int page);

// headers hidden (14): the tab header strip is neither drawn nor clickable.
bool headers_hidden(HWND page_control);
void set_headers_hidden(HWND page_control, bool hidden);

}  // namespace toolbox::ui
