#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json/json_document.h"
#include "tests/json/json_test_support.h"
#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using json_testing::node_lines;
using json_testing::parsed;
using testing_support::PrintTo;
using Lines = std::vector<std::string>;

struct ParseCase {
  const char* name;
  std::string_view text;
  ParseOptions options;
  Lines nodes;
};

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, BuildsTheNodeList) {
  const ParseCase& c = GetParam();
  JsonDocument document;
  EXPECT_EQ(document.parse_text(c.text, c.options), 0);
  EXPECT_EQ(node_lines(document), c.nodes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseTest,
    testing::Values(
        ParseCase{"object_member", R"({"a":1})", {}, {"1 4 0 ={ 1 }", "2 1 4 a=1"}},
        ParseCase{"array_elements",
                  R"([10,"x",[]])",
                  {},
                  {"1 5 0 =[ 3 ]", "2 1 5 [0]=10", "2 2 5 [1]=x", "2 5 5 [2]=[ 0 ]"}},
        ParseCase{"escaped_quote_kept", R"({"a":"x\"y"})", {}, {"1 4 0 ={ 1 }", R"(2 2 4 a=x\"y)"}},
        ParseCase{"paired_backslashes_end_the_string", R"({"a":"a\\"})", {}, {"1 4 0 ={ 1 }", R"(2 2 4 a=a\\)"}},
        ParseCase{"objects_in_arrays",
                  R"([{"a":1},{"b":[true,null]}])",
                  {},
                  {"1 5 0 =[ 2 ]", "2 4 5 [0]={ 1 }", "3 1 4 a=1", "2 4 5 [1]={ 1 }", "3 5 4 b=[ 2 ]",
                   "4 3 5 [0]=true", "4 6 5 [1]=null"}},
        ParseCase{"mixed_elements_share_one_counter",
                  R"([1,{},[],"s"])",
                  {},
                  {"1 5 0 =[ 4 ]", "2 1 5 [0]=1", "2 4 5 [1]={ 0 }", "2 5 5 [2]=[ 0 ]", "2 2 5 [3]=s"}},
        ParseCase{"nested_member_objects",
                  R"({"o":{"x":1,"y":{}},"z":2})",
                  {},
                  {"1 4 0 ={ 2 }", "2 4 4 o={ 2 }", "3 1 4 x=1", "3 4 4 y={ 0 }", "2 1 4 z=2"}},
        ParseCase{"strict_well_formed",
                  "{ \"a\" : [ 1 , -2.5E+3 , \"s\" , true , false , null ] ,\r\n\t\"b\" : { } }",
                  {.strict = true},
                  {"1 4 0 ={ 2 }", "2 5 4 a=[ 6 ]", "3 1 5 [0]=1", "3 1 5 [1]=-2.5E+3", "3 2 5 [2]=s",
                   "3 3 5 [3]=true", "3 3 5 [4]=false", "3 6 5 [5]=null", "2 4 4 b={ 0 }"}},
        ParseCase{"lenient_literals_in_lower_case",
                  R"({"a":TRUE,"b":Null})",
                  {},
                  {"1 4 0 ={ 2 }", "2 3 4 a=true", "2 6 4 b=null"}},
        ParseCase{"lenient_blanks_dropped_in_literal", R"({"a":tr ue})", {}, {"1 4 0 ={ 1 }", "2 3 4 a=true"}},
        ParseCase{"lenient_trailing_comma", "{a:1,}", {}, {"1 4 0 ={ 2 }", "2 1 4 a=1", "2 6 4 ="}},
        ParseCase{"lenient_truncated_object_closed", R"({"a":1)", {}, {"1 4 0 ={ 1 }", "2 1 4 a=1"}},
        ParseCase{"lenient_truncated_string_closed", R"({"a":["x)", {}, {"1 4 0 ={ 1 }", "2 5 4 a=[ 1 ]", "3 2 5 [0]=x"}},
        ParseCase{"lenient_truncated_escape_paired", R"({"a":"x\)", {}, {"1 4 0 ={ 1 }", R"(2 2 4 a=x\\)"}},
        ParseCase{"lenient_empty_values",
                  R"({"a":,"b":})",
                  {},
                  {"1 4 0 ={ 2 }", "2 6 4 a=", "2 6 4 b="}},
        ParseCase{"lenient_empty_elements",
                  "[1,,2,]",
                  {},
                  {"1 5 0 =[ 4 ]", "2 1 5 [0]=1", "2 6 5 [1]=", "2 1 5 [2]=2", "2 6 5 [3]="}},
        ParseCase{"lenient_unquoted_names", "{a,b:2}", {}, {"1 4 0 ={ 2 }", "2 6 4 a=", "2 1 4 b=2"}},
        ParseCase{"lenient_missing_colon", R"({"a" 1})", {}, {"1 4 0 ={ 1 }", "2 1 4 a=1"}},
        ParseCase{"lenient_line_break_ends_string",
                  "{\"a\":\"x\n,\"b\":2}",
                  {},
                  {"1 4 0 ={ 2 }", "2 2 4 a=x", "2 1 4 b=2"}},
        ParseCase{"lenient_tabs_stored_as_escapes",
                  "{\"a\tb\":\"x\ty\"}",
                  {},
                  {"1 4 0 ={ 1 }", R"(2 2 4 a\tb=x\ty)"}},
        ParseCase{"lenient_wrong_closer_replaced",
                  R"({"a":[1}})",
                  {},
                  {"1 4 0 ={ 1 }", "2 5 4 a=[ 1 ]", "3 1 5 [0]=1"}},
        ParseCase{"lenient_unrecognised_value", R"({"a":abc})", {}, {"1 4 0 ={ 1 }", "2 0 4 a=abc"}},
        ParseCase{"lenient_prefix_skipped", "callback = {\"a\":1}", {}, {"1 4 0 ={ 1 }", "2 1 4 a=1"}},
        // 95 5C is one double-byte character, but its second byte reads as a
        // backslash, so the quote after it does not end the string.
        ParseCase{"double_byte_backslash_escapes_quote",
                  "{\"a\":\"\x95\x5C\",\"b\":1}",
                  {},
                  {"1 4 0 ={ 2 }", "2 2 4 a=\x95\x5C\",", "2 1 4 b=1"}},
        ParseCase{"naming_mode_member_list",
                  R"("a":1,"b":{"c":2})",
                  {.naming = true},
                  {"1 1 4 a=1", "1 4 4 b={ 1 }", "2 1 4 c=2"}},
        ParseCase{"naming_mode_text_with_braces_completes",
                  R"({"a":1)",
                  {.naming = true},
                  {"1 4 0 ={ 1 }", "2 1 4 a=1"}}),
    testing_support::CaseName());

