// Page control: a strip of tab headers over a set of pages, each page a
// container window; only the current page is shown. With its headers hidden
// the strip is neither drawn nor clickable and the pages take the whole
// control: pages then change only through the current-page property.
//
// The messages work from another process too.
#pragma once

#include <windows.h>

namespace toolbox::ui {

inline constexpr UINT kPageControlGetCurrentPage = WM_USER + 1;   // -> index, -1 without pages
inline constexpr UINT kPageControlSetCurrentPage = WM_USER + 2;   // wParam index -> 1 if it exists
inline constexpr UINT kPageControlGetHeadersHidden = WM_USER + 3;  // -> 0 or 1
inline constexpr UINT kPageControlSetHeadersHidden = WM_USER + 4;  // wParam 0 or 1
inline constexpr UINT kPageControlGetPage = WM_USER + 5;          // wParam index -> page HWND
inline constexpr UINT kPageControlGetPageCount = WM_USER + 6;     // -> count

// Height of the header strip while it is shown.
int page_header_height(HWND page_control);

HWND page_of(HWND page_control, int index);
int page_count(HWND page_control);

}  // namespace toolbox::ui
