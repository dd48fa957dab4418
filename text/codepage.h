// Code-page conversion between GBK (code page 936), UTF-8 (65001) and UTF-16.
//
// Windows builds convert with MultiByteToWideChar / WideCharToMultiByte; the
// native build has its own backend (an iconv CP936 table and a UTF-8 codec)
// that follows the same rules where the two code pages agree:
//   - invalid UTF-8 becomes U+FFFD, one per maximal invalid subsequence;
//   - a GBK lead byte at the end of the text, or followed by a byte that makes
//     no character, becomes "?" (the pair is consumed);
//   - a UTF-16 unit without a GBK form becomes "?" (so a character outside the
//     BMP becomes "??").
// The native table has no mapping for GBK's user-defined areas, which Windows
// maps into the Private Use Area.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace toolbox {

std::u16string gbk_to_utf16(std::string_view gbk);
Text utf16_to_gbk(std::u16string_view utf16);
std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

Text utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace toolbox
