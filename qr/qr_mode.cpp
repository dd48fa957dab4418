#include "qr/qr_mode.h"

#include <cstddef>
#include <utility>

namespace toolbox {

void QrMode::set(std::vector<std::int32_t> count_bit_lengths, std::int32_t bits, Text name) {
  count_bit_lengths_ = std::move(count_bit_lengths);
  bits_ = bits;
  name_ = std::move(name);
}

std::int32_t QrMode::count_bits(const QrVersion& version) const {
  std::size_t band = version.number() <= 9 ? 0 : version.number() <= 26 ? 1 : 2;
  return band < count_bit_lengths_.size() ? count_bit_lengths_[band] : 0;
}

std::int32_t QrMode::bits() const {
  return bits_;
}

Text QrMode::name() const {
  return name_;
}

Text QrMode::to_text() const {
  return name_;
}

}  // namespace toolbox
