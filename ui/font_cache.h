// The fonts of one window, made once per distinct font note.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/design.h"
#include "ui/gdi.h"

namespace toolbox::ui {

// The toolkit's default font, where a design names none.
inline constexpr const char* kDefaultFontFace = "SimSun";
inline constexpr int kDefaultFontHeight = 12;

class FontCache {
 public:
  // The font for the note (defaults filled in); nullptr when GDI refuses.
  HFONT get(const FontNote& note);

 private:
  struct Entry {
    std::string face;
    int height = 0;
    bool bold = false;
    Font font;
  };
  std::vector<Entry> entries_;
};

}  // namespace toolbox::ui
