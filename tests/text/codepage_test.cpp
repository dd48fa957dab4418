// One table of conversions that both backends must produce: this file runs
// natively (iconv backend) and under Wine (MultiByteToWideChar and
// WideCharToMultiByte), so the two are compared case by case.
#include "text/codepage.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

struct RoundTripCase {
  const char* name;
  std::string utf8;
  Text gbk;
};

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, ConvertsBothWays) {
  EXPECT_EQ(utf8_to_gbk(GetParam().utf8), GetParam().gbk);
  EXPECT_EQ(gbk_to_utf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundTripTest,
    testing::Values(RoundTripCase{"empty", "", ""},
                    RoundTripCase{"ascii", "name=abc; x=1\r\n", "name=abc; x=1\r\n"},
                    RoundTripCase{"chinese", utf8(u8"旺旺查询"), "\xCD\xFA\xCD\xFA\xB2\xE9\xD1\xAF"},
                    RoundTripCase{"full_width_space", utf8(u8"a\u3000b"), "a\xA1\xA1" "b"},
                    RoundTripCase{"euro_is_single_byte", utf8(u8"\u20AC"), "\x80"},
                    RoundTripCase{"mixed", utf8(u8"淘龄：3年+"), "\xCC\xD4\xC1\xE4\xA3\xBA" "3\xC4\xEA+"}),
    testing_support::CaseName());

struct OneWayCase {
  const char* name;
  std::string from;
  std::string expected;
};

class Utf8ToGbkTest : public testing::TestWithParam<OneWayCase> {};

TEST_P(Utf8ToGbkTest, ReplacesWhatHasNoGbkForm) {
  EXPECT_EQ(utf8_to_gbk(GetParam().from), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8ToGbkTest,
    testing::Values(OneWayCase{"invalid_byte", "a\xFF" "b", "a?b"},
                    OneWayCase{"truncated_at_end", "a\xE4\xB8", "a?"},
                    OneWayCase{"truncated_before_ascii", "\xE4\xB8" "a", "?a"},
                    OneWayCase{"overlong", "\xC0\x80", "??"},
                    OneWayCase{"lone_continuation_bytes", "\x80\x80", "??"},
                    OneWayCase{"outside_bmp", utf8(u8"\U0001F600"), "??"},
                    OneWayCase{"no_gbk_form", utf8(u8"x\u0E01y"), "x?y"}),
    testing_support::CaseName());

class GbkToUtf8Test : public testing::TestWithParam<OneWayCase> {};

TEST_P(GbkToUtf8Test, ReplacesBrokenCharacters) {
  EXPECT_EQ(gbk_to_utf8(GetParam().from), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GbkToUtf8Test,
    testing::Values(OneWayCase{"lone_lead_byte_at_end", "a\xB0", "a?"},
                    OneWayCase{"lead_byte_before_space", "\xB0 x", "?x"},
                    OneWayCase{"invalid_trail_byte", "\x81\x7F" "a", "?a"}),
    testing_support::CaseName());

TEST(Utf16, UnpairedSurrogateBecomesReplacementCharacter) {
  EXPECT_EQ(utf16_to_utf8(u"a\xD800z"), utf8(u8"a\uFFFDz"));
  EXPECT_EQ(utf16_to_utf8(u"\xDC00"), utf8(u8"\uFFFD"));
  EXPECT_EQ(utf16_to_utf8(u"\xD83D\xDE00"), utf8(u8"\U0001F600"));
}

TEST(Utf16, GbkOfSingleUnits) {
  EXPECT_EQ(utf16_to_gbk(u"\u4E2D"), "\xD6\xD0");
  EXPECT_EQ(utf16_to_gbk(u"A"), "A");
  EXPECT_EQ(gbk_to_utf16("\xD6\xD0"), u"\u4E2D");
}

}  // namespace
}  // namespace toolbox
