#include <gtest/gtest.h>

#include "json/json_document.h"
#include "tests/json/json_test_support.h"
#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using json_testing::node_line;
using json_testing::node_lines;
using json_testing::parsed;
using testing_support::PrintTo;
using Lines = std::vector<std::string>;

struct SetCase {
  const char* name;
  std::string_view path;
  std::string_view text;
  SetMemberTextOptions options;
  std::string node;
};

class SetMemberTextTest : public testing::TestWithParam<SetCase> {};

TEST_P(SetMemberTextTest, StoresTypeAndValue) {
  const SetCase& c = GetParam();
  JsonDocument document = parsed(R"({"n":5,"s":"text","z":null})");
  std::int32_t index = 0;
  EXPECT_TRUE(document.set_member_text({.path = c.path, .out_index = &index}, c.text, c.options));
  EXPECT_EQ(node_line(document.node_at({.index = index})), c.node);
  EXPECT_EQ(document.node_count(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetMemberTextTest,
    testing::Values(
        SetCase{"number_detected_without_spaces", "z", " 1 2 ", {}, "2 1 4 z=12"},
        SetCase{"boolean_detected_in_lower_case", "z", " TRUE ", {}, "2 3 4 z=true"},
        SetCase{"other_text_is_a_string", "n", "abc", {}, "2 2 4 n=abc"},
        SetCase{"empty_text_is_a_string", "n", "", {}, "2 2 4 n="},
        SetCase{"string_stays_a_string", "s", "12", {}, "2 2 4 s=12"},
        SetCase{"given_string", "n", "12", {.type = json_type::string}, "2 2 4 n=12"},
        SetCase{"given_number_normalised", "s", " 3.5 ", {.type = json_type::number}, "2 1 4 s=3.5"},
        SetCase{"given_boolean_normalised", "s", "FALSE", {.type = json_type::boolean}, "2 3 4 s=false"},
        SetCase{"type_above_three_is_unset", "z", "7", {.type = json_type::null}, "2 1 4 z=7"},
        SetCase{"basic_escapes", "s", "a\"b\\c\r\n\t\b\f/", {}, R"(2 2 4 s=a\"b\\c\r\n\t\b\f/)"},
        SetCase{"slash_escaped", "s", "a/b\"", {.escape_mode = 5}, R"(2 2 4 s=a\/b\")"},
        SetCase{"double_byte_as_unicode", "s", "中A\"", {.escape_mode = 2}, R"(2 2 4 s=\u4E2DA\")"},
        SetCase{"unicode_and_slash", "s", "文/", {.escape_mode = 6}, R"(2 2 4 s=\u6587\/)"},
        SetCase{"mode_zero_stores_the_text", "s", R"(a\"b)", {.escape_mode = 0}, R"(2 2 4 s=a\"b)"}),
    testing_support::CaseName());

TEST(SetMemberTextTest, ReplacesAContainerByAValue) {
  JsonDocument document = parsed(R"({"o":{"x":[1,2]},"y":1})");
  EXPECT_TRUE(document.set_member_text({.path = "o"}, "7"));
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 2 }", "2 1 4 o=7", "2 1 4 y=1"}));
  EXPECT_FALSE(document.set_member_text({.path = "nope"}, "1"));
}

// Whatever a string holds, writing it, serialising, parsing and reading it
// decoded gives it back, in every escape mode.
class ValueRoundTripTest : public testing::TestWithParam<std::int32_t> {};

TEST_P(ValueRoundTripTest, WrittenStringsReadBack) {
  const std::vector<Text> values = {"quote\" back\\slash", "line\r\nbreak\ttab\b\f", "\x95\x5C", "\x95\x5C\"}",
                                    "中文/x", "", "\\u4e2d"};
  for (const Text& value : values) {
    JsonDocument document = parsed(R"({"s":"","t":1})");
    ASSERT_TRUE(document.set_member_text({.path = "s"}, value, {.escape_mode = GetParam()}));
    Text json;
    document.to_text({}, json);
    JsonDocument reread;
    ASSERT_EQ(reread.parse_text(json, {.strict = true}), 0) << json;
    EXPECT_EQ(reread.member_text({.path = "s"}, {.decode = true}), value) << json;
    EXPECT_EQ(reread.member_text({.path = "t"}), "1") << json;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, ValueRoundTripTest, testing::Values(1, 3, 5, 7));

TEST(RenameTest, RenamesMembers) {
  JsonDocument document = parsed(R"({"a":1,"b":2})");
  EXPECT_TRUE(document.rename({.path = "b"}, "c"));
  EXPECT_EQ(document.find_path("c"), 3);
  EXPECT_FALSE(document.rename({.path = "c"}, "with\"quote"));
  EXPECT_FALSE(document.rename({.path = "c"}, "line\nbreak"));
  EXPECT_EQ(document.find_path("c"), 3);
  EXPECT_FALSE(document.rename({}, "root"));
  EXPECT_FALSE(document.rename({.path = "nope"}, "x"));
}

TEST(RenameTest, IndexFormMovesAnElement) {
  JsonDocument document = parsed(R"([[1],{"a":2},3])");
  EXPECT_TRUE(document.rename({.path = "[1]"}, "[0]"));
  EXPECT_EQ(node_lines(document), (Lines{"1 5 0 =[ 3 ]", "2 4 5 [0]={ 1 }", "3 1 4 a=2", "2 5 5 [1]=[ 1 ]",
                                         "3 1 5 [0]=1", "2 1 5 [2]=3"}));
  EXPECT_TRUE(document.rename({.path = "[0]"}, "[2]"));
  Text json;
  document.to_text({}, json);
  EXPECT_EQ(json, R"([[1],3,{"a":2}])");
  for (std::string_view name : {"x", "[3]", "[-1]", "[]", "[+1]"}) {
    EXPECT_FALSE(document.rename({.path = "[0]"}, name)) << name;
  }
  EXPECT_TRUE(document.rename({.path = "[1]"}, "[1]"));
  document.to_text({}, json);
  EXPECT_EQ(json, R"([[1],3,{"a":2}])");
}

TEST(InsertMemberTest, AddsMembersToObjects) {
  JsonDocument document = parsed(R"({"a":1})");
  EXPECT_EQ(document.insert_member({}, "b", "2"), 3);
  EXPECT_EQ(document.insert_member({}, "z", "text", {.position = 0}), 2);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 3 }", "2 2 4 z=text", "2 1 4 a=1", "2 1 4 b=2"}));
  EXPECT_EQ(document.insert_member({}, "q", "1", {.type = json_type::string}), 5);
  EXPECT_EQ(document.member_text({.path = "q"}), "1");
  EXPECT_EQ(document.node_at({.path = "q"}).type, json_type::string);
  EXPECT_EQ(document.insert_member({}, "bad\"name", "1"), 0);
  EXPECT_EQ(document.insert_member({.path = "a"}, "x", "1"), 0);  // not a container
  EXPECT_EQ(document.insert_member({.path = "nope"}, "x", "1"), 0);
}

TEST(InsertMemberTest, AddsElementsAndRenumbers) {
  JsonDocument document = parsed(R"({"a":[{"x":1},2]})");
  EXPECT_EQ(document.insert_member({.path = "a"}, "ignored", "true", {.position = 0}), 3);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 3 ]", "3 3 5 [0]=true", "3 4 5 [1]={ 1 }",
                                         "4 1 4 x=1", "3 1 5 [2]=2"}));
  EXPECT_EQ(document.insert_member({.path = "a"}, "", "3", {.position = 99}), 7);
  EXPECT_EQ(document.member_text({.path = "a[3]"}), "3");
}

