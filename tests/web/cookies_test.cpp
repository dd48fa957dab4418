#include "web/cookies.h"

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using testing_support::PrintTo;

struct CollectCase {
  const char* name;
  std::string_view headers;
  std::string_view expected;
};

class CollectSetCookiesTest : public testing::TestWithParam<CollectCase> {};

TEST_P(CollectSetCookiesTest, TakesFirstPairOfEverySetCookieLine) {
  EXPECT_EQ(collect_set_cookies(GetParam().headers), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CollectSetCookiesTest,
    testing::Values(
        CollectCase{"two_lines", "Set-Cookie: sid=abc; Path=/\r\nSet-Cookie: lang=zh", "sid=abc; lang=zh"},
        CollectCase{"none", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", ""},
        CollectCase{"empty", "", ""},
        CollectCase{"other_letter_case_ignored", "set-cookie: a=1\r\nSET-COOKIE: b=2", ""},
        CollectCase{"among_other_headers",
                    "HTTP/1.1 302 Found\r\nSet-Cookie: a=1; path=/\r\nLocation: /x\r\nSet-Cookie: b=2\r\n\r\n",
                    "a=1; b=2"},
        CollectCase{"deletion_kept_for_merge", "Set-Cookie: a=deleted; expires=Thu, 01 Jan 1970", "a=deleted"},
        CollectCase{"without_space_after_colon_ignored", "Set-Cookie:a=1", ""},
        CollectCase{"value_spaces_trimmed", "Set-Cookie:   a=1   ", "a=1"}),
    testing_support::CaseName());

struct MergeCase {
  const char* name;
  std::string_view old_cookies;
  std::string_view new_cookies;
  std::string_view merged;
  std::string_view new_after;
};

class MergeCookiesTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, NewerItemsWinAndDeletionsDrop) {
  Text old_cookies(GetParam().old_cookies);
  Text new_cookies(GetParam().new_cookies);
  Text result = merge_cookies(old_cookies, new_cookies);
  EXPECT_EQ(result, GetParam().merged);
  EXPECT_EQ(old_cookies, GetParam().merged);
  EXPECT_EQ(new_cookies, GetParam().new_after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MergeCookiesTest,
    testing::Values(MergeCase{"newer_wins_and_order", "a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
                    MergeCase{"deletion", "a=1; b=2", "a=deleted", "b=2", "a=deleted"},
                    MergeCase{"empty_new", "a=1", "", "a=1", ""},
                    MergeCase{"empty_old", "", "a=1; b=2", "a=1; b=2", "a=1;b=2"},
                    MergeCase{"both_empty", "", "", "", ""},
                    MergeCase{"spaces_removed_then_repeat_dropped", "x = 1; x=1", "", "x=1", ""},
                    MergeCase{"same_name_twice_in_new_both_stay", "", "a=1; a=2", "a=1; a=2", "a=1;a=2"},
                    MergeCase{"old_repeats_of_new_name_dropped", "a=0; a=9", "a=1", "a=1", "a=1"},
                    MergeCase{"value_loses_spaces", "t=a b", "", "t=ab", ""},
                    MergeCase{"full_width_spaces_removed", "a=\xA1\xA1" "1", "", "a=1", ""},
                    MergeCase{"item_without_equals", "flag; a=1", "a=2", "a=2; flag", "a=2"},
                    MergeCase{"deleted_old_item_dropped", "a=deleted; b=1", "", "b=1", ""},
                    MergeCase{"names_compared_exactly", "A=1", "a=2", "a=2; A=1", "a=2"}),
    testing_support::CaseName());

TEST(CookieName, PartBeforeFirstEquals) {
  EXPECT_EQ(cookie_name("sid=abc=def"), "sid");
  EXPECT_EQ(cookie_name(" sid =abc"), "sid");
  EXPECT_EQ(cookie_name("flag"), "flag");
  EXPECT_EQ(cookie_name("=x"), "");
  EXPECT_EQ(cookie_name(""), "");
}

TEST(HasCookieNamed, ComparesNamesExactly) {
  std::vector<Text> items = {"a=1", "b=2"};
  EXPECT_TRUE(has_cookie_named(items, "b"));
  EXPECT_FALSE(has_cookie_named(items, "B"));
  EXPECT_FALSE(has_cookie_named(items, "c"));
  EXPECT_FALSE(has_cookie_named({}, ""));
}

TEST(RemoveDuplicateItems, KeepsFirstOfExactRepeats) {
  EXPECT_EQ(remove_duplicate_items("a; b; a; c; b", "; "), "a; b; c");
  EXPECT_EQ(remove_duplicate_items("a=1; a=2", "; "), "a=1; a=2");
  EXPECT_EQ(remove_duplicate_items("", "; "), "");
  EXPECT_EQ(remove_duplicate_items("x,x,,", ","), "x,");
}

}  // namespace
}  // namespace toolbox