const std::string kOpen = "“";
const std::string kClose = "”";

struct ErrorCase {
  const char* name;
  std::string_view text;
  ParseOptions options;
  std::int32_t code;
  std::int32_t position;
  std::string message;
};

class ParseErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ParseErrorTest, ReportsCodePositionAndMessage) {
  const ErrorCase& c = GetParam();
  JsonDocument document;
  EXPECT_EQ(document.parse_text(c.text, c.options), c.code);
  std::int32_t position = -1;
  Text message;
  EXPECT_EQ(document.last_error({.position = &position, .message = &message}), c.code);
  EXPECT_EQ(position, c.position);
  EXPECT_EQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseErrorTest,
    testing::Values(
        ErrorCase{"after_end_strict", "{}x", {.strict = true}, 1, 3,
                  "JSON代码已经完毕，所有对象括号已匹配完毕，若要重新解析请先初始化。\r\n调用方法:加入json字节集()"},
        ErrorCase{"after_end_lenient_jsonp", R"(xyz({"a":1}))", {}, 1, 12,
                  "JSON代码已经完毕，所有对象括号已匹配完毕，若要重新解析请先初始化。\r\n调用方法:加入json字节集()"},
        ErrorCase{"bad_start", " x{}", {.strict = true}, 2, 2,
                  "JSON代码起始文本应该以大括号“{”或者方括号“[”开头\r\n调用方法:加入json字节集()"},
        ErrorCase{"member_without_comma", R"({"a":"x" "b":2})", {.strict = true}, 11, 10,
                  "对象间的成员需要以逗号“,”隔开。\r\n调用方法:大括号()"},
        ErrorCase{"object_closed_by_bracket", "{]", {.strict = true}, 12, 2,
                  "对象结束符无法匹配，不应该为：],而应该为：}\r\n调用方法:大括号()"},
        ErrorCase{"stray_comma_in_object", "{,}", {.strict = true}, 13, 2,
                  "对象“{ }”内定义了成员但该成员没有给定名称,或者是多给了逗号“,”\r\n调用方法:大括号()"},
        ErrorCase{"unquoted_name", "{a:1}", {.strict = true}, 14, 2,
                  "对象大括号内“{ }”后面仅仅可以出现空字符或者引号“\"”\r\n调用方法:大括号()"},
        ErrorCase{"comma_before_brace", R"({"a":1,})", {.strict = true}, 15, 8,
                  "对象结束时发现多给了逗号：“,”，或者是成员未命名与赋值。\r\n调用方法:大括号()"},
        ErrorCase{"tab_in_name", "{\"a\tb\":1}", {.strict = true}, 21, 4,
                  "成员名中不允许出现换行、回车、制表符(请用 \\r \\n \\t 代替)\r\n调用方法:对象名_获取()"},
        ErrorCase{"missing_colon", R"({"a" 1})", {.strict = true}, 31, 6,
                  "成员值前缺少冒号“:”，成员名后只允许出现冒号。\r\n调用方法:对象值_等待冒号()"},
        ErrorCase{"array_closed_by_brace", "[}", {.strict = true}, 41, 2,
                  "数组结束符无法匹配，不应该为：},而应该为：]\r\n调用方法:方括号()"},
        ErrorCase{"element_without_comma", R"(["a" "b"])", {.strict = true}, 42, 6,
                  "数组成员间缺少逗号分隔\r\n调用方法:方括号()"},
        ErrorCase{"object_element_without_comma", "[{} {}]", {.strict = true}, 42, 5,
                  "数组成员间缺少逗号分隔\r\n调用方法:方括号()"},
        ErrorCase{"empty_element", "[,1]", {.strict = true}, 43, 2,
                  "获取对象值时发现成员结束符“, ”，不允许成员值全空(空类型请赋予“null”)\r\n调用方法:方括号()"},
        ErrorCase{"comma_before_bracket", "[1,]", {.strict = true}, 44, 4,
                  "数组结束时发现多给了逗号：“,”，或者是成员未赋值，注意：不允许成员值全空(空类型请赋予“null”)。\r\n"
                  "调用方法:方括号()"},
        ErrorCase{"empty_value_after_comma", R"({"a":1,"b":,})", {.strict = true}, 51, 12,
                  "获取对象值时发现成员结束符“,”，不允许成员值全空(空类型请赋予“null”)\r\n调用方法:对象值_准备获取()"},
        ErrorCase{"empty_first_value", R"({"a":})", {.strict = true}, 51, 6,
                  "获取对象值时发现成员结束符“}”，不允许成员值全空(空类型请赋予“null”)\r\n调用方法:对象值_准备获取()"},
        ErrorCase{"upper_case_literal", R"({"a":TRUE})", {.strict = true}, 61, 10,
                  "成员值类型无法确定，可能缺少引号或者大小写错误，(注意：逻辑型\\空null类型只接受小写)，错误值：TRUE\r\n"
                  "调用方法:对象值_获取其他()"},
        ErrorCase{"quote_inside_number", R"({"a":1 "b":2})", {.strict = true}, 61, 13,
                  "成员值类型无法确定，可能缺少引号或者大小写错误，(注意：逻辑型\\空null类型只接受小写)，错误值：1\"b\":2\r\n"
                  "调用方法:对象值_获取其他()"},
        ErrorCase{"bracket_after_member_value", R"({"a":1])", {.strict = true}, 62, 7,
                  "对象结束符无法匹配，不应该为：],而应该为：}\r\n调用方法:对象值_获取其他()"},
        ErrorCase{"brace_after_element_value", "[1}", {.strict = true}, 62, 3,
                  "数组结束符无法匹配，不应该为：},而应该为：]\r\n调用方法:对象值_获取其他()"},
        ErrorCase{"tab_in_string", "{\"a\":\"x\ty\"}", {.strict = true}, 71, 8,
                  "文本中不允许包含回车、换行、制表符，应分别用\\r \\n \\t 代替\r\n调用方法:对象值_获取文本()"},
        ErrorCase{"closer_after_member_list", R"("a":1})", {.strict = true, .naming = true}, 81, 6,
                  "JSON顶级节点命名模式下,对象匹配结束后不应该出现字符:“}”\r\n调用方法:取当前节点索引()"}),
    testing_support::CaseName());

