#include "ui/caption.h"

#include <string>

#include "text/wide.h"
#include "ui/gdi.h"

namespace toolbox::ui {

namespace {

// Width of all but the last character: what must fit for one line.
int width_before_last(HDC dc, const std::wstring& text) {
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()) - 1, &extent);
  return extent.cx;
}

}  // namespace

void draw_caption(HDC dc, const RECT& box, std::string_view text, HFONT font, Colour colour) {
  if (text.empty()) {
    return;
  }
  std::wstring wide = to_wide(text);
  SelectObjectGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT area = box;
  const int width = area.right - area.left;
  const bool one_line = wide.find(L'\n') == std::wstring::npos && width_before_last(dc, wide) < width;
  if (one_line) {
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return;
  }
  const UINT wrapping = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
  RECT measured = area;
  const int height = DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured,
                               wrapping | DT_CALCRECT);
  const int free = (area.bottom - area.top) - height;
  if (free > 0) {
    area.top += free / 2;
  }
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, wrapping);
}

}  // namespace toolbox::ui
