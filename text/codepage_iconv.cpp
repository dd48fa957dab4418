// Native backend of text/codepage.h: a UTF-8 codec of our own and a CP936
// table read once from iconv, applying the same replacement rules as the
// Windows conversion functions.
#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>

#include "text/codepage.h"

namespace toolbox {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Both directions of code page 936, built from iconv's CP936 once.
class Cp936Table {
 public:
  Cp936Table() {
    iconv_t converter = iconv_open("UTF-16LE", "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
      return;
    }
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
      add(converter, static_cast<std::uint16_t>(lead), 1);
    }
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        add(converter, static_cast<std::uint16_t>(lead << 8 | trail), 2);
      }
    }
    iconv_close(converter);
    // Windows maps the single byte FF into the Private Use Area; iconv has none.
    set(0xFF, u'\uF8F5');
  }

  // UTF-16 unit of a single byte (0x80..0xFF) or a byte pair, 0 when none.
  char16_t to_unicode(std::uint16_t code) const { return forward_[code]; }
  // GBK code of a UTF-16 unit (< 0x100: a single byte), 0 when none.
  std::uint16_t to_gbk(char16_t unit) const { return reverse_[unit]; }

 private:
  void add(iconv_t converter, std::uint16_t code, std::size_t length) {
    char in[2] = {static_cast<char>(length == 2 ? code >> 8 : code), static_cast<char>(code & 0xFF)};
    char out[8];
    char* in_at = in;
    char* out_at = out;
    std::size_t in_left = length;
    std::size_t out_left = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in_at, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1) ||
        in_left != 0 || sizeof out - out_left != 2) {
      return;  // no character, or one outside the BMP
    }
    set(code, static_cast<char16_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8));
  }

  void set(std::uint16_t code, char16_t unit) {
    forward_[code] = unit;
    if (reverse_[unit] == 0) {
      reverse_[unit] = code;
    }
  }

  std::array<char16_t, 0x10000> forward_{};
  std::array<std::uint16_t, 0x10000> reverse_{};
};

const Cp936Table& cp936() {
  static const auto table = std::make_unique<Cp936Table>();
  return *table;
}

void append_code_point(std::u16string& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out.push_back(static_cast<char16_t>(code_point));
  } else {
    code_point -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code_point >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code_point & 0x3FF)));
  }
}

bool in_range(unsigned char byte, unsigned low, unsigned high) {
  return byte >= low && byte <= high;
}

}  // namespace

std::u16string gbk_to_utf16(std::string_view gbk) {
  const Cp936Table& table = cp936();
  std::u16string out;
  out.reserve(gbk.size());
  for (std::size_t at = 0; at < gbk.size();) {
    auto lead = static_cast<unsigned char>(gbk[at]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++at;
    } else if (lead == 0x80 || lead == 0xFF) {
      char16_t unit = table.to_unicode(lead);
      out.push_back(unit ? unit : u'?');
      ++at;
    } else if (at + 1 == gbk.size()) {
      out.push_back(u'?');
      ++at;
    } else {
      auto trail = static_cast<unsigned char>(gbk[at + 1]);
      char16_t unit = table.to_unicode(static_cast<std::uint16_t>(lead << 8 | trail));
      out.push_back(unit ? unit : u'?');
      at += 2;
    }
  }
  return out;
}

Text utf16_to_gbk(std::u16string_view utf16) {
  const Cp936Table& table = cp936();
  Text out;
  out.reserve(utf16.size() * 2);
  for (char16_t unit : utf16) {
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
      continue;
    }
    std::uint16_t code = table.to_gbk(unit);
    if (code == 0) {
      out.push_back('?');
    } else if (code < 0x100) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
  return out;
}

std::u16string utf8_to_utf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++at;
      continue;
    }
    // Sequence length and the allowed range of the second byte (Unicode's
    // table of well-formed sequences); later bytes are always 80..BF.
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (in_range(lead, 0xC2, 0xDF)) {
      length = 2;
    } else if (in_range(lead, 0xE0, 0xEF)) {
      length = 3;
      low = lead == 0xE0 ? 0xA0 : 0x80;
      high = lead == 0xED ? 0x9F : 0xBF;
    } else if (in_range(lead, 0xF0, 0xF4)) {
      length = 4;
      low = lead == 0xF0 ? 0x90 : 0x80;
      high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0) {
      out.push_back(kReplacement);
      ++at;
      continue;
    }
    char32_t code_point = lead & (0xFF >> (length + 1));
    std::size_t taken = 1;
    for (; taken < length && at + taken < utf8.size(); ++taken) {
      auto byte = static_cast<unsigned char>(utf8[at + taken]);
      if (taken == 1 ? !in_range(byte, low, high) : !in_range(byte, 0x80, 0xBF)) {
        break;
      }
      code_point = code_point << 6 | (byte & 0x3F);
    }
    if (taken < length) {
      out.push_back(kReplacement);  // the maximal invalid subsequence
    } else {
      append_code_point(out, code_point);
    }
    at += taken;
  }
  return out;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t at = 0; at < utf16.size(); ++at) {
    char32_t code_point = utf16[at];
    bool high_surrogate = code_point >= 0xD800 && code_point <= 0xDBFF;
    bool low_surrogate = code_point >= 0xDC00 && code_point <= 0xDFFF;
    if (high_surrogate && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 && utf16[at + 1] <= 0xDFFF) {
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (utf16[at + 1] - 0xDC00);
      ++at;
    } else if (high_surrogate || low_surrogate) {
      code_point = kReplacement;
    }
    if (code_point < 0x80) {
      out.push_back(static_cast<char>(code_point));
    } else if (code_point < 0x800) {
      out.push_back(static_cast<char>(0xC0 | code_point >> 6));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else if (code_point < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | code_point >> 12));
      out.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | code_point >> 18));
      out.push_back(static_cast<char>(0x80 | (code_point >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
    }
  }
  return out;
}

}  // namespace toolbox
