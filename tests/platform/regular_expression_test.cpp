#include "platform/regular_expression.h"

#include <gtest/gtest.h>

namespace toolbox {
namespace {

constexpr std::string_view kMetaPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

TEST(RegularExpression, FindsTheDeclaredCharacterSet) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute(kMetaPattern, "<META http-equiv=Content-Type content=text/html;charset=gb2312>"));
  EXPECT_EQ(expression.match_count(), 1);
  EXPECT_EQ(expression.submatch_count(), 1);
  EXPECT_EQ(expression.submatch_text(1, 1), "gb2312");
  EXPECT_EQ(expression.pattern(), kMetaPattern);
}

TEST(RegularExpression, NoMatchIsStillACollection) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute(kMetaPattern, "<html><body>plain</body></html>"));
  EXPECT_EQ(expression.match_count(), 0);
  EXPECT_EQ(expression.submatch_count(), 0);
  EXPECT_EQ(expression.submatch_text(1, 1), "");
  EXPECT_EQ(expression.match_text(1), "");
}

TEST(RegularExpression, InvalidPatternFails) {
  RegularExpression expression;
  EXPECT_FALSE(expression.execute("(unclosed", "text"));
  EXPECT_EQ(expression.match_count(), 0);
}

TEST(RegularExpression, PatternIsEmptyBeforeTheFirstExecute) {
  RegularExpression expression;
  EXPECT_EQ(expression.pattern(), "");
  EXPECT_EQ(expression.replace("x"), "");
  EXPECT_EQ(expression.match_count(), 0);
}

TEST(RegularExpression, GlobalDecidesWhetherEveryMatchCounts) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("\\d+", "a1 b22 c333"));
  EXPECT_EQ(expression.match_count(), 3);
  EXPECT_EQ(expression.match_text(3), "333");
  ASSERT_TRUE(expression.execute("\\d+", "a1 b22 c333", {.global = false}));
  EXPECT_EQ(expression.match_count(), 1);
  EXPECT_EQ(expression.match_text(1), "1");
  EXPECT_EQ(expression.match_text(2), "");
}

TEST(RegularExpression, LetterCaseIsIgnoredUnlessAsked) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("abc", "ABC abc"));
  EXPECT_EQ(expression.match_count(), 2);
  ASSERT_TRUE(expression.execute("abc", "ABC abc", {.case_sensitive = true}));
  EXPECT_EQ(expression.match_count(), 1);
}

TEST(RegularExpression, MultilineAnchorsAtLineBreaks) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("^x", "x1\nx2"));
  EXPECT_EQ(expression.match_count(), 2);
  ASSERT_TRUE(expression.execute("^x", "x1\nx2", {.multiline = false}));
  EXPECT_EQ(expression.match_count(), 1);
}

TEST(RegularExpression, QuoteTokenStandsForADoubleQuote) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("id=#引号(\\w+)#引号", "<a id=\"top\">", {.quote_token = true}));
  EXPECT_EQ(expression.submatch_text(1, 1), "top");
  ASSERT_TRUE(expression.execute("id=#引号(\\w+)#引号", "<a id=\"top\">"));
  EXPECT_EQ(expression.match_count(), 0);
}

TEST(RegularExpression, ReplaceRefersToGroupsAndKeepsTheSource) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("(\\w+)@(\\w+)", "mail me@host now"));
  EXPECT_EQ(expression.replace("$2 at $1"), "mail host at me now");
  EXPECT_EQ(expression.replace("[$0]"), "mail [$0] now");
  EXPECT_EQ(expression.match_text(1), "me@host");
}

TEST(RegularExpression, ChineseTextComesBackInGbk) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("价格：(\\d+)元", "商品 价格：35元，运费 价格：8元"));
  EXPECT_EQ(expression.match_count(), 2);
  EXPECT_EQ(expression.match_text(2), "价格：8元");
  EXPECT_EQ(expression.submatch_text(2, 1), "8");
}

TEST(RegularExpression, PositionsAreByteOffsets) {
  RegularExpression expression;
  // Each Chinese character is one UTF-16 unit for the object and two bytes here.
  ASSERT_TRUE(expression.execute("(\\d+)元", "中文12元和34元"));
  int position = -2;
  EXPECT_EQ(expression.match_text(1, &position), "12元");
  EXPECT_EQ(position, 4);
  EXPECT_EQ(expression.match_text(2, &position), "34元");
  EXPECT_EQ(position, 10);
  EXPECT_EQ(expression.submatch_text(2, 1, &position), "34");
  EXPECT_EQ(position, 10);
  EXPECT_EQ(expression.match_text(3, &position), "");
  EXPECT_EQ(position, -1);
}

TEST(RegularExpression, RepeatedMatchTextsGetTheirOwnPositions) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("a", "aaa"));
  int position = -2;
  expression.match_text(2, &position);
  EXPECT_EQ(position, 1);
  expression.match_text(3, &position);
  EXPECT_EQ(position, 2);
}

TEST(RegularExpression, SubmatchIndexesOutOfRangeGiveEmptyTexts) {
  RegularExpression expression;
  ASSERT_TRUE(expression.execute("(a)(b)?", "a"));
  EXPECT_EQ(expression.submatch_count(), 2);
  EXPECT_EQ(expression.submatch_text(1, 1), "a");
  EXPECT_EQ(expression.submatch_text(1, 2), "");
  EXPECT_EQ(expression.submatch_text(1, 3), "");
  EXPECT_EQ(expression.submatch_text(1, 0), "");
  EXPECT_EQ(expression.submatch_text(2, 1), "");
}

TEST(RegularExpression, CopySharesMatchesAndOwnsItsSource) {
  RegularExpression original;
  ASSERT_TRUE(original.execute("b+", "abbbc"));
  RegularExpression copy = original;
  EXPECT_EQ(copy.match_text(1), "bbb");
  EXPECT_EQ(copy.replace("-"), "a-c");
  // Running the original again gives it new objects; the copy keeps the old ones.
  ASSERT_TRUE(original.execute("c", "xyz"));
  EXPECT_EQ(original.match_count(), 0);
  EXPECT_EQ(copy.match_count(), 1);
  EXPECT_EQ(copy.replace("-"), "a-c");
  EXPECT_EQ(copy.pattern(), "b+");
}

TEST(RegularExpression, OutlivesItsCopiesCleanly) {
  RegularExpression* kept = nullptr;
  {
    RegularExpression first;
    ASSERT_TRUE(first.execute("\\w", "ab"));
    kept = new RegularExpression(first);
  }
  EXPECT_EQ(kept->match_count(), 2);
  delete kept;
  RegularExpression after;
  EXPECT_TRUE(after.execute("x", "x"));
}

}  // namespace
}  // namespace toolbox
