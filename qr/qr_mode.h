// QrMode: a data mode of the symbol (numeric, alphanumeric, byte) with its
// mode indicator bits and the length of its character-count field.
#pragma once

#include <cstdint>
#include <vector>

#include "qr/qr_version.h"
#include "text/text.h"

namespace toolbox {

// Operations are declared in slot order.
class QrMode {
 public:
  QrMode() = default;  // empty: no count table, bits 0, no name

  ~QrMode() = default;
  QrMode(const QrMode&) = default;
  QrMode& operator=(const QrMode&) = default;

  // `count_bit_lengths`: the count field's length for versions 1-9, 10-26, 27-40.
  void set(std::vector<std::int32_t> count_bit_lengths, std::int32_t bits, Text name);

  // Length of the character-count field in `version`; 0 for a mode without a count table.
  std::int32_t count_bits(const QrVersion& version) const;

  std::int32_t bits() const;
  Text name() const;
  Text to_text() const;  // the name

 private:
  std::vector<std::int32_t> count_bit_lengths_;
  std::int32_t bits_ = 0;
  Text name_;
};

}  // namespace toolbox
