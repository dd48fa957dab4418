// Helpers the page-fetch tests share.
#pragma once

#include <chrono>
#include <string>

#include "text/text.h"

namespace toolbox::testing_support {

inline std::string text_of(const Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// Seconds since it was made.
class Stopwatch {
 public:
  double seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace toolbox::testing_support
