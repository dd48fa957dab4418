// Names parameterised cases after the `name` field of their case record, so
// a failure reads "Table/FindTextTest.Finds.../across_two_characters".
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace toolbox::testing_support {

struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& param_info) const {
    return param_info.param.name;
  }
};

// Prints a case record as its name instead of a dump of its bytes. Test files
// bring it into their namespace with `using testing_support::PrintTo;`.
template <typename Case>
  requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

}  // namespace toolbox::testing_support
