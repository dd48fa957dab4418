// Escapes inside JSON string values. Documents keep values as written; these
// turn a stored value into the text it stands for and back.
//
// Both work byte by byte, as the parser does: a backslash is a backslash even
// when it is the second byte of a double-byte character. That keeps the three
// in step, so a value written here reads back unchanged.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace toolbox {

// `\r \n \t \b \f` give the control byte, `\/ \\ \"` the second character,
// `\u` with four hexadecimal digits the UTF-16 unit in GBK (one byte for
// ASCII, two for a double-byte character). A `\u` without four digits stays
// as "\u" and what follows is read again; any other escaped byte keeps its
// backslash.
Text unescape_json_text(std::string_view raw);

// Escape mode bits of escape_json_text. Any mode above 0 escapes backspace,
// backslash, CR, LF, form feed, double quote and tab.
namespace json_escape {
inline constexpr std::int32_t basic = 1;
inline constexpr std::int32_t double_byte_as_unicode = 2;  // every double-byte character as \uXXXX
inline constexpr std::int32_t slash = 4;                   // "/" as \/
}  // namespace json_escape

Text escape_json_text(std::string_view text, std::int32_t mode);

}  // namespace toolbox