TEST(DeleteNodeTest, RemovesSubtreesAndKeepsCounts) {
  JsonDocument array = parsed(R"([1,[2,3],4])");
  EXPECT_TRUE(array.delete_node({.path = "[1]"}));
  EXPECT_EQ(node_lines(array), (Lines{"1 5 0 =[ 2 ]", "2 1 5 [0]=1", "2 1 5 [1]=4"}));

  JsonDocument object = parsed(R"({"a":{"b":1},"c":2})");
  EXPECT_TRUE(object.delete_node({.path = "a"}));
  EXPECT_EQ(node_lines(object), (Lines{"1 4 0 ={ 1 }", "2 1 4 c=2"}));
  EXPECT_FALSE(object.delete_node({.path = "a"}));
  EXPECT_TRUE(object.delete_node({}));
  EXPECT_EQ(object.node_count(), 0);
}

TEST(InsertJsonTest, ReplacesTheNodeByTheParsedText) {
  JsonDocument document = parsed(R"({"a":1,"b":2})");
  EXPECT_EQ(document.insert_json({.path = "a"}, R"({"x":[1,2]})"), 4);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 2 }", "2 4 4 a={ 1 }", "3 5 4 x=[ 2 ]", "4 1 5 [0]=1",
                                         "4 1 5 [1]=2", "2 1 4 b=2"}));
  EXPECT_EQ(document.member_text({.path = "a.x[1]"}), "2");
}

TEST(InsertJsonTest, ClosesATextThatStopsShortOfItsClosers) {
  JsonDocument document = parsed(R"({"a":1,"b":2})");
  EXPECT_EQ(document.insert_json({.path = "b"}, R"({"x":[1,2)"), 4);
  Text json;
  document.to_text({}, json);
  EXPECT_EQ(json, R"({"a":1,"b":{"x":[1,2]}})");
}

TEST(InsertJsonTest, LeavesTheDocumentAloneOnBadText) {
  JsonDocument document = parsed(R"({"a":1,"b":2})");
  const Lines before = node_lines(document);
  EXPECT_EQ(document.insert_json({.path = "a"}, R"({"x":TRUE})"), 0);
  EXPECT_EQ(document.insert_json({.path = "a"}, R"({"x")"), 0);  // stops short
  EXPECT_EQ(document.insert_json({.path = "a"}, ""), 0);
  EXPECT_EQ(document.insert_json({.path = "nope"}, "[1]"), 0);
  EXPECT_EQ(node_lines(document), before);
}

