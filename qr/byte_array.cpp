#include "qr/byte_array.h"

#include <utility>

namespace toolbox {
namespace {

std::size_t element_count(const std::vector<std::int32_t>& dimensions) {
  if (dimensions.empty()) {
    return 0;
  }
  std::size_t count = 1;
  for (std::int32_t extent : dimensions) {
    if (extent <= 0) {
      return 0;
    }
    count *= static_cast<std::size_t>(extent);
  }
  return count;
}

}  // namespace

ByteArray::ByteArray(std::vector<std::int32_t> dimensions)
    : ByteArray(std::move(dimensions), Bytes{}) {}

ByteArray::ByteArray(std::vector<std::int32_t> dimensions, Bytes values)
    : dimensions_(std::move(dimensions)), values_(std::move(values)) {
  values_.resize(element_count(dimensions_), 0);
}

bool ByteArray::is_matrix() const {
  return dimensions_.size() == 2 && dimensions_[0] >= 1 && dimensions_[1] >= 1;
}

std::int32_t ByteArray::rows() const {
  return is_matrix() ? dimensions_[0] : 0;
}

std::int32_t ByteArray::columns() const {
  return is_matrix() ? dimensions_[1] : 0;
}

std::uint8_t ByteArray::at(std::int32_t row, std::int32_t column) const {
  return holds(row, column) ? values_[offset(row, column)] : 0;
}

void ByteArray::set(std::int32_t row, std::int32_t column, std::uint8_t value) {
  if (holds(row, column)) {
    values_[offset(row, column)] = value;
  }
}

bool ByteArray::holds(std::int32_t row, std::int32_t column) const {
  return row >= 0 && row < rows() && column >= 0 && column < columns();
}

std::size_t ByteArray::offset(std::int32_t row, std::int32_t column) const {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns()) +
         static_cast<std::size_t>(column);
}

}  // namespace toolbox