TEST(ParseErrorTest, KeepsTheNodesBuiltAndClosesThem) {
  JsonDocument document;
  EXPECT_EQ(document.parse_text(R"({"a":"x" "b":2})", {.strict = true}), 11);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 2 4 a=x"}));
  EXPECT_TRUE(document.is_complete());

  EXPECT_EQ(document.parse_text(R"(xyz({"a":1}))"), 1);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 1 4 a=1"}));
}

TEST(ParseErrorTest, FeedingStopsAtTheFirstError) {
  JsonDocument document;
  EXPECT_EQ(document.feed_text(R"({"a":1,])", {.strict = true}), 12);
  const Lines before = node_lines(document);
  EXPECT_EQ(document.feed_text(R"("b":2})"), 12);
  EXPECT_EQ(node_lines(document), before);
  std::int32_t position = 0;
  document.last_error({.position = &position});
  EXPECT_EQ(position, 8);
}

TEST(ParseErrorTest, CountsLinesAndColumns) {
  JsonDocument document;
  EXPECT_EQ(document.parse_text("{\r\n  \"a\": tru\r\n}", {.strict = true}), 61);
  std::int32_t position = 0;
  std::int32_t line = -1;
  std::int32_t column = -1;
  document.last_error({.position = &position, .line = &line, .column = &column});
  EXPECT_EQ(position, 14);  // the carriage return that ended "tru"
  EXPECT_EQ(line, 1);
  EXPECT_EQ(column, 10);  // carriage returns are not counted
}

