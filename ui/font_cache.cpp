#include "ui/font_cache.h"

namespace toolbox::ui {

HFONT FontCache::get(const FontNote& note) {
  const std::string face = note.face ? note.face : kDefaultFontFace;
  const int height = note.height > 0 ? note.height : kDefaultFontHeight;
  for (const Entry& entry : entries_) {
    if (entry.face == face && entry.height == height && entry.bold == note.bold) {
      return entry.font.get();
    }
  }
  // A negative height asks for the character height (the em) in pixels.
  // The face is GBK, like every text of the program: the ANSI call reads it
  // in code page 936.
  Font font(CreateFontA(-height, 0, 0, 0, note.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  HFONT handle = font.get();
  if (handle) {
    entries_.push_back(Entry{face, height, note.bold, std::move(font)});
  }
  return handle;
}

}  // namespace toolbox::ui
