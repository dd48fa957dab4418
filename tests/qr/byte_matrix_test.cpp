#include "qr/byte_matrix.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/qr/report_capture.h"

namespace toolbox {
namespace {

using qr_testing::report_of;

ByteArray array_of(std::vector<std::int32_t> dimensions, Bytes values) {
  return ByteArray(std::move(dimensions), std::move(values));
}

TEST(ByteMatrix, InitGivesHeightRowsOfWidthZeros) {
  字节矩阵类 matrix;
  matrix.init(3, 2);
  EXPECT_EQ(matrix.width(), 3);
  EXPECT_EQ(matrix.height(), 2);
  EXPECT_EQ(matrix.cells().dimensions(), (std::vector<std::int32_t>{2, 3}));
  EXPECT_EQ(matrix.to_text(), "0,0,0\r\n0,0,0");
}

TEST(ByteMatrix, NewMatrixHoldsOneZeroCellButReportsNoSize) {
  字节矩阵类 matrix;
  EXPECT_EQ(matrix.width(), 0);
  EXPECT_EQ(matrix.height(), 0);
  EXPECT_EQ(matrix.cells().dimensions(), (std::vector<std::int32_t>{1, 1}));
  EXPECT_EQ(matrix.to_text(), "0");
}

TEST(ByteMatrix, CellsAreAddressedRowThenColumn) {
  字节矩阵类 matrix;
  matrix.init(3, 2);
  matrix.set(0, 1, 5);
  matrix.set(1, 2, 255);
  EXPECT_EQ(matrix.get(0, 1), 5);
  EXPECT_EQ(matrix.get(1, 0), 0);
  EXPECT_EQ(matrix.to_text(), "0,5,0\r\n0,0,255");
  EXPECT_EQ(matrix.cells().values(), (Bytes{0, 5, 0, 0, 0, 255}));
}

TEST(ByteMatrix, CoordinatesOutsideTheCellsReadZeroAndWriteNothing) {
  字节矩阵类 matrix;
  matrix.init(3, 2);
  matrix.clear({.value = 1});
  for (auto [row, column] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 3}, {1 << 30, 1 << 30}}) {
    EXPECT_EQ(matrix.get(row, column), 0) << row << "," << column;
    matrix.set(row, column, 7);
  }
  EXPECT_EQ(matrix.to_text(), "1,1,1\r\n1,1,1");
}

TEST(ByteMatrix, NonPositiveSizeGivesAnEmptyMatrix) {
  for (auto [width, height] : {std::pair{0, 2}, {3, 0}, {-3, 2}, {3, -2}}) {
    字节矩阵类 matrix;
    matrix.init(width, height);
    EXPECT_EQ(matrix.width(), 0);
    EXPECT_EQ(matrix.height(), 0);
    EXPECT_TRUE(matrix.cells().values().empty());
    EXPECT_EQ(matrix.to_text(), "");
    EXPECT_EQ(matrix.get(0, 0), 0);
  }
}

TEST(ByteMatrix, ClearFillsEveryCell) {
  字节矩阵类 matrix;
  matrix.init(2, 2);
  matrix.clear({.value = 9});
  EXPECT_EQ(matrix.to_text(), "9,9\r\n9,9");
  matrix.clear();
  EXPECT_EQ(matrix.to_text(), "0,0\r\n0,0");
}

TEST(ByteMatrix, CopiesAndCellsAreIndependentOfTheOriginal) {
  字节矩阵类 matrix;
  matrix.init(2, 1);
  字节矩阵类 copy = matrix;
  ByteArray cells = matrix.cells();
  matrix.set(0, 0, 1);
  EXPECT_EQ(copy.to_text(), "0,0");
  EXPECT_EQ(cells.at(0, 0), 0);
}

TEST(ByteMatrix, SetMatrixCopiesCellsToTheSamePlaces) {
  字节矩阵类 matrix;
  matrix.init(3, 3);
  matrix.置字节矩阵(array_of({2, 2}, {1, 2, 3, 4}));
  EXPECT_EQ(matrix.to_text(), "1,2,0\r\n3,4,0\r\n0,0,0");
  EXPECT_EQ(matrix.width(), 3);
  EXPECT_EQ(matrix.height(), 3);
}

TEST(ByteMatrix, SetMatrixLeavesOutWhatLiesOutsideTheCells) {
  字节矩阵类 matrix;
  matrix.init(2, 1);
  matrix.置字节矩阵(array_of({2, 3}, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(matrix.to_text(), "1,2");
  EXPECT_EQ(matrix.width(), 2);
  EXPECT_EQ(matrix.height(), 1);
}

TEST(ByteMatrix, SetMatrixOfAnArrayThatIsNoMatrixIsReported) {
  const Text expected = "异常来源：[字节矩阵类]\r\n方法名称：置字节矩阵()()\r\n异常信息：不是矩阵";
  for (const ByteArray& source : {array_of({4}, {1, 1, 1, 1}), array_of({2, 2, 2}, {}),
                                  array_of({0, 3}, {}), array_of({3, 0}, {}), ByteArray()}) {
    字节矩阵类 matrix;
    matrix.init(2, 2);
    EXPECT_EQ(report_of([&] { matrix.置字节矩阵(source); }), expected)
        << source.dimensions().size() << " dimensions";
    EXPECT_EQ(matrix.to_text(), "0,0\r\n0,0");
  }
}

}  // namespace
}  // namespace toolbox
