// 字节矩阵类: the QR symbol's module matrix, a grid of bytes addressed by
// 0-based row and column. The values that count as modules are 0 and 1.
#pragma once

#include <cstdint>

#include "qr/byte_array.h"
#include "text/text.h"

namespace toolbox {

struct MatrixClearOptions {
  std::uint8_t value = 0;
};

// Operations are declared in slot order.
class 字节矩阵类 {
 public:
  字节矩阵类() = default;

  ~字节矩阵类() = default;
  字节矩阵类(const 字节矩阵类&) = default;
  字节矩阵类& operator=(const 字节矩阵类&) = default;

  std::int32_t height() const;
  std::int32_t width() const;

  // A copy of the cells, rows × columns.
  ByteArray cells() const;

  // Copies `source` cell by cell onto the cells at the same row and column;
  // what lies outside the cells is left out, width and height stay. A source
  // that is not two-dimensional with both extents at least 1 is a fatal error.
  void 置字节矩阵(const ByteArray& source);

  // height × width zero cells. A width or height of 0 or less gives an empty
  // matrix, 0 × 0.
  void init(std::int32_t width, std::int32_t height);

  // Outside the cells `get` gives 0 and `set` does nothing.
  std::uint8_t get(std::int32_t row, std::int32_t column) const;
  void set(std::int32_t row, std::int32_t column, std::uint8_t value);

  // Every cell := the value.
  void clear(MatrixClearOptions options = {});

  // Decimal cells, "," within a row, rows separated by "\r\n".
  Text to_text() const;

 private:
  Text class_name_ = "字节矩阵类";
  // A new matrix holds one zero cell while reporting width and height 0.
  ByteArray cells_ = ByteArray(std::vector<std::int32_t>{1, 1});
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

}  // namespace toolbox
