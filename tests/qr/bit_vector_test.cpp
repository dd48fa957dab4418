#include "qr/bit_vector.h"

#include <gtest/gtest.h>

#include "tests/qr/bits.h"

namespace toolbox {
namespace {

using qr_testing::bits_of;

TEST(BitVector, PacksBitsMostSignificantFirst) {
  BitVector vector = bits_of({1, 0, 1, 1, 0, 0, 0, 0, 1});
  EXPECT_EQ(vector.size(), 9);
  EXPECT_EQ(vector.bytes(), (Bytes{0xB0, 0x80}));
  EXPECT_TRUE(vector.bit(1));
  EXPECT_FALSE(vector.bit(2));
  EXPECT_TRUE(vector.bit(9));
}

TEST(BitVector, IndexesOutsideOneToSizeReadFalse) {
  BitVector vector = bits_of({1, 1, 1});
  EXPECT_FALSE(vector.bit(0));
  EXPECT_FALSE(vector.bit(4));
  EXPECT_FALSE(vector.bit(-1));
  EXPECT_FALSE(BitVector().bit(1));
  EXPECT_TRUE(BitVector().bytes().empty());
}

TEST(BitVector, ReplacingBytesKeepsTheSize) {
  BitVector vector = bits_of({0, 0, 0, 0, 0, 0, 0, 0, 0});
  vector.replace_bytes({0xFF, 0xFF, 0xFF});
  EXPECT_EQ(vector.size(), 9);
  EXPECT_EQ(vector.bytes(), (Bytes{0xFF, 0x80}));
  EXPECT_TRUE(vector.bit(9));
  EXPECT_FALSE(vector.bit(10));

  vector.replace_bytes({0x01});
  EXPECT_EQ(vector.bytes(), (Bytes{0x01, 0x00}));
  EXPECT_TRUE(vector.bit(8));
  EXPECT_FALSE(vector.bit(9));

  // Appending after a replace continues behind the last bit in use.
  vector.append_bit(true);
  EXPECT_EQ(vector.bytes(), (Bytes{0x01, 0x40}));
}

}  // namespace
}  // namespace toolbox
