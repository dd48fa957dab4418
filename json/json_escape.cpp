#include "json/json_escape.h"

#include "text/codepage.h"
#include "text/gbk.h"

namespace toolbox {
namespace {

int hex_value(char byte) {
  if (byte >= '0' && byte <= '9') {
    return byte - '0';
  }
  if (byte >= 'a' && byte <= 'f') {
    return byte - 'a' + 10;
  }
  if (byte >= 'A' && byte <= 'F') {
    return byte - 'A' + 10;
  }
  return -1;
}

// The UTF-16 unit of the four hexadecimal digits at `at`, or -1.
long unicode_escape_unit(std::string_view raw, std::size_t at) {
  if (raw.size() - at < 4) {
    return -1;
  }
  long unit = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    int digit = hex_value(raw[at + k]);
    if (digit < 0) {
      return -1;
    }
    unit = unit << 4 | digit;
  }
  return unit;
}

void append_unicode_escape(Text& out, char16_t unit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) {
    out += kDigits[(unit >> shift) & 0xF];
  }
}

}  // namespace

Text unescape_json_text(std::string_view raw) {
  Text out;
  out.reserve(raw.size());
  std::size_t at = 0;
  while (at < raw.size()) {
    char byte = raw[at];
    if (byte != '\\' || at + 1 == raw.size()) {
      out += byte;
      ++at;
      continue;
    }
    char escaped = raw[at + 1];
    at += 2;
    switch (escaped) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case '/':
      case '\\':
      case '"': out += escaped; break;
      case 'u': {
        long unit = unicode_escape_unit(raw, at);
        if (unit < 0) {
          out += "\\u";  // the bytes after it are read again
        } else {
          out += utf16_to_gbk(std::u16string(1, static_cast<char16_t>(unit)));
          at += 4;
        }
        break;
      }
      default:
        out += '\\';
        out += escaped;
        break;
    }
  }
  return out;
}

Text escape_json_text(std::string_view text, std::int32_t mode) {
  const bool unicode = (mode & json_escape::double_byte_as_unicode) != 0;
  const bool slash = (mode & json_escape::slash) != 0;
  Text out;
  out.reserve(text.size() + text.size() / 8);
  std::size_t at = 0;
  while (at < text.size()) {
    char byte = text[at];
    if (unicode && gbk::character_length(text, at) == 2) {
      for (char16_t unit : gbk_to_utf16(text.substr(at, 2))) {
        append_unicode_escape(out, unit);
      }
      at += 2;
      continue;
    }
    ++at;
    switch (byte) {
      case '\b': out += "\\b"; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '"': out += "\\\""; break;
      case '\t': out += "\\t"; break;
      case '/': out += slash ? "\\/" : "/"; break;
      default: out += byte; break;
    }
  }
  return out;
}

}  // namespace toolbox
