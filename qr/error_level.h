// QrErrorLevel: one of the four error-correction levels L, M, Q, H, with its
// ordinal (1..4, the index into a version's block sets) and its format bits.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace toolbox {

// Operations are declared in slot order.
class QrErrorLevel {
 public:
  QrErrorLevel() = default;  // empty: ordinal 0, bits 0, no name

  ~QrErrorLevel() = default;
  QrErrorLevel(const QrErrorLevel&) = default;
  QrErrorLevel& operator=(const QrErrorLevel&) = default;

  void set(std::int32_t ordinal, std::int32_t bits, Text name);
  std::int32_t ordinal() const;
  std::int32_t bits() const;
  Text name() const;

 private:
  std::int32_t ordinal_ = 0;
  std::int32_t bits_ = 0;
  Text name_;
};

}  // namespace toolbox
