#include "web/base64.h"

namespace toolbox {

Text base64_encode(const Bytes& bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  Text out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t at = 0;
  for (; at + 3 <= bytes.size(); at += 3) {
    unsigned group = bytes[at] << 16 | bytes[at + 1] << 8 | bytes[at + 2];
    out.push_back(kAlphabet[group >> 18 & 63]);
    out.push_back(kAlphabet[group >> 12 & 63]);
    out.push_back(kAlphabet[group >> 6 & 63]);
    out.push_back(kAlphabet[group & 63]);
  }
  std::size_t rest = bytes.size() - at;
  if (rest > 0) {
    unsigned group = bytes[at] << 16 | (rest == 2 ? bytes[at + 1] << 8 : 0);
    out.push_back(kAlphabet[group >> 18 & 63]);
    out.push_back(kAlphabet[group >> 12 & 63]);
    out.push_back(rest == 2 ? kAlphabet[group >> 6 & 63] : '=');
    out.push_back('=');
  }
  return out;
}

}  // namespace toolbox
