#include "text/codepage.h"

namespace toolbox {

Text utf8_to_gbk(std::string_view utf8) {
  return utf16_to_gbk(utf8_to_utf16(utf8));
}

std::string gbk_to_utf8(std::string_view gbk) {
  return utf16_to_utf8(gbk_to_utf16(gbk));
}

}  // namespace toolbox
