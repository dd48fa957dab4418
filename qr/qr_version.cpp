#include "qr/qr_version.h"

#include <string>
#include <utility>

#include "text/text_ops.h"

namespace toolbox {
namespace {

// Version information for versions 7 to 40: each version number in 6 bits
// followed by the 12 check bits of the BCH(18,6) code with generator 0x1F25.
constexpr char kVersionWords[] =
    "31892,34236,39577,42195,48118,51042,55367,58893,63784,68472,70749,76311,"
    "79154,84390,87683,92361,96236,102084,102881,110507,110734,117786,119615,"
    "126325,127568,133589,136944,141498,145311,150283,152622,158308,161089,167017";

}  // namespace

std::int32_t QrVersion::number() const {
  return number_;
}

std::vector<std::int32_t> QrVersion::alignment_centres() const {
  return alignment_centres_;
}

std::int32_t QrVersion::total_codewords() const {
  return total_codewords_;
}

std::int32_t QrVersion::dimension() const {
  return 4 * number_ + 17;
}

void QrVersion::set(std::int32_t number, std::vector<std::int32_t> alignment_centres,
                    const QrEcBlocks& l, const QrEcBlocks& m, const QrEcBlocks& q,
                    const QrEcBlocks& h) {
  number_ = number;
  alignment_centres_ = std::move(alignment_centres);
  blocks_ = {l, m, q, h};
  total_codewords_ = 0;
  for (const QrEcBlock& group : l.groups()) {
    total_codewords_ += group.count() * (group.data_codewords() + l.ec_per_block());
  }
}

QrEcBlocks QrVersion::blocks_for_level(const QrErrorLevel& level) const {
  std::int32_t ordinal = level.ordinal();
  if (ordinal < 1 || ordinal > static_cast<std::int32_t>(blocks_.size())) {
    return {};
  }
  return blocks_[static_cast<std::size_t>(ordinal - 1)];
}

void QrVersion::build_version_words() {
  version_words_.clear();
  for (const Text& word : split_text(kVersionWords, ",")) {
    version_words_.push_back(text_to_int(word));
  }
}

Text QrVersion::to_text() const {
  return std::to_string(number_);
}

std::vector<std::int32_t> QrVersion::version_words() const {
  return version_words_;
}

}  // namespace toolbox
