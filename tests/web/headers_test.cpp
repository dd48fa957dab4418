#include "web/headers.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

struct NormalizeCase {
  const char* name;
  std::string_view block;
  std::string_view expected;
};

class NormalizeTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeTest, NormalisesEachLine) {
  EXPECT_EQ(normalize_request_headers(GetParam().block), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormalizeTest,
    testing::Values(
        NormalizeCase{"capitalises_pieces", "accept: text/html\r\nx-my-header: 1", "Accept: text/html\r\nX-My-Header: 1"},
        NormalizeCase{"only_first_letters_change", "user-AGENT: x", "User-AGENT: x"},
        NormalizeCase{"no_final_line_break", "a: 1\r\n", "A: 1"},
        NormalizeCase{"drops_line_without_colon_space", "Accept:text/html\r\nb: 2", "B: 2"},
        NormalizeCase{"value_with_colon_space_is_dropped", "X-Note: a: b", "X-Note: "},
        NormalizeCase{"empty_value", "Name: ", "Name: "},
        NormalizeCase{"empty_block", "", ""},
        NormalizeCase{"only_line_breaks", "\r\n\r\n", ""},
        NormalizeCase{"empty_lines_between", "a: 1\r\n\r\nb: 2", "A: 1\r\nB: 2"},
        NormalizeCase{"value_kept_as_is", "cookie: a=1;  b=2 ", "Cookie: a=1;  b=2 "},
        NormalizeCase{"empty_name", ": v", ": v"},
        NormalizeCase{"trailing_dash_kept", "x-: 1", "X-: 1"},
        NormalizeCase{"double_dash", "a--b: 1", "A--B: 1"},
        NormalizeCase{"lone_lf_does_not_end_a_line", "a: 1\nb: 2", "A: "},
        NormalizeCase{"non_letter_first", "1x-y: 2", "1x-Y: 2"}),
    testing_support::CaseName());

TEST(HeaderNameAndValue, SplitAtFirstColonAndTrim) {
  EXPECT_EQ(header_name("Content-Type: text/html"), "Content-Type");
  EXPECT_EQ(header_value("Content-Type: text/html"), "text/html");
  EXPECT_EQ(header_name("  Host :  a:8080  "), "Host");
  EXPECT_EQ(header_value("  Host :  a:8080  "), "a:8080");
  EXPECT_EQ(header_value("Name:"), "");
  EXPECT_EQ(header_name("no colon"), "");
  EXPECT_EQ(header_value("no colon"), "");
  EXPECT_EQ(header_value("X: \xA1\xA1v\xA1\xA1"), "v");
  EXPECT_EQ(header_value("X:\tv\r"), "\tv\r");
}

TEST(CapitalizeFirst, ChangesOnlyALeadingLowerCaseLetter) {
  EXPECT_EQ(capitalize_first("accept"), "Accept");
  EXPECT_EQ(capitalize_first("Accept"), "Accept");
  EXPECT_EQ(capitalize_first("1a"), "1a");
  EXPECT_EQ(capitalize_first(""), "");
  EXPECT_EQ(capitalize_first("\x81\x61"), "\x81\x61");
}

}  // namespace
}  // namespace toolbox
