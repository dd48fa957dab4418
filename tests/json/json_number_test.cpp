#include "json/json_number.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

struct NumberCase {
  const char* name;
  std::string_view text;
  bool number;
};

class NumberRuleTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberRuleTest, DecidesWhatCountsAsANumber) {
  EXPECT_EQ(is_json_number(GetParam().text), GetParam().number) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberRuleTest,
    testing::Values(NumberCase{"integer", "42", true}, NumberCase{"negative", "-7", true},
                    NumberCase{"minus_alone", "-", true}, NumberCase{"minus_point", "-.5", true},
                    NumberCase{"leading_zeros", "007", true}, NumberCase{"exponent_plus", "1e+5", true},
                    NumberCase{"exponent_minus_upper", "2.5E-10", true}, NumberCase{"point_then_exponent", "1.e+5", true},
                    NumberCase{"exponent_without_sign", "1e5", false}, NumberCase{"point_last", "1.", false},
                    NumberCase{"point_first", ".5", false}, NumberCase{"plus_first", "+1", false},
                    NumberCase{"two_points", "1.2.3", false}, NumberCase{"point_after_exponent", "1e+5.0", false},
                    NumberCase{"sign_without_digit", "1e+", false}, NumberCase{"two_exponents", "1e+2e+3", false},
                    NumberCase{"two_signs", "1e-+5", false}, NumberCase{"letter", "12a", false},
                    NumberCase{"empty", "", false}, NumberCase{"blank_inside", "1 2", false}),
    testing_support::CaseName());

}  // namespace
}  // namespace toolbox
