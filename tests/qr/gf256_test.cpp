#include "qr/gf256.h"

#include <gtest/gtest.h>

#include <vector>

#include "qr/qr_code.h"
#include "tests/qr/report_capture.h"

namespace toolbox {
namespace {

using qr_testing::report_of;

// Carry-less product of two field elements reduced by the primitive polynomial.
std::int32_t reference_multiply(std::int32_t a, std::int32_t b, std::int32_t primitive) {
  std::int32_t product = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (b & (1 << bit)) {
      product ^= a << bit;
    }
  }
  for (int bit = 14; bit >= 8; --bit) {
    if (product & (1 << bit)) {
      product ^= primitive << (bit - 8);
    }
  }
  return product;
}

class GF256Test : public ::testing::TestWithParam<std::int32_t> {
 protected:
  void SetUp() override { field.init(GetParam()); }
  GF256 field;
};

TEST_P(GF256Test, LogarithmUndoesExponent) {
  for (std::int32_t i = 0; i <= 254; ++i) {
    EXPECT_EQ(field.log(field.exp(i)), i) << i;
  }
  EXPECT_EQ(field.exp(255), 1);
}

TEST_P(GF256Test, ExponentsRunThroughEveryNonZeroElementOnce) {
  std::vector<std::int32_t> table = field.exp_table();
  ASSERT_EQ(table.size(), 256u);
  std::vector<bool> seen(256, false);
  for (std::int32_t i = 0; i < 255; ++i) {
    ASSERT_GE(table[i], 1);
    ASSERT_LE(table[i], 255);
    EXPECT_FALSE(seen[table[i]]) << table[i] << " twice";
    seen[table[i]] = true;
  }
  std::vector<std::int32_t> logs = field.log_table();
  ASSERT_EQ(logs.size(), 256u);
  EXPECT_EQ(logs[0], 0);
}

TEST_P(GF256Test, MultiplyIsCarryLessMultiplicationModuloThePrimitive) {
  for (std::int32_t a = 0; a < 256; ++a) {
    for (std::int32_t b = 0; b < 256; ++b) {
      ASSERT_EQ(field.multiply(a, b), reference_multiply(a, b, GetParam())) << a << " * " << b;
    }
  }
}

TEST_P(GF256Test, InverseTimesElementIsOne) {
  EXPECT_EQ(field.inverse(1), 1);
  for (std::int32_t x = 1; x < 256; ++x) {
    EXPECT_EQ(field.multiply(x, field.inverse(x)), 1) << x;
  }
}

TEST_P(GF256Test, AdditionIsExclusiveOr) {
  for (std::int32_t x = 0; x < 256; ++x) {
    EXPECT_EQ(field.add(x, x), 0);
    EXPECT_EQ(field.add(x, 0x5A), x ^ 0x5A);
  }
}

TEST_P(GF256Test, ExponentsOutsideTheTableWrapWithTheGroupOrder) {
  EXPECT_EQ(field.exp(256), field.exp(1));
  EXPECT_EQ(field.exp(-1), field.exp(254));
  EXPECT_EQ(field.exp(255 * 40 + 3), field.exp(3));
}

TEST_P(GF256Test, NonElementsHaveNoLogarithmOrInverse) {
  const Text report = "异常来源：[无]\r\n方法名称：无()\r\n异常信息：无";
  EXPECT_EQ(report_of([&] { field.log(0); }), report);
  EXPECT_EQ(report_of([&] { field.inverse(0); }), report);
  EXPECT_EQ(report_of([&] { field.log(256); }), report);
  EXPECT_EQ(report_of([&] { field.log(-1); }), report);
  EXPECT_EQ(report_of([&] { field.multiply(3, 256); }), report);
}

INSTANTIATE_TEST_SUITE_P(Fields, GF256Test, ::testing::Values(285, 301));

TEST(GF256, QrFieldStartsWithThePowersOfTwo) {
  GF256 field;
  field.init(285);
  std::vector<std::int32_t> table = field.exp_table();
  EXPECT_EQ(std::vector<std::int32_t>(table.begin(), table.begin() + 10),
            (std::vector<std::int32_t>{1, 2, 4, 8, 16, 32, 64, 128, 29, 58}));
  EXPECT_EQ(table[255], 1);
  EXPECT_EQ(field.multiply(2, 128), 29);
  EXPECT_EQ(field.multiply(0, 77), 0);
  EXPECT_EQ(field.multiply(77, 0), 0);
  EXPECT_EQ(field.name(), "GF256:285");
  EXPECT_EQ(field.zero(), (std::vector<std::int32_t>{0}));
}

TEST(GF256, ContainerInitFillsBothFields) {
  QrTables tables;
  二维码类 code(tables);
  code.init();
  EXPECT_EQ(tables.qr_field.name(), "GF256:285");
  EXPECT_EQ(tables.data_matrix_field.name(), "GF256:301");
  EXPECT_EQ(tables.qr_field.exp(8), 29);
  EXPECT_EQ(tables.data_matrix_field.exp(8), 45);
}

TEST(GF256, APolynomialThatIsNoPrimitiveStaysInsideTheTables) {
  for (std::int32_t primitive : {0, 1, 256, 0x11B, -1, 0x7FFFFFFF}) {
    GF256 field;
    field.init(primitive);
    for (std::int32_t value : field.exp_table()) {
      EXPECT_GE(value, 0);
      EXPECT_LE(value, 255);
    }
  }
}

}  // namespace
}  // namespace toolbox
