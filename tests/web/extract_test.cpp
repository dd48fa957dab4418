#include "web/extract.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

struct BeforeCase {
  const char* name;
  std::string_view text;
  std::string_view marker;
  ExtractOptions options;
  std::string_view expected;
};

class TextBeforeTest : public testing::TestWithParam<BeforeCase> {};

TEST_P(TextBeforeTest, CutsFromTheBeginningUpToTheMarker) {
  const BeforeCase& c = GetParam();
  EXPECT_EQ(text_before(c.text, c.marker, c.options), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextBeforeTest,
    testing::Values(BeforeCase{"found", "key=value", "=", {}, "key"},
                    BeforeCase{"missing", "key=value", "#", {}, ""},
                    BeforeCase{"empty_marker", "key=value", "", {}, ""},
                    BeforeCase{"marker_at_start", "=value", "=", {}, ""},
                    BeforeCase{"start_counts_from_beginning", "a=b;c=d", "=", {.start = 5}, "a=b;c"},
                    BeforeCase{"start_zero_counts_as_one", "a=b", "=", {.start = 0}, "a"},
                    BeforeCase{"ignore_case", "Location: /x", "location:", {.ignore_case = true}, ""},
                    BeforeCase{"ignore_case_prefix", "x Location: /x", "LOCATION:", {.ignore_case = true}, "x "},
                    BeforeCase{"exact_case_misses", "x Location: /x", "location:", {}, ""},
                    BeforeCase{"not_across_characters", "\xB0\xA1\xB0\xA1=", "\xA1\xB0", {}, ""},
                    BeforeCase{"after_character", "\xB0\xA1=1", "=", {}, "\xB0\xA1"}),
    testing_support::CaseName());

struct BetweenCase {
  const char* name;
  std::string_view text;
  std::string_view left;
  std::string_view right;
  ExtractOptions options;
  std::string_view expected;
};

class TextBetweenTest : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, CutsBetweenTheMarkers) {
  const BetweenCase& c = GetParam();
  EXPECT_EQ(text_between(c.text, c.left, c.right, c.options), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextBetweenTest,
    testing::Values(
        BetweenCase{"found", "<b>x</b>", "<b>", "</b>", {}, "x"},
        BetweenCase{"right_missing", "<b>x</b>", "<b>", "<i>", {}, ""},
        BetweenCase{"left_missing", "<b>x</b>", "<i>", "</b>", {}, ""},
        BetweenCase{"adjacent_markers", "<b></b>", "<b>", "</b>", {}, ""},
        BetweenCase{"empty_right_marker", "<b>x</b>", "<b>", "", {}, ""},
        BetweenCase{"empty_left_marker", "<b>x</b>", "", "</b>", {}, ""},
        BetweenCase{"right_searched_after_left", "</b><b>y</b>", "<b>", "</b>", {}, "y"},
        BetweenCase{"first_left_wins", "[1][2]", "[", "]", {}, "1"},
        BetweenCase{"start_skips_first", "[1][2]", "[", "]", {.start = 2}, "2"},
        BetweenCase{"quote_token", "{\"id\":12,\"idx\":3}", "#引号id#引号:", ",", {}, "12"},
        BetweenCase{"quote_token_exact_place", "xid\"id\":5,", "#引号id#引号", ",", {}, ":5"},
        BetweenCase{"quote_token_in_right_marker", "a=\"v\"", "=#引号", "#引号", {}, "v"},
        BetweenCase{"ignore_case", "LOCATION: /next\r\n", "location: ", "\r\n", {.ignore_case = true}, "/next"},
        BetweenCase{"chinese_markers", "打标次数</td><td>7<", "打标次数</td><td>", "<", {}, "7"},
        BetweenCase{"right_marker_not_inside_character", "[\xB0\x5D]", "[", "]", {}, "\xB0\x5D"}),
    testing_support::CaseName());

}  // namespace
}  // namespace toolbox
