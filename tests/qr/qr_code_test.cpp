#include "qr/qr_code.h"

#include <gtest/gtest.h>

#include "tests/qr/bits.h"
#include "tests/qr/report_capture.h"

namespace toolbox {
namespace {

using qr_testing::bits_of;
using qr_testing::report_of;

class QrCodeTest : public ::testing::Test {
 protected:
  void SetUp() override { code.init(); }

  QrTables tables;
  二维码类 code{tables};
};

void set_all_properties(二维码类& code) {
  code.set_version(1);
  code.set_matrix_width(21);
  code.set_mask_pattern(0);
  code.set_total_codewords(26);
  code.set_data_codewords(19);
  code.set_ec_codewords(7);
  code.set_rs_blocks(1);
}

TEST_F(QrCodeTest, StartsWithEveryPropertyUnsetAndEmptyMembers) {
  EXPECT_FALSE(code.is_valid());
  for (std::int32_t property : {code.version(), code.matrix_width(), code.mask_pattern(),
                                code.total_codewords(), code.data_codewords(), code.ec_codewords(),
                                code.rs_blocks()}) {
    EXPECT_EQ(property, -1);
  }
  EXPECT_EQ(code.mode().bits(), 0);
  EXPECT_EQ(code.mode().name(), "");
  EXPECT_EQ(code.level().ordinal(), 0);
  EXPECT_EQ(code.matrix().width(), 0);
  EXPECT_EQ(code.matrix().to_text(), "0");
}

TEST_F(QrCodeTest, IsValidOnlyWhenAllSevenPropertiesAreSet) {
  set_all_properties(code);
  EXPECT_TRUE(code.is_valid());
  EXPECT_EQ(code.matrix_width(), 21);
  EXPECT_EQ(code.data_codewords(), 19);

  using Setter = void (二维码类::*)(std::int32_t);
  for (Setter unset : {&二维码类::set_version, &二维码类::set_matrix_width, &二维码类::set_mask_pattern,
                       &二维码类::set_total_codewords, &二维码类::set_data_codewords,
                       &二维码类::set_ec_codewords, &二维码类::set_rs_blocks}) {
    二维码类 copy = code;
    (copy.*unset)(-1);
    EXPECT_FALSE(copy.is_valid());
  }
}

TEST_F(QrCodeTest, ClearUnsetsThePropertiesAndKeepsTheMembers) {
  set_all_properties(code);
  code.set_mode(code.mode_for_bits(4));
  code.set_level(code.取容错级别_按索引(3));
  字节矩阵类 matrix;
  matrix.init(2, 2);
  code.set_matrix(matrix);

  code.clear();
  EXPECT_FALSE(code.is_valid());
  EXPECT_EQ(code.mask_pattern(), -1);
  EXPECT_EQ(code.rs_blocks(), -1);
  EXPECT_EQ(code.mode().name(), "字节");
  EXPECT_EQ(code.level().name(), "Q");
  EXPECT_EQ(code.matrix().to_text(), "0,0\r\n0,0");
}

TEST_F(QrCodeTest, MembersAreStoredAndHandedOutAsCopies) {
  字节矩阵类 matrix;
  matrix.init(2, 1);
  code.set_matrix(matrix);
  matrix.set(0, 0, 1);
  EXPECT_EQ(code.matrix().to_text(), "0,0");

  字节矩阵类 handed_out = code.matrix();
  handed_out.set(0, 1, 1);
  EXPECT_EQ(code.matrix().to_text(), "0,0");

  二维码类 copy = code;
  copy.set_matrix(matrix);
  copy.set_version(5);
  EXPECT_EQ(code.matrix().to_text(), "0,0");
  EXPECT_EQ(code.version(), -1);
}

TEST_F(QrCodeTest, MaskPatternsAreZeroToSeven) {
  for (std::int32_t mask = -2; mask <= 9; ++mask) {
    EXPECT_EQ(code.is_valid_mask_pattern(mask), mask >= 0 && mask <= 7) << mask;
  }
}

TEST_F(QrCodeTest, AppendBitsAddsTheSourceInOrderAndReturnsItsSize) {
  BitVector target = bits_of({1, 1});
  EXPECT_EQ(code.append_bits(target, bits_of({0, 1, 0, 0, 0, 0, 0, 0, 1})), 9);
  EXPECT_EQ(target.size(), 11);
  EXPECT_EQ(target.bytes(), (Bytes{0xD0, 0x20}));

  EXPECT_EQ(code.append_bits(target, BitVector()), 0);
  EXPECT_EQ(target.size(), 11);
}

TEST_F(QrCodeTest, AppendingAVectorToItselfDoublesItOnce) {
  BitVector vector = bits_of({1, 0, 1});
  EXPECT_EQ(code.append_bits(vector, vector), 3);
  EXPECT_EQ(vector.size(), 6);
  EXPECT_EQ(vector.bytes(), (Bytes{0xB4}));
}

TEST_F(QrCodeTest, XorBitsCombinesVectorsOfEqualSize) {
  BitVector target = bits_of({1, 1, 0, 0, 1, 1, 0, 0, 1, 0});
  code.xor_bits(target, bits_of({1, 0, 1, 0, 1, 0, 1, 0, 1, 1}));
  EXPECT_EQ(target.size(), 10);
  EXPECT_EQ(target.bytes(), (Bytes{0x66, 0x40}));
}

TEST_F(QrCodeTest, XorBitsLeavesVectorsOfDifferentSizeAlone) {
  BitVector target = bits_of({1, 1, 0});
  code.xor_bits(target, bits_of({1, 1, 1, 1}));
  EXPECT_EQ(target.bytes(), (Bytes{0xC0}));
  EXPECT_EQ(target.size(), 3);
}

TEST_F(QrCodeTest, MatrixValueReadsZeroAndOne) {
  字节矩阵类 matrix;
  matrix.init(2, 1);
  matrix.set(0, 1, 1);
  code.set_matrix(matrix);
  EXPECT_EQ(code.矩阵取值(0, 0), 0);
  EXPECT_EQ(code.矩阵取值(0, 1), 1);
}

TEST_F(QrCodeTest, MatrixValueOtherThanZeroOrOneIsReported) {
  字节矩阵类 matrix;
  matrix.init(3, 3);
  matrix.set(1, 2, 2);
  matrix.set(2, 0, 255);
  code.set_matrix(matrix);
  EXPECT_EQ(report_of([&] { code.矩阵取值(1, 2); }),
            "异常来源：[二维码类]\r\n方法名称：矩阵取值()\r\n异常信息：值异常，当前值为：2");
  EXPECT_EQ(report_of([&] { code.矩阵取值(2, 0); }),
            "异常来源：[二维码类]\r\n方法名称：矩阵取值()\r\n异常信息：值异常，当前值为：255");
}

}  // namespace
}  // namespace toolbox
