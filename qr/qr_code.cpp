#include "qr/qr_code.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "qr/error_report.h"
#include "qr/standard_versions.h"
#include "text/text_ops.h"

namespace toolbox {
namespace {

struct ModeRow {
  const char* count_bit_lengths;  // versions 1-9, 10-26, 27-40
  std::int32_t bits;
  const char* name;
};

constexpr ModeRow kModeRows[] = {
    {"10,12,14", 1, "数字"},
    {"9,11,13", 2, "字母数字"},
    {"8,16,16", 4, "字节"},
};

struct LevelRow {
  std::int32_t ordinal;
  std::int32_t bits;
  const char* name;
};

constexpr LevelRow kLevelRows[] = {
    {1, 1, "L"},
    {2, 0, "M"},
    {3, 3, "Q"},
    {4, 2, "H"},
};

QrEcBlocks blocks_of(const StandardLevel& level) {
  QrEcBlocks blocks;
  QrEcBlock first(level.blocks, level.data_codewords);
  if (level.second_blocks == 0) {
    blocks.set(level.ec_per_block, first);
  } else {
    blocks.set(level.ec_per_block, first, QrEcBlock(level.second_blocks, level.second_data_codewords));
  }
  return blocks;
}

std::vector<std::int32_t> centres_of(const StandardVersion& version) {
  std::vector<std::int32_t> centres;
  for (std::int32_t centre : version.centres) {
    if (centre == 0) {
      break;
    }
    centres.push_back(centre);
  }
  return centres;
}

}  // namespace

二维码类::二维码类(QrTables& tables) : tables_(&tables) {}

void 二维码类::init() {
  clear();
  build_modes();
  build_versions();
  build_levels();
  init_fields();
}

void 二维码类::init_fields() {
  tables_->qr_field.init(285);
  tables_->data_matrix_field.init(301);
}

void 二维码类::build_modes() {
  build_mode_table();
}

QrMode 二维码类::mode() const {
  return mode_;
}

void 二维码类::set_mode(const QrMode& mode) {
  mode_ = mode;
}

QrMode 二维码类::mode_for_bits(std::int32_t bits) const {
  std::size_t entry = 0;
  switch (bits) {
    case 1: entry = 0; break;
    case 2: entry = 1; break;
    case 4: entry = 2; break;
    default: return {};
  }
  return entry < tables_->modes.size() ? tables_->modes[entry] : QrMode{};
}

void 二维码类::build_mode_table() {
  std::vector<QrMode> modes;
  for (const ModeRow& row : kModeRows) {
    std::vector<std::int32_t> lengths;
    for (const Text& length : split_text(row.count_bit_lengths, ",")) {
      lengths.push_back(text_to_int(length));
    }
    QrMode& mode = modes.emplace_back();
    mode.set(std::move(lengths), row.bits, row.name);
  }
  tables_->modes = std::move(modes);
}

void 二维码类::build_versions() {
  build_version_table();
}

QrVersion 二维码类::取版本_通过版本号(std::int32_t number) const {
  const std::vector<QrVersion>& versions = tables_->versions;
  if (number < 1 || number > 40 || static_cast<std::size_t>(number) > versions.size()) {
    raise_error({.class_name = class_name_,
                 .method_name = "取版本_通过版本号",
                 .message = "版本号不在0到40之间。当前版本号：" + std::to_string(number)});
  }
  return versions[static_cast<std::size_t>(number - 1)];
}

QrVersion 二维码类::取版本_通过维长度(std::int32_t dimension) const {
  if (dimension % 4 != 1) {
    raise_error({.class_name = class_name_,
                 .method_name = "取版本_通过维长度",
                 .message = "维长度不为4的位数加1。当前维数：" + std::to_string(dimension)});
  }
  return 取版本_通过版本号((dimension - 17) >> 2);
}

void 二维码类::build_version_table() {
  std::vector<QrVersion> versions;
  for (const StandardVersion& standard : kStandardVersions) {
    QrVersion& version = versions.emplace_back();
    version.set(standard.number, centres_of(standard), blocks_of(standard.levels[0]),
                blocks_of(standard.levels[1]), blocks_of(standard.levels[2]),
                blocks_of(standard.levels[3]));
    version.build_version_words();
  }
  tables_->versions = std::move(versions);
}

void 二维码类::build_levels() {
  build_level_table();
}

QrErrorLevel 二维码类::取容错级别_按索引(std::int32_t index) const {
  const std::vector<QrErrorLevel>& levels = tables_->levels;
  if (index < 1 || static_cast<std::size_t>(index) > levels.size()) {
    raise_error({.class_name = class_name_,
                 .method_name = "取容错级别_按索引",
                 .message = "索引异常。当前索引：" + std::to_string(index)});
  }
  return levels[static_cast<std::size_t>(index - 1)];
}

QrErrorLevel 二维码类::level() const {
  return level_;
}

void 二维码类::set_level(const QrErrorLevel& level) {
  level_ = level;
}

void 二维码类::build_level_table() {
  std::vector<QrErrorLevel> levels;
  for (const LevelRow& row : kLevelRows) {
    levels.emplace_back().set(row.ordinal, row.bits, row.name);
  }
  tables_->levels = std::move(levels);
}

void 二维码类::reserved() {}

std::int32_t 二维码类::append_bits(BitVector& target, const BitVector& source) {
  // The size is taken first, so a vector appended to itself doubles once.
  std::int32_t size = source.size();
  for (std::int32_t index = 1; index <= size; ++index) {
    target.append_bit(source.bit(index));
  }
  return size;
}

void 二维码类::xor_bits(BitVector& target, const BitVector& source) {
  if (target.size() != source.size()) {
    return;
  }
  Bytes bytes = target.bytes();
  Bytes other = source.bytes();
  for (std::size_t at = 0; at < bytes.size() && at < other.size(); ++at) {
    bytes[at] ^= other[at];
  }
  target.replace_bytes(bytes);
}

std::int32_t 二维码类::version() const {
  return version_;
}

void 二维码类::set_version(std::int32_t version) {
  version_ = version;
}

std::int32_t 二维码类::matrix_width() const {
  return matrix_width_;
}

void 二维码类::set_matrix_width(std::int32_t width) {
  matrix_width_ = width;
}

std::int32_t 二维码类::mask_pattern() const {
  return mask_pattern_;
}

void 二维码类::set_mask_pattern(std::int32_t mask_pattern) {
  mask_pattern_ = mask_pattern;
}

字节矩阵类 二维码类::matrix() const {
  return matrix_;
}

void 二维码类::set_matrix(const 字节矩阵类& matrix) {
  matrix_ = matrix;
}

std::int32_t 二维码类::total_codewords() const {
  return total_codewords_;
}

void 二维码类::set_total_codewords(std::int32_t count) {
  total_codewords_ = count;
}

std::int32_t 二维码类::data_codewords() const {
  return data_codewords_;
}

void 二维码类::set_data_codewords(std::int32_t count) {
  data_codewords_ = count;
}

std::int32_t 二维码类::ec_codewords() const {
  return ec_codewords_;
}

void 二维码类::set_ec_codewords(std::int32_t count) {
  ec_codewords_ = count;
}

std::int32_t 二维码类::rs_blocks() const {
  return rs_blocks_;
}

void 二维码类::set_rs_blocks(std::int32_t count) {
  rs_blocks_ = count;
}

bool 二维码类::is_valid() const {
  for (std::int32_t property : {version_, matrix_width_, mask_pattern_, total_codewords_,
                                data_codewords_, ec_codewords_, rs_blocks_}) {
    if (property == kUnset) {
      return false;
    }
  }
  return true;
}

std::uint8_t 二维码类::矩阵取值(std::int32_t row, std::int32_t column) const {
  std::uint8_t value = matrix_.get(row, column);
  if (value != 0 && value != 1) {
    raise_error({.class_name = class_name_,
                 .method_name = "矩阵取值",
                 .message = "值异常，当前值为：" + std::to_string(value)});
  }
  return value;
}

bool 二维码类::is_valid_mask_pattern(std::int32_t mask_pattern) const {
  return mask_pattern >= 0 && mask_pattern <= 7;
}

void 二维码类::clear() {
  version_ = kUnset;
  matrix_width_ = kUnset;
  mask_pattern_ = kUnset;
  total_codewords_ = kUnset;
  data_codewords_ = kUnset;
  ec_codewords_ = kUnset;
  rs_blocks_ = kUnset;
}

}  // namespace toolbox
