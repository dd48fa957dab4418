// Character stepping in GBK texts. A byte of 0x80 or above starts a two-byte
// character; the byte after it belongs to that character whatever its value.
// A lead byte at the very end of a text stands alone.
#pragma once

#include <cstddef>
#include <string_view>

namespace toolbox::gbk {

inline bool is_lead_byte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

// Length in bytes (1 or 2) of the character that starts at `at`.
inline std::size_t character_length(std::string_view text, std::size_t at) {
  return is_lead_byte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

// The GBK full-width space (U+3000).
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

}  // namespace toolbox::gbk
