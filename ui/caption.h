// Caption text of labels and navigation buttons.
#pragma once

#include <windows.h>

#include <string_view>

#include "text/text.h"
#include "ui/design.h"

namespace toolbox::ui {

// Draws `text` (GBK) with a transparent background, left-aligned and
// vertically centred in `box`. It stays on one line unless more than its
// last character would stand past the right edge: captions are sized to
// their ink, and a closing full-width colon is mostly empty space. Longer
// text wraps, and the lines are centred together.
void draw_caption(HDC dc, const RECT& box, std::string_view text, HFONT font, Colour colour);

}  // namespace toolbox::ui
