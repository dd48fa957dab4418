#include "qr/byte_matrix.h"

#include <string>

#include "qr/error_report.h"

namespace toolbox {

std::int32_t 字节矩阵类::height() const {
  return height_;
}

std::int32_t 字节矩阵类::width() const {
  return width_;
}

ByteArray 字节矩阵类::cells() const {
  return cells_;
}

void 字节矩阵类::置字节矩阵(const ByteArray& source) {
  if (!source.is_matrix()) {
    raise_error({.class_name = class_name_, .method_name = "置字节矩阵()", .message = "不是矩阵"});
  }
  for (std::int32_t row = 0; row < source.rows() && row < cells_.rows(); ++row) {
    for (std::int32_t column = 0; column < source.columns() && column < cells_.columns(); ++column) {
      cells_.set(row, column, source.at(row, column));
    }
  }
}

void 字节矩阵类::init(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) {
    width = 0;
    height = 0;
  }
  cells_ = ByteArray(std::vector<std::int32_t>{height, width});
  width_ = width;
  height_ = height;
}

std::uint8_t 字节矩阵类::get(std::int32_t row, std::int32_t column) const {
  return cells_.at(row, column);
}

void 字节矩阵类::set(std::int32_t row, std::int32_t column, std::uint8_t value) {
  cells_.set(row, column, value);
}

void 字节矩阵类::clear(MatrixClearOptions options) {
  cells_ = ByteArray(cells_.dimensions(), Bytes(cells_.values().size(), options.value));
}

Text 字节矩阵类::to_text() const {
  Text text;
  for (std::int32_t row = 0; row < cells_.rows(); ++row) {
    if (row > 0) {
      text += "\r\n";
    }
    for (std::int32_t column = 0; column < cells_.columns(); ++column) {
      if (column > 0) {
        text += ",";
      }
      text += std::to_string(cells_.at(row, column));
    }
  }
  return text;
}

}  // namespace toolbox
