#include "qr/ec_blocks.h"

namespace toolbox {

QrEcBlock::QrEcBlock(std::int32_t count, std::int32_t data_codewords)
    : count_(count), data_codewords_(data_codewords) {}

void QrEcBlock::set(std::int32_t count, std::int32_t data_codewords) {
  count_ = count;
  data_codewords_ = data_codewords;
}

std::int32_t QrEcBlock::count() const {
  return count_;
}

std::int32_t QrEcBlock::data_codewords() const {
  return data_codewords_;
}

void QrEcBlocks::set(std::int32_t ec_per_block, const QrEcBlock& group) {
  ec_per_block_ = ec_per_block;
  groups_ = {group};
}

void QrEcBlocks::set(std::int32_t ec_per_block, const QrEcBlock& first, const QrEcBlock& second) {
  ec_per_block_ = ec_per_block;
  groups_ = {first, second};
}

std::int32_t QrEcBlocks::ec_per_block() const {
  return ec_per_block_;
}

std::int32_t QrEcBlocks::block_count() const {
  std::int32_t count = 0;
  for (const QrEcBlock& group : groups_) {
    count += group.count();
  }
  return count;
}

std::int32_t QrEcBlocks::total_ec_codewords() const {
  return ec_per_block_ * block_count();
}

std::vector<QrEcBlock> QrEcBlocks::groups() const {
  return groups_;
}

}  // namespace toolbox