TEST(InsertJsonTest, MemberListBecomesSiblings) {
  JsonDocument document = parsed("[1,2,3]");
  EXPECT_EQ(document.insert_json({.path = "[1]"}, R"("p":true,"q":{"r":1})"), 3);
  EXPECT_EQ(node_lines(document), (Lines{"1 5 0 =[ 4 ]", "2 1 5 [0]=1", "2 3 5 [1]=true", "2 4 5 [2]={ 1 }",
                                         "3 1 4 r=1", "2 1 5 [3]=3"}));
}

TEST(InsertJsonTest, ReplacingTheRootKeepsARoot) {
  JsonDocument document = parsed(R"({"a":1})");
  EXPECT_EQ(document.insert_json({}, "[5]"), 2);
  EXPECT_EQ(node_lines(document), (Lines{"1 5 0 =[ 1 ]", "2 1 5 [0]=5"}));
}

TEST(InsertDocumentTest, GraftsACopyAndShiftsDepths) {
  JsonDocument document = parsed(R"({"a":{"b":1}})");
  std::int32_t index = 0;
  EXPECT_TRUE(document.insert_document({.path = "a.b", .out_index = &index}, document));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(node_lines(document),
            (Lines{"1 4 0 ={ 1 }", "2 4 4 a={ 1 }", "3 4 4 b={ 1 }", "4 4 4 a={ 1 }", "5 1 4 b=1"}));
  EXPECT_FALSE(document.insert_document({.path = "a"}, JsonDocument{}));
  EXPECT_FALSE(document.insert_document({.path = "nope"}, document));
}

TEST(ExtractSubtreeTest, GivesTheSubtreeItsOwnRoot) {
  const JsonDocument document = parsed(R"({"a":{"b":[1,{"c":2}]}})");
  JsonDocument part = parsed(R"({"old":1})");
  EXPECT_EQ(document.extract_subtree({.path = "a.b"}, part), 4);
  EXPECT_EQ(node_lines(part), (Lines{"1 5 0 =[ 2 ]", "2 1 5 [0]=1", "2 4 5 [1]={ 1 }", "3 1 4 c=2"}));
  EXPECT_TRUE(part.is_complete());
  EXPECT_EQ(part.member_text({.path = "[1].c"}), "2");
  EXPECT_EQ(part.feed_text("x"), 1);

  JsonDocument untouched = parsed(R"({"old":1})");
  EXPECT_EQ(document.extract_subtree({.path = "nope"}, untouched), 0);
  EXPECT_EQ(untouched.member_text({.path = "old"}), "1");

  JsonDocument self = parsed(R"({"a":[1,2]})");
  EXPECT_EQ(self.extract_subtree({.path = "a"}, self), 3);
  EXPECT_EQ(node_lines(self), (Lines{"1 5 0 =[ 2 ]", "2 1 5 [0]=1", "2 1 5 [1]=2"}));
}

TEST(TakeSubtreeNodesTest, RecordsTradePlacesWithTheArray) {
  JsonDocument document = parsed(R"({"a":[1,2],"b":3})");
  JsonNodes held;
  EXPECT_EQ(document.take_subtree_nodes({.path = "a"}, held), 3);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 1 4 b=3"}));
  ASSERT_EQ(held.size(), 3u);
  EXPECT_EQ(node_line(held[0]), "2 5 4 a=[ 2 ]");

  // The held subtree goes in where b was, and b comes out.
  EXPECT_EQ(document.take_subtree_nodes({.path = "b"}, held), 1);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 2 ]", "3 1 5 [0]=1", "3 1 5 [1]=2"}));
  EXPECT_EQ(node_line(held[0]), "2 1 4 b=3");

  JsonNodes children;
  EXPECT_EQ(document.take_subtree_nodes({.path = "a"}, children, {.include_self = false}), 2);
  EXPECT_EQ(node_lines(document), (Lines{"1 4 0 ={ 1 }", "2 5 4 a=[ 0 ]"}));
  EXPECT_EQ(document.take_subtree_nodes({.path = "nope"}, children), 0);
  EXPECT_TRUE(children.empty());
}

TEST(SwapNodesTest, ExchangesTheWholeListBothWays) {
  JsonDocument document = parsed(R"({"a":1})");
  JsonNodes nodes = {JsonNode{.name = "", .value = "{ 1 }", .depth = 1, .type = json_type::object},
                     JsonNode{.name = "k", .value = "v", .depth = 2, .type = json_type::string,
                              .container = json_container::object}};
  EXPECT_EQ(document.取全部节点_交换变量(nodes), 2);
  EXPECT_EQ(document.member_text({.path = "k"}), "v");
  EXPECT_EQ(document.member_text({.path = "a"}), "");
  EXPECT_EQ(node_line(nodes[1]), "2 1 4 a=1");
  EXPECT_EQ(document.取全部节点_交换变量(nodes), 2);
  EXPECT_EQ(document.member_text({.path = "a"}), "1");
}

}  // namespace
}  // namespace toolbox
