// The forty versions of ISO/IEC 18004 as plain numbers: the error-correction
// characteristics (Table 9) and the alignment-pattern centres (Annex E).
#pragma once

#include <array>
#include <cstdint>

namespace toolbox {

// One level of one version: codewords per block, then one or two groups of
// (blocks, data codewords per block). A second group of 0 blocks is absent.
struct StandardLevel {
  std::int32_t ec_per_block = 0;
  std::int32_t blocks = 0;
  std::int32_t data_codewords = 0;
  std::int32_t second_blocks = 0;
  std::int32_t second_data_codewords = 0;
};

struct StandardVersion {
  std::int32_t number = 0;
  std::array<StandardLevel, 4> levels{};  // L, M, Q, H
  std::array<std::int32_t, 7> centres{};  // row/column coordinates; unused places 0
};

// Version n at index n - 1.
extern const std::array<StandardVersion, 40> kStandardVersions;

}  // namespace toolbox
