// A bit vector written out as 0s and 1s, for the tests of the bit operations.
#pragma once

#include <initializer_list>

#include "qr/bit_vector.h"

namespace toolbox::qr_testing {

inline BitVector bits_of(std::initializer_list<int> bits) {
  BitVector vector;
  for (int bit : bits) {
    vector.append_bit(bit != 0);
  }
  return vector;
}

}  // namespace toolbox::qr_testing
