#include "qr/error_level.h"

#include <utility>

namespace toolbox {

void QrErrorLevel::set(std::int32_t ordinal, std::int32_t bits, Text name) {
  ordinal_ = ordinal;
  bits_ = bits;
  name_ = std::move(name);
}

std::int32_t QrErrorLevel::ordinal() const {
  return ordinal_;
}

std::int32_t QrErrorLevel::bits() const {
  return bits_;
}

Text QrErrorLevel::name() const {
  return name_;
}

}  // namespace toolbox
