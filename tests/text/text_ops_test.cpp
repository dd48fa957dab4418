#include "text/text_ops.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

// "啊" is B0 A1 in GBK; "\x81\x61" is a double-byte character whose second
// byte is the ASCII letter a.
constexpr std::string_view kAh = "\xB0\xA1";
constexpr std::string_view kTrailA = "\x81\x61";

struct FindCase {
  const char* name;
  std::string_view text;
  std::string_view marker;
  FindOptions options;
  int expected;
};

class FindTextTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsFirstOccurrenceAtCharacterBoundary) {
  const FindCase& c = GetParam();
  EXPECT_EQ(find_text(c.text, c.marker, c.options), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindTextTest,
    testing::Values(
        FindCase{"simple", "key=value", "=", {}, 4},
        FindCase{"absent", "key=value", "#", {}, -1},
        FindCase{"empty_marker", "abc", "", {}, -1},
        FindCase{"empty_text", "", "a", {}, -1},
        FindCase{"marker_longer_than_text", "ab", "abc", {}, -1},
        FindCase{"start_skips_first", "a=b;c=d", "=", {.start = 3}, 6},
        FindCase{"start_on_match", "a=b;c=d", "=", {.start = 2}, 2},
        FindCase{"start_zero_is_one", "a=b", "a", {.start = 0}, 1},
        FindCase{"start_negative_is_one", "a=b", "a", {.start = -7}, 1},
        FindCase{"start_past_end", "a=b", "b", {.start = 9}, -1},
        FindCase{"case_sensitive_by_default", "Location: x", "location:", {}, -1},
        FindCase{"ignore_case", "Location: x", "location:", {.ignore_case = true}, 1},
        FindCase{"ignore_case_only_letters", "A[", "a{", {.ignore_case = true}, -1},
        FindCase{"across_two_characters", "\xB0\xA1\xB0\xA1", "\xA1\xB0", {}, -1},
        FindCase{"second_character", "\xB0\xA2\xB0\xA1", kAh, {}, 3},
        FindCase{"letter_inside_character", kTrailA, "a", {}, -1},
        FindCase{"letter_inside_character_ignore_case", kTrailA, "A", {.ignore_case = true}, -1},
        FindCase{"letter_after_character", "\x81\x61" "a", "a", {}, 3},
        FindCase{"no_fold_inside_character", "\x81\x41", "\x81\x61", {.ignore_case = true}, -1},
        FindCase{"start_inside_character_snaps_forward", "\xB0\xA1" "x\xA1", "\xA1", {.start = 2}, 4},
        FindCase{"lone_lead_byte_at_end", "ab\xB0", "\xB0", {}, 3}),
    testing_support::CaseName());

TEST(FindLastText, FindsLastOccurrenceBeginningAtOrBeforeStart) {
  EXPECT_EQ(find_last_text("a.b.c", "."), 4);
  EXPECT_EQ(find_last_text("a.b.c", ".", {.start = 3}), 2);
  EXPECT_EQ(find_last_text("a.b.c", ".", {.start = 4}), 4);
  EXPECT_EQ(find_last_text("a.b.c", ".", {.start = 1}), -1);
  EXPECT_EQ(find_last_text("a.b.c", ".", {.start = 0}), -1);
  EXPECT_EQ(find_last_text("a.b.c", "#"), -1);
  EXPECT_EQ(find_last_text("a.b.c", ""), -1);
  EXPECT_EQ(find_last_text("xAx", "a", {.ignore_case = true}), 2);
  EXPECT_EQ(find_last_text("\xB0\xA1\xB0\xA1", "\xA1\xB0"), -1);
  EXPECT_EQ(find_last_text("\xB0\xA1\xB0\xA1", kAh), 3);
}

TEST(LeftRightMiddle, CountBytesAndCutAtTheEnds) {
  EXPECT_EQ(left_text("abcdef", 2), "ab");
  EXPECT_EQ(left_text("abcdef", 0), "");
  EXPECT_EQ(left_text("abcdef", -1), "");
  EXPECT_EQ(left_text("abc", 10), "abc");
  EXPECT_EQ(right_text("abcdef", 2), "ef");
  EXPECT_EQ(right_text("abcdef", 0), "");
  EXPECT_EQ(right_text("abc", 10), "abc");
  EXPECT_EQ(middle_text("abcdef", 2, 3), "bcd");
  EXPECT_EQ(middle_text("abcdef", 0, 2), "ab");
  EXPECT_EQ(middle_text("abcdef", 5, 10), "ef");
  EXPECT_EQ(middle_text("abcdef", 7, 1), "");
  EXPECT_EQ(middle_text("abcdef", 2, 0), "");
}

struct SplitCase {
  const char* name;
  std::string_view text;
  std::string_view separator;
  std::vector<Text> expected;
};

class SplitTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, SplitsAtEverySeparator) {
  EXPECT_EQ(split_text(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitTextTest,
    testing::Values(SplitCase{"plain", "a;b;c", ";", {"a", "b", "c"}},
                    SplitCase{"empty_between", "a;;b", ";", {"a", "", "b"}},
                    SplitCase{"leading_separator", ";a", ";", {"", "a"}},
                    SplitCase{"none_after_final", "a;b;", ";", {"a", "b"}},
                    SplitCase{"only_separator", ";", ";", {""}},
                    SplitCase{"empty_text", "", ";", {}},
                    SplitCase{"no_separator", "abc", ";", {"abc"}},
                    SplitCase{"empty_separator", "abc", "", {"abc"}},
                    SplitCase{"multi_byte_separator", "a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "", "c"}},
                    SplitCase{"not_inside_character", "\xB0\xA1\xB0\xA1", "\xA1\xB0", {"\xB0\xA1\xB0\xA1"}}),
    testing_support::CaseName());

struct SpaceCase {
  const char* name;
  std::string_view text;
  std::string_view trimmed;
  std::string_view without_spaces;
};

class SpacesTest : public testing::TestWithParam<SpaceCase> {};

TEST_P(SpacesTest, TrimAndRemoveTouchOnlyAsciiAndFullWidthSpaces) {
  EXPECT_EQ(trim_spaces(GetParam().text), GetParam().trimmed);
  EXPECT_EQ(remove_spaces(GetParam().text), GetParam().without_spaces);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpacesTest,
    testing::Values(SpaceCase{"ascii", "  a b  ", "a b", "ab"},
                    SpaceCase{"full_width", "\xA1\xA1" "a\xA1\xA1" "b\xA1\xA1", "a\xA1\xA1" "b", "ab"},
                    SpaceCase{"tabs_and_line_breaks_stay", "\t a\r\n ", "\t a\r\n", "\ta\r\n"},
                    SpaceCase{"only_spaces", " \xA1\xA1 ", "", ""},
                    SpaceCase{"empty", "", "", ""},
                    // B0 A1 is one character, so the A1 after it starts a new
                    // one: a lone lead byte, not half of a full-width space.
                    SpaceCase{"a1_after_character", "\xB0\xA1\xA1", "\xB0\xA1\xA1", "\xB0\xA1\xA1"},
                    SpaceCase{"full_width_then_lone_lead", "\xA1\xA1\xA1", "\xA1", "\xA1"},
                    SpaceCase{"space_as_trail_byte", "\xB0 x", "\xB0 x", "\xB0 x"}),
    testing_support::CaseName());

TEST(ReplaceText, ReplacesEveryOccurrenceAtBoundaries) {
  EXPECT_EQ(replace_text("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(replace_text("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replace_text("abc", "", "x"), "abc");
  EXPECT_EQ(replace_text("abc", "b", ""), "ac");
  EXPECT_EQ(replace_text("Set-Cookie: a; set-cookie:b", "set-cookie:", "", {.ignore_case = true}), " a; b");
  EXPECT_EQ(replace_text("\xB0\xA1\xB0\xA1", "\xA1\xB0", "!"), "\xB0\xA1\xB0\xA1");
  EXPECT_EQ(replace_text("[1,[2]]", "[", ""), "1,2]]");
}

TEST(AsciiCase, ChangesOnlySingleByteLetters) {
  EXPECT_EQ(upper_ascii("abc-XYZ"), "ABC-XYZ");
  EXPECT_EQ(lower_ascii("abc-XYZ"), "abc-xyz");
  EXPECT_EQ(upper_ascii(kTrailA), kTrailA);
  EXPECT_EQ(lower_ascii("\x81\x41" "A"), "\x81\x41" "a");
}

TEST(TextToInt, ReadsLeadingDigits) {
  EXPECT_EQ(text_to_int("8443"), 8443);
  EXPECT_EQ(text_to_int("12abc"), 12);
  EXPECT_EQ(text_to_int("abc"), 0);
  EXPECT_EQ(text_to_int(""), 0);
  EXPECT_EQ(text_to_int(" -42"), -42);
  EXPECT_EQ(text_to_int("99999999999"), 2147483647);
  EXPECT_EQ(text_to_int("-99999999999"), -2147483647 - 1);
}

TEST(TextToDouble, FollowsAtof) {
  EXPECT_DOUBLE_EQ(text_to_double("1.5beta"), 1.5);
  EXPECT_DOUBLE_EQ(text_to_double("  1.31"), 1.31);
  EXPECT_DOUBLE_EQ(text_to_double("abc"), 0.0);
  EXPECT_DOUBLE_EQ(text_to_double(""), 0.0);
  EXPECT_DOUBLE_EQ(text_to_double("2e1"), 20.0);
}

TEST(BytesAndText, TextStopsAtFirstZeroByte) {
  EXPECT_EQ(bytes_to_text(Bytes{'a', 'b', 0, 'c'}), "ab");
  EXPECT_EQ(bytes_to_text(Bytes{}), "");
  EXPECT_EQ(bytes_to_text(Bytes{0, 'a'}), "");
  EXPECT_EQ(text_to_bytes("ab"), (Bytes{'a', 'b'}));
}

}  // namespace
}  // namespace toolbox
