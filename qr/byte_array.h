// A byte array of one or more dimensions, held row-major (the last index
// varies fastest). The byte matrix takes and hands out its cells as one of
// these, and refuses an array that is not two-dimensional.
#pragma once

#include <cstdint>
#include <vector>

#include "text/text.h"

namespace toolbox {

class ByteArray {
 public:
  ByteArray() = default;

  // Zero bytes, one per element; an extent of 0 or less leaves the array without bytes.
  explicit ByteArray(std::vector<std::int32_t> dimensions);

  // `values` row-major, cut or padded with zeros to the element count.
  ByteArray(std::vector<std::int32_t> dimensions, Bytes values);

  const std::vector<std::int32_t>& dimensions() const { return dimensions_; }
  const Bytes& values() const { return values_; }

  // Exactly two dimensions, each at least 1.
  bool is_matrix() const;
  std::int32_t rows() const;     // first extent of a matrix, else 0
  std::int32_t columns() const;  // second extent of a matrix, else 0

  // Cell of a matrix, 0-based; 0 outside it.
  std::uint8_t at(std::int32_t row, std::int32_t column) const;
  // Ignored outside the matrix.
  void set(std::int32_t row, std::int32_t column, std::uint8_t value);

 private:
  bool holds(std::int32_t row, std::int32_t column) const;
  std::size_t offset(std::int32_t row, std::int32_t column) const;

  std::vector<std::int32_t> dimensions_;
  Bytes values_;
};

}  // namespace toolbox
