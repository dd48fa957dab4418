// 二维码类: the QR code container. It records the chosen mode, level,
// version, mask and codeword counts together with the module matrix, and
// builds and looks up the module's tables (QrTables), which it shares with
// its copies.
#pragma once

#include <cstdint>

#include "qr/bit_vector.h"
#include "qr/byte_matrix.h"
#include "qr/error_level.h"
#include "qr/qr_mode.h"
#include "qr/qr_tables.h"
#include "qr/qr_version.h"
#include "text/text.h"

namespace toolbox {

// Operations are declared in slot order. Lookup errors are fatal (error_report.h).
class 二维码类 {
 public:
  explicit 二维码类(QrTables& tables);

  ~二维码类() = default;
  二维码类(const 二维码类&) = default;
  二维码类& operator=(const 二维码类&) = default;

  // clear, then the mode, version and level tables and both fields.
  void init();
  void init_fields();

  void build_modes();
  QrMode mode() const;
  void set_mode(const QrMode& mode);
  // The table mode with mode bits 1, 2 or 4; an empty mode for any other value.
  QrMode mode_for_bits(std::int32_t bits) const;
  void build_mode_table();

  void build_versions();
  QrVersion 取版本_通过版本号(std::int32_t number) const;
  // Dimension 4 × n + 17 gives version n.
  QrVersion 取版本_通过维长度(std::int32_t dimension) const;
  void build_version_table();

  void build_levels();
  // Ordinal 1..4: L, M, Q, H.
  QrErrorLevel 取容错级别_按索引(std::int32_t index) const;
  QrErrorLevel level() const;
  void set_level(const QrErrorLevel& level);
  void build_level_table();

  void reserved();

  // Appends bits 1..size of `source` to `target`; returns the source's size.
  std::int32_t append_bits(BitVector& target, const BitVector& source);
  // target := target XOR source when both have the same size; otherwise nothing.
  void xor_bits(BitVector& target, const BitVector& source);

  std::int32_t version() const;
  void set_version(std::int32_t version);
  std::int32_t matrix_width() const;
  void set_matrix_width(std::int32_t width);
  std::int32_t mask_pattern() const;
  void set_mask_pattern(std::int32_t mask_pattern);
  字节矩阵类 matrix() const;
  void set_matrix(const 字节矩阵类& matrix);
  std::int32_t total_codewords() const;
  void set_total_codewords(std::int32_t count);
  std::int32_t data_codewords() const;
  void set_data_codewords(std::int32_t count);
  std::int32_t ec_codewords() const;
  void set_ec_codewords(std::int32_t count);
  std::int32_t rs_blocks() const;
  void set_rs_blocks(std::int32_t count);

  // None of the seven properties is -1.
  bool is_valid() const;
  // The matrix cell; a value other than 0 and 1 is a fatal error.
  std::uint8_t 矩阵取值(std::int32_t row, std::int32_t column) const;
  bool is_valid_mask_pattern(std::int32_t mask_pattern) const;  // 0..7
  // The seven properties := -1; mode, level and matrix stay.
  void clear();

 private:
  static constexpr std::int32_t kUnset = -1;

  QrMode mode_;
  QrErrorLevel level_;
  std::int32_t version_ = kUnset;
  std::int32_t matrix_width_ = kUnset;
  std::int32_t mask_pattern_ = kUnset;
  std::int32_t total_codewords_ = kUnset;
  std::int32_t data_codewords_ = kUnset;
  std::int32_t ec_codewords_ = kUnset;
  std::int32_t rs_blocks_ = kUnset;
  字节矩阵类 matrix_;
  Text class_name_ = "二维码类";
  QrTables* tables_;
};

}  // namespace toolbox