TEST(ParseErrorTest, LineIsZeroOnTheFirstLine) {
  JsonDocument document;
  EXPECT_EQ(document.parse_text(R"({"a":TRUE})", {.strict = true}), 61);
  std::int32_t line = -1;
  std::int32_t column = -1;
  document.last_error({.line = &line, .column = &column});
  EXPECT_EQ(line, 0);
  EXPECT_EQ(column, 10);
}

// Feeding a text in pieces must give what one parse of the whole text gives,
// wherever the pieces are cut.
class PiecewiseFeedTest : public testing::TestWithParam<std::pair<std::string_view, bool>> {};

TEST_P(PiecewiseFeedTest, MatchesParsingTheWholeText) {
  const auto [text, strict] = GetParam();
  JsonDocument whole;
  const std::int32_t whole_code = whole.parse_text(text, {.strict = strict});
  std::int32_t whole_position = 0;
  whole.last_error({.position = &whole_position});

  for (std::size_t piece = 1; piece <= 3; ++piece) {
    JsonDocument fed;
    fed.feed_text({}, {.strict = strict});
    for (std::size_t at = 0; at < text.size(); at += piece) {
      fed.feed_text(text.substr(at, piece));
    }
    if (fed.last_error() == 0) {
      fed.close_open();
    }
    std::int32_t position = 0;
    EXPECT_EQ(fed.last_error({.position = &position}), whole_code) << "pieces of " << piece;
    EXPECT_EQ(position, whole_position) << "pieces of " << piece;
    EXPECT_EQ(node_lines(fed), node_lines(whole)) << "pieces of " << piece;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PiecewiseFeedTest,
    testing::Values(std::pair{std::string_view(R"({"name":"va\"lue","list":[1,-2.5e+3,true,null,{"x":"y"}]})"), true},
                    std::pair{std::string_view(R"(junk({a:1,"b":"x\\",c:[1,,2,]}) tail)"), false},
                    std::pair{std::string_view("{\"a\":\"line\nbreak\",\"t\":\"\ttab\",\"u\":TRUE}"), false},
                    std::pair{std::string_view(R"({"a":[1,2}, "b":})"), false},
                    std::pair{std::string_view(R"({"a":[1,2}})"), true}));

TEST(IncrementalFeedTest, CompleteOnlyOnceTheRootCloses) {
  JsonDocument document;
  EXPECT_FALSE(document.is_complete());
  EXPECT_EQ(document.feed_text(R"({"a":[1,)"), 0);
  EXPECT_FALSE(document.is_complete());
  EXPECT_EQ(document.feed_text("2]}"), 0);
  EXPECT_TRUE(document.is_complete());
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 2 ]", "3 1 5 [0]=1", "3 1 5 [1]=2"}));
  EXPECT_EQ(document.feed_text(" \r\n\t"), 0);  // blanks after the end are fine
  EXPECT_EQ(document.feed_text("{"), 1);        // anything else needs a reset
}

