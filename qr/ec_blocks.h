// The error-correction block structure of one version at one level: every
// block carries the same number of error-correction codewords, and the blocks
// come in one or two groups that differ by one data codeword.
#pragma once

#include <cstdint>
#include <vector>

namespace toolbox {

// QrEcBlock: a group of blocks of one size. Operations in slot order.
class QrEcBlock {
 public:
  QrEcBlock() = default;
  QrEcBlock(std::int32_t count, std::int32_t data_codewords);

  ~QrEcBlock() = default;
  QrEcBlock(const QrEcBlock&) = default;
  QrEcBlock& operator=(const QrEcBlock&) = default;

  void set(std::int32_t count, std::int32_t data_codewords);
  std::int32_t count() const;           // how many blocks of this kind
  std::int32_t data_codewords() const;  // per block

 private:
  std::int32_t count_ = 0;
  std::int32_t data_codewords_ = 0;
};

// QrEcBlocks: the groups of one level. Operations in slot order.
class QrEcBlocks {
 public:
  QrEcBlocks() = default;

  ~QrEcBlocks() = default;
  QrEcBlocks(const QrEcBlocks&) = default;
  QrEcBlocks& operator=(const QrEcBlocks&) = default;

  void set(std::int32_t ec_per_block, const QrEcBlock& group);
  void set(std::int32_t ec_per_block, const QrEcBlock& first, const QrEcBlock& second);
  std::int32_t ec_per_block() const;
  std::int32_t block_count() const;         // blocks over all groups
  std::int32_t total_ec_codewords() const;  // ec_per_block × block_count
  std::vector<QrEcBlock> groups() const;

 private:
  std::int32_t ec_per_block_ = 0;
  std::vector<QrEcBlock> groups_;
};

}  // namespace toolbox
