// The QR module's tables: created empty with the module's objects and filled
// once by 二维码类::init, read-only afterwards.
#pragma once

#include <vector>

#include "qr/error_level.h"
#include "qr/gf256.h"
#include "qr/qr_mode.h"
#include "qr/qr_version.h"

namespace toolbox {

struct QrTables {
  std::vector<QrMode> modes = std::vector<QrMode>(3);  // numeric, alphanumeric, byte
  std::vector<QrVersion> versions;                     // version n at index n - 1
  std::vector<QrErrorLevel> levels = std::vector<QrErrorLevel>(4);  // L, M, Q, H
  GF256 qr_field;                                      // primitive 285
  GF256 data_matrix_field;                             // primitive 301
};

}  // namespace toolbox
