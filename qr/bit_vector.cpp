#include "qr/bit_vector.h"

#include <algorithm>

namespace toolbox {
namespace {

std::uint8_t bit_mask(std::int32_t offset) {
  return static_cast<std::uint8_t>(0x80u >> (offset % 8));
}

}  // namespace

std::int32_t BitVector::size() const {
  return size_;
}

bool BitVector::bit(std::int32_t index) const {
  if (index < 1 || index > size_) {
    return false;
  }
  std::int32_t offset = index - 1;
  return (bytes_[offset / 8] & bit_mask(offset)) != 0;
}

void BitVector::append_bit(bool value) {
  std::int32_t offset = size_;
  if (offset % 8 == 0) {
    bytes_.push_back(0);
  }
  if (value) {
    bytes_[offset / 8] |= bit_mask(offset);
  }
  ++size_;
}

Bytes BitVector::bytes() const {
  return bytes_;
}

void BitVector::replace_bytes(const Bytes& bytes) {
  std::size_t kept = std::min(bytes.size(), bytes_.size());
  std::copy_n(bytes.begin(), kept, bytes_.begin());
  std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(kept), bytes_.end(), 0);
  if (size_ % 8 != 0) {
    // Bits past the size stay 0, so equal vectors have equal bytes.
    bytes_.back() &= static_cast<std::uint8_t>(0xFFu << (8 - size_ % 8));
  }
}

}  // namespace toolbox
