// QrVersion: one of the forty symbol versions, with its error-correction
// block sets for the levels L, M, Q, H, its alignment-pattern centres and the
// version-information words.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "qr/ec_blocks.h"
#include "qr/error_level.h"
#include "text/text.h"

namespace toolbox {

// Operations are declared in slot order.
class QrVersion {
 public:
  QrVersion() = default;

  ~QrVersion() = default;
  QrVersion(const QrVersion&) = default;
  QrVersion& operator=(const QrVersion&) = default;

  std::int32_t number() const;
  std::vector<std::int32_t> alignment_centres() const;
  std::int32_t total_codewords() const;
  std::int32_t dimension() const;  // modules per side: 4 × number + 17

  // Stores copies; total codewords := the L groups' count × (data + codewords per block).
  void set(std::int32_t number, std::vector<std::int32_t> alignment_centres, const QrEcBlocks& l,
           const QrEcBlocks& m, const QrEcBlocks& q, const QrEcBlocks& h);

  // The block set at the level's ordinal (1 = L .. 4 = H); an empty set for
  // any other ordinal.
  QrEcBlocks blocks_for_level(const QrErrorLevel& level) const;

  // Fills the version-information words: the 18-bit BCH codes of versions 7 to 40.
  void build_version_words();

  Text to_text() const;  // the number in decimal

  std::vector<std::int32_t> version_words() const;

 private:
  std::int32_t number_ = 0;
  std::array<QrEcBlocks, 4> blocks_;
  std::int32_t total_codewords_ = 0;
  std::vector<std::int32_t> alignment_centres_;
  std::vector<std::int32_t> version_words_;
};

}  // namespace toolbox