TEST(IncrementalFeedTest, BytesAreFedLikeText) {
  JsonDocument document;
  const Text text = R"({"a":"x"})";
  EXPECT_EQ(document.加入json字节集(Bytes(text.begin(), text.end())), 0);
  EXPECT_TRUE(document.is_complete());
  JsonDocument from_bytes;
  EXPECT_EQ(from_bytes.parse_bytes(Bytes(text.begin(), text.end())), 0);
  EXPECT_EQ(node_lines(from_bytes), node_lines(document));
}

TEST(IncrementalFeedTest, StrictModeChangesOnlyWhenGiven) {
  JsonDocument kept;
  kept.feed_text("{", {.strict = true});
  EXPECT_EQ(kept.feed_text("]"), 12);

  JsonDocument replaced;
  replaced.feed_text("{", {.strict = true});
  EXPECT_EQ(replaced.feed_text("]", {.strict = false}), 0);
  EXPECT_TRUE(replaced.is_complete());
}

TEST(IncrementalFeedTest, NamingModeIsTakenBeforeTheFirstNodeOnly) {
  JsonDocument document;
  document.feed_text(R"("a":1,)", {.naming = true});
  document.feed_text(R"("b":2)", {.naming = false});
  document.close_open();
  EXPECT_EQ(node_lines(document), (Lines{"1 1 4 a=1", "1 1 4 b=2"}));
  EXPECT_TRUE(document.is_complete());  // the member list itself stays open

  JsonDocument plain;
  plain.feed_text(R"("a":1,)");
  EXPECT_EQ(plain.node_count(), 0);  // without naming mode a leading quote is skipped
}

TEST(CompletionTest, ReportsWhetherAnythingWasOpen) {
  JsonDocument document;
  EXPECT_FALSE(document.close_open());
  document.feed_text(R"({"a":[{"b":"x)");
  EXPECT_TRUE(document.close_open());
  EXPECT_TRUE(document.is_complete());
  EXPECT_FALSE(document.close_open());
  EXPECT_EQ(node_lines(document),
            (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 1 ]", "3 4 5 [0]={ 1 }", "4 2 4 b=x"}));
}

TEST(CompletionTest, RunsWithStrictModeOff) {
  JsonDocument document;
  // "tru" ended by the completion would be error 61 in strict mode.
  EXPECT_EQ(document.parse_text(R"({"a":[tru)", {.strict = true}), 0);
  EXPECT_TRUE(document.is_complete());
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 1 ]", "3 0 5 [0]=tru"}));

  // ...and strict mode is back afterwards.
  JsonDocument waiting;
  waiting.feed_text(R"({"a":)", {.strict = true});
  waiting.close_open();
  EXPECT_EQ(waiting.feed_text("TRUE}"), 61);
}

TEST(CompletionTest, LeavesAMemberWaitingForItsValueOpen) {
  JsonDocument document;
  EXPECT_EQ(document.parse_text(R"({"a":1,"b":)"), 0);
  EXPECT_FALSE(document.is_complete());
  EXPECT_EQ(document.node_at({.index = 1}).value, "");  // the root keeps its value
  EXPECT_EQ(document.member_text({.path = "a"}), "1");
  EXPECT_TRUE(document.close_open());  // still open
}

TEST(ResetTest, ClearsNodesStateAndError) {
  JsonDocument document;
  document.parse_text("{\n\"a\":TRUE}", {.strict = true, .naming = true});
  ASSERT_NE(document.last_error(), 0);
  document.reset();
  std::int32_t position = -1;
  std::int32_t line = -1;
  std::int32_t column = -1;
  Text message = "x";
  EXPECT_EQ(document.last_error({.position = &position, .message = &message, .line = &line, .column = &column}), 0);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(message, "");
  EXPECT_EQ(line, 0);
  EXPECT_EQ(column, 0);
  EXPECT_EQ(document.node_count(), 0);
  EXPECT_FALSE(document.is_complete());
  // Strict mode went too: what follows parses leniently.
  EXPECT_EQ(document.feed_text("{a:1}"), 0);
  EXPECT_TRUE(document.is_complete());
}

