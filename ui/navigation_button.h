// Navigation button: marks the page being shown. The messages work from
// another process too (the tests drive the program that way).
#pragma once

#include <windows.h>

namespace toolbox::ui {

inline constexpr UINT kNavigationButtonSetSelected = WM_USER + 20;  // wParam 0 or 1
inline constexpr UINT kNavigationButtonIsSelected = WM_USER + 21;   // -> 0 or 1

void set_navigation_selected(HWND button, bool selected);
bool navigation_selected(HWND button);

}  // namespace toolbox::ui
