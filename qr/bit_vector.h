// A growable sequence of bits, packed most significant bit first: bit 1 is the
// top bit of byte 1, the order in which QR codewords are written.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace toolbox {

class BitVector {
 public:
  std::int32_t size() const;

  // Bit at 1-based `index`; false outside 1..size.
  bool bit(std::int32_t index) const;

  void append_bit(bool value);

  // The (size + 7) / 8 bytes holding the bits; unused low bits of the last byte are 0.
  Bytes bytes() const;

  // Bits 1..size := the bits of `bytes`, in order. The size stays; missing
  // bytes count as 0, bytes past the last one in use are ignored.
  void replace_bytes(const Bytes& bytes);

 private:
  Bytes bytes_;
  std::int32_t size_ = 0;
};

}  // namespace toolbox
