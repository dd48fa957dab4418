#include "json/json_number.h"

namespace toolbox {
namespace {

bool is_digit(char byte) {
  return byte >= '0' && byte <= '9';
}

}  // namespace

bool is_json_number(std::string_view text) {
  if (text.empty() || (text[0] != '-' && !is_digit(text[0]))) {
    return false;
  }
  bool seen_point = false;
  bool seen_exponent = false;
  for (std::size_t at = 1; at < text.size(); ++at) {
    char byte = text[at];
    if (is_digit(byte)) {
      continue;
    }
    if (byte == '.') {
      if (seen_point || seen_exponent || at + 1 == text.size()) {
        return false;
      }
      seen_point = true;
      continue;
    }
    if (byte == 'e' || byte == 'E') {
      // The sign is required, and at least one byte must follow it.
      if (seen_exponent || at + 2 >= text.size() || (text[at + 1] != '+' && text[at + 1] != '-')) {
        return false;
      }
      seen_exponent = true;
      ++at;
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace toolbox