TEST(OpenNodeTest, SwappedOutNodeListIsAnErrorInStrictMode) {
  JsonDocument document;
  document.feed_text(R"({"a":[1)", {.strict = true});
  JsonNodes held;
  EXPECT_EQ(document.取全部节点_交换变量(held), 3);
  EXPECT_EQ(document.feed_text("]"), 82);
  std::int32_t position = 0;
  Text message;
  document.last_error({.position = &position, .message = &message});
  EXPECT_EQ(position, 8);
  EXPECT_EQ(message,
            "严重错误！因为“集_节点索引组[]”数组所记录的的结束符对应的节点超出了类中节点的最大值。\r\n"
            "可能原因：调用了“取全部节点_交换变量()”方法或其他交互变量的方法后没有再次调用该方法进行还原交换的变量所致。 \r\n"
            "调用方法:取当前节点索引()");
  EXPECT_EQ(document.取全部节点_交换变量(held), 0);  // swapped back
  EXPECT_EQ(document.node_count(), 3);
}

TEST(OpenNodeTest, SwappedOutNodeListIsToleratedInLenientMode) {
  JsonDocument document;
  document.feed_text(R"({"a":[1,{"b":"x)");
  JsonNodes held;
  document.取全部节点_交换变量(held);
  EXPECT_EQ(document.feed_text(R"("}]})"), 0);
  document.close_open();
  EXPECT_EQ(document.node_count(), 0);
  EXPECT_EQ(held.size(), 5u);
}

TEST(DeepNestingTest, HundredThousandArraysNeedNoRecursion) {
  constexpr std::size_t kDepth = 100'000;
  const std::string text(kDepth, '[');
  JsonDocument document;
  EXPECT_EQ(document.parse_text(text), 0);
  ASSERT_EQ(document.node_count(), static_cast<std::int32_t>(kDepth));
  EXPECT_TRUE(document.is_complete());
  EXPECT_EQ(document.node_at({.index = 1}).value, "[ 1 ]");
  EXPECT_EQ(document.node_at({.index = static_cast<std::int32_t>(kDepth)}).value, "[ 0 ]");
  EXPECT_EQ(document.node_at({.index = static_cast<std::int32_t>(kDepth)}).depth, static_cast<std::int32_t>(kDepth));

  Text written;
  EXPECT_EQ(document.to_text({}, written), static_cast<std::int32_t>(kDepth));
  EXPECT_EQ(written, text + std::string(kDepth, ']'));

  JsonDocument copy = document.clone();
  EXPECT_EQ(copy.descendant_count({.index = 1}), static_cast<std::int32_t>(kDepth - 1));
  EXPECT_EQ(copy.ancestor({.index = static_cast<std::int32_t>(kDepth)}, {.levels = static_cast<std::int32_t>(kDepth - 1)}), 1);
  EXPECT_EQ(copy.path_of(3), "[0][0]");
  EXPECT_TRUE(copy.delete_node({.index = 2}));
  EXPECT_EQ(node_lines(copy), (Lines{"1 5 0 =[ 0 ]"}));

  JsonDocument strict;
  EXPECT_EQ(strict.parse_text(text + std::string(kDepth, ']'), {.strict = true}), 0);
  EXPECT_EQ(strict.node_count(), static_cast<std::int32_t>(kDepth));
}

TEST(DeepNestingTest, NestedObjectsNeedNoRecursion) {
  constexpr std::size_t kDepth = 100'000;
  std::string text;
  for (std::size_t level = 0; level < kDepth; ++level) {
    text += "{\"a\":";
  }
  text += "1";
  JsonDocument document;
  EXPECT_EQ(document.parse_text(text), 0);
  EXPECT_TRUE(document.is_complete());
  EXPECT_EQ(document.node_count(), static_cast<std::int32_t>(kDepth + 1));
  Text written;
  document.to_text({}, written);
  EXPECT_EQ(written, text + std::string(kDepth, '}'));
}

}  // namespace
}  // namespace toolbox
