#include "qr/gf256.h"

#include <string>

#include "qr/error_report.h"

namespace toolbox {

Text GF256::name() const {
  return name_;
}

std::vector<std::int32_t> GF256::zero() const {
  return zero_;
}

void GF256::init(std::int32_t primitive) {
  name_ = class_name_ + ":" + std::to_string(primitive);
  exp_.fill(0);
  log_.fill(0);
  std::int32_t x = 1;
  for (std::size_t i = 0; i < exp_.size(); ++i) {
    exp_[i] = x;
    x <<= 1;
    if (x >= 256) {
      // A true primitive of degree 8 clears bit 8 here; the mask keeps any
      // other value from leaving the tables.
      x = (x ^ primitive) & 0xFF;
    }
  }
  for (std::int32_t i = 0; i < 255; ++i) {
    if (exp_[i] != 0) {
      log_[exp_[i]] = i;
    }
  }
  zero_ = {0};
}

std::int32_t GF256::add(std::int32_t a, std::int32_t b) const {
  return a ^ b;
}

std::int32_t GF256::exp(std::int32_t i) const {
  if (i < 0 || i > 255) {
    i %= 255;
    if (i < 0) {
      i += 255;
    }
  }
  return exp_[static_cast<std::size_t>(i)];
}

std::int32_t GF256::log(std::int32_t x) const {
  if (x < 1 || x > 255) {
    raise_field_error();
  }
  return log_[static_cast<std::size_t>(x)];
}

std::int32_t GF256::inverse(std::int32_t x) const {
  return exp(255 - log(x));
}

std::int32_t GF256::multiply(std::int32_t a, std::int32_t b) const {
  if (a == 0 || b == 0) {
    return 0;
  }
  if (a == 1) {
    return b;
  }
  if (b == 1) {
    return a;
  }
  return exp((log(a) + log(b)) % 255);
}

std::vector<std::int32_t> GF256::exp_table() const {
  return {exp_.begin(), exp_.end()};
}

std::vector<std::int32_t> GF256::log_table() const {
  return {log_.begin(), log_.end()};
}

}  // namespace toolbox
