#include "text/text.h"

#include <algorithm>

namespace toolbox {

Text bytes_to_text(const Bytes& bytes) {
  auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}

Bytes text_to_bytes(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

}  // namespace toolbox
