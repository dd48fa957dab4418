#include <gtest/gtest.h>

#include "json/json_document.h"
#include "json/json_escape.h"
#include "text/codepage.h"
#include "tests/json/json_test_support.h"
#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using json_testing::node_line;
using json_testing::parsed;
using testing_support::PrintTo;

// Node indexes: 1 root, 2 tags, 3 tagCat, 4 n, 5 [0], 6 [1], 7 list, 8 [0],
// 9 id, 10 [1], 11 id, 12 sub, 13 k, 14 x, 15 x, 16 gender, 17 deep, 18 gender.
constexpr std::string_view kReply =
    R"({"tags":{"tagCat":"a","n":[5,6]},"list":[{"id":1},{"id":2,"sub":{"k":"v"}}],)"
    R"("x":1,"x":2,"gender":"m","deep":{"gender":"f"}})";

TEST(MemberTextTest, ReadsRawOrDecoded) {
  // Member a holds x, backslash, double quote, y.
  JsonDocument document = parsed(R"({"a":"x\"y","n":[1,2]})");
  EXPECT_EQ(document.member_text({.path = "a"}), R"(x\"y)");
  EXPECT_EQ(document.member_text({.path = "a"}, {.decode = true}), R"(x"y)");
  EXPECT_EQ(document.member_text({.path = "n"}), "[ 2 ]");
  EXPECT_EQ(document.member_text({.path = "n"}, {.decode = true}), "2");
  EXPECT_EQ(document.member_text({.path = "n[1]"}), "2");
  EXPECT_EQ(document.member_text({}, {.decode = true}), "2");  // the root, "{ 2 }"
}

// The way the buyer lookup reads its detail reply: UTF-8 turned into GBK,
// a JSONP wrapper, cut off before the end, read raw by one-part paths.
TEST(MemberTextTest, ReadsATruncatedReplyConvertedToGbk) {
  const char8_t* utf8 = u8R"(cb({"nick":"买家","tags":{"tagCat":"云黑名单"},"remark":"<b>注意</b>\n","cut":"x)";
  const Text reply = utf8_to_gbk(reinterpret_cast<const char*>(utf8));
  JsonDocument document;
  EXPECT_EQ(document.parse_text(reply), 0);
  EXPECT_TRUE(document.is_complete());
  EXPECT_EQ(document.member_text({.path = "nick"}), "买家");
  EXPECT_EQ(document.member_text({.path = "tags.tagCat"}), "云黑名单");
  EXPECT_EQ(document.member_text({.path = "tagCat"}), "");
  EXPECT_EQ(document.member_text({.path = "remark"}), "<b>注意</b>\\n");
  EXPECT_EQ(document.member_text({.path = "cut"}), "x");
}

TEST(MemberTextTest, ReportsTypeAndIndex) {
  JsonDocument document = parsed(kReply);
  std::int32_t type = -1;
  std::int32_t index = -1;
  EXPECT_EQ(document.member_text({.path = "list[1].id", .out_index = &index}, {.out_type = &type}), "2");
  EXPECT_EQ(type, json_type::number);
  EXPECT_EQ(index, 11);

  type = -1;
  EXPECT_EQ(document.member_text({.path = "missing", .out_index = &index}, {.out_type = &type}), "");
  EXPECT_EQ(type, -1);  // left alone
  EXPECT_EQ(index, 0);
}

TEST(MemberTextTest, ValidIndexWinsOverPath) {
  JsonDocument document = parsed(kReply);
  EXPECT_EQ(document.member_text({.path = "x", .index = 16}), "m");
  EXPECT_EQ(document.member_text({.path = "gender", .index = 99}), "m");  // invalid index: the path
  EXPECT_EQ(document.member_text({.path = "gender", .index = 0}), "m");
}

TEST(MemberTextTest, DecodesUnicodeEscapesToGbk) {
  JsonDocument document = parsed(R"({"zh":"\u4e2d\u6587","a":"\u0041!","b":TRUE,"u":"\u4E2D"})");
  EXPECT_EQ(document.member_text({.path = "zh"}, {.decode = true}), "中文");
  EXPECT_EQ(document.member_text({.path = "zh"}, {.decode = true}).substr(0, 2), "\xD6\xD0");
  EXPECT_EQ(document.member_text({.path = "a"}, {.decode = true}), "A!");
  EXPECT_EQ(document.member_text({.path = "u"}, {.decode = true}), "中");
  EXPECT_EQ(document.member_text({.path = "b"}, {.decode = true}), "true");
}

TEST(MemberTextTest, DecodingLowersBooleansStoredInCapitals) {
  JsonDocument document = parsed(R"({"b":true})");
  JsonNodes nodes;
  document.取全部节点_交换变量(nodes);
  nodes[1].value = "TRUE";
  document.取全部节点_交换变量(nodes);
  EXPECT_EQ(document.member_text({.path = "b"}), "TRUE");
  EXPECT_EQ(document.member_text({.path = "b"}, {.decode = true}), "true");
}

struct UnescapeCase {
  const char* name;
  std::string_view raw;
  std::string_view text;
};

class UnescapeTest : public testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeTest, TurnsEscapesIntoBytes) {
  EXPECT_EQ(unescape_json_text(GetParam().raw), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnescapeTest,
    testing::Values(UnescapeCase{"double_byte_character", R"(\u4e2d)", "\xD6\xD0"},
                    UnescapeCase{"upper_case_digits", R"(\u4E2D)", "\xD6\xD0"},
                    UnescapeCase{"ascii_character", R"(\u0041)", "A"},
                    UnescapeCase{"control_escapes", R"(a\r\n\t\b\fz)", "a\r\n\t\b\fz"},
                    UnescapeCase{"second_character", R"(\/\\\")", R"(/\")"},
                    UnescapeCase{"unknown_escape_kept", R"(\x\q)", R"(\x\q)"},
                    UnescapeCase{"unicode_without_digits", R"(\uZZ12)", R"(\uZZ12)"},
                    UnescapeCase{"unicode_cut_short", R"(\u12)", R"(\u12)"},
                    UnescapeCase{"bytes_after_short_unicode_read_again", R"(\u12\n)", "\\u12\n"},
                    UnescapeCase{"trailing_backslash", R"(x\)", R"(x\)"},
                    UnescapeCase{"plain_double_byte_text", "\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4"}),
    testing_support::CaseName());

struct PathCase {
  const char* name;
  std::string_view path;
  FindPathOptions options;
  std::int32_t index;
};

class FindPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(FindPathTest, FindsMembersLevelByLevel) {
  const JsonDocument document = parsed(kReply);
  EXPECT_EQ(document.find_path(GetParam().path, GetParam().options), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindPathTest,
    testing::Values(PathCase{"empty_path_is_root", "", {}, 1},
                    PathCase{"direct_member", "tags", {}, 2},
                    PathCase{"nested_member_needs_its_parents", "tagCat", {}, 0},
                    PathCase{"nested_member", "tags.tagCat", {}, 3},
                    PathCase{"element_of_member", "tags.n[1]", {}, 6},
                    PathCase{"member_of_element", "list[1].id", {}, 11},
                    PathCase{"three_levels_below_element", "list[1].sub.k", {}, 13},
                    PathCase{"element_itself", "list[0]", {}, 8},
                    PathCase{"no_reach_into_elements", "list.id", {}, 0},
                    PathCase{"element_out_of_range", "list[2].id", {}, 0},
                    PathCase{"first_of_two_equal_names", "x", {}, 14},
                    PathCase{"one_part_is_a_direct_member", "gender", {}, 16},
                    PathCase{"same_name_deeper", "deep.gender", {}, 18},
                    PathCase{"missing", "nope", {}, 0},
                    PathCase{"past_a_value", "tags.tagCat.more", {}, 0},
                    PathCase{"leading_dot", ".tags", {}, 2},
                    PathCase{"element_of_object_root", "[0]", {}, 0},
                    PathCase{"start_skips_earlier_match", "x", {.start = 15}, 15},
                    PathCase{"start_past_last_match", "x", {.start = 16}, 0},
                    PathCase{"start_beyond_nodes", "tags", {.start = 19}, 0},
                    PathCase{"empty_path_after_start", "", {.start = 2}, 0},
                    PathCase{"restricted_to_element", "id", {.start = 10, .restrict_to_start = true}, 11},
                    PathCase{"restricted_two_levels", "sub.k", {.start = 10, .restrict_to_start = true}, 13},
                    PathCase{"restricted_skips_deeper", "k", {.start = 10, .restrict_to_start = true}, 0},
                    PathCase{"restricted_stays_inside", "x", {.start = 2, .restrict_to_start = true}, 0},
                    PathCase{"restricted_nested_name", "gender", {.start = 17, .restrict_to_start = true}, 18},
                    PathCase{"restricted_empty_path", "", {.start = 10, .restrict_to_start = true}, 10},
                    PathCase{"restricted_from_root", "gender", {.start = 1, .restrict_to_start = true}, 16}),
    testing_support::CaseName());

TEST(FindPathTest, ArrayRootIsAddressedByElementNames) {
  const JsonDocument document = parsed(R"([{"id":7},{"id":8}])");
  EXPECT_EQ(document.find_path("[0]"), 2);
  EXPECT_EQ(document.find_path("[1].id"), 5);
  EXPECT_EQ(document.member_text({.path = "[1].id"}), "8");
}

TEST(FindPathTest, MemberListIsAddressedFromItsFirstLevel) {
  const JsonDocument document = parsed(R"("a":1,"b":{"c":2})", {.naming = true});
  EXPECT_EQ(document.find_path("a"), 1);
  EXPECT_EQ(document.find_path("b.c"), 3);
  EXPECT_EQ(document.path_of(3), "b.c");
  EXPECT_EQ(document.path_of(1), "a");
}

TEST(FindPathTest, EmptyDocumentFindsNothing) {
  const JsonDocument document;
  EXPECT_EQ(document.find_path(""), 0);
  EXPECT_EQ(document.member_text({}), "");
  EXPECT_EQ(document.sibling_position({}), -1);
  EXPECT_EQ(document.sibling_position({.path = "a"}), 0);
  EXPECT_EQ(document.child_count(), 0);
}

TEST(PathOfTest, NamesTheWayDown) {
  const JsonDocument document = parsed(kReply);
  EXPECT_EQ(document.path_of(11), "list[1].id");
  EXPECT_EQ(document.path_of(13), "list[1].sub.k");
  EXPECT_EQ(document.path_of(5), "tags.n[0]");
  EXPECT_EQ(document.path_of(1), "");
  EXPECT_EQ(document.path_of(0), "");
  EXPECT_EQ(document.path_of(19), "");
  EXPECT_EQ(parsed(R"({"list":[{"id":1}]})").path_of(4), "list[0].id");
}

TEST(PathOfTest, FindPathFindsWhatPathOfNames) {
  const JsonDocument document = parsed(R"({"a":{"b":[1,[2,{"c":3}],{"d":[{}]}]},"e":[[]],"f":"g"})");
  for (std::int32_t index = 2; index <= document.node_count(); ++index) {
    EXPECT_EQ(document.find_path(document.path_of(index)), index) << document.path_of(index);
  }
}

TEST(NavigationTest, CountsChildrenAndDescendants) {
  const JsonDocument document = parsed(kReply);
  EXPECT_EQ(document.child_count(), 6);
  EXPECT_EQ(document.child_count({.path = "list"}), 2);
  EXPECT_EQ(document.child_count({.path = "tags.tagCat"}), 0);
  EXPECT_EQ(document.child_count({.path = "nope"}), 1);  // the depth-1 nodes

  EXPECT_EQ(document.descendant_count(), 17);
  EXPECT_EQ(document.descendant_count({.path = "list"}), 6);
  EXPECT_EQ(document.descendant_count({.path = "tags.tagCat"}), 0);
  EXPECT_EQ(document.descendant_count({.path = "nope"}), 0);
  EXPECT_EQ(document.descendant_count({.path = "nope", .index = 99}), 17);
}

TEST(NavigationTest, WalksToAncestorsChildrenAndSiblings) {
  const JsonDocument document = parsed(kReply);
  std::int32_t index = 0;
  EXPECT_EQ(document.ancestor({.path = "list[1].sub.k", .out_index = &index}), 12);
  EXPECT_EQ(index, 13);
  EXPECT_EQ(document.ancestor({.index = 13}, {.levels = 2}), 10);
  EXPECT_EQ(document.ancestor({.index = 13}, {.levels = 3}), 7);
  EXPECT_EQ(document.ancestor({.index = 13}, {.levels = 4}), 1);
  EXPECT_EQ(document.ancestor({.index = 13}, {.levels = 5}), 0);
  EXPECT_EQ(document.ancestor({.index = 13}, {.levels = 0}), 13);
  EXPECT_EQ(document.ancestor({.path = "nope"}), 0);

  EXPECT_EQ(document.child_at({.path = "list"}, 1), 10);
  EXPECT_EQ(document.child_at({}, 5), 17);
  EXPECT_EQ(document.child_at({}, 6), 0);
  EXPECT_EQ(document.child_at({}, -1), 0);

  EXPECT_EQ(document.sibling_position({.index = 15}), 3);
  EXPECT_EQ(document.sibling_position({.path = "deep"}), 5);
  EXPECT_EQ(document.sibling_position({.path = "list[1].sub"}), 1);
  EXPECT_EQ(document.sibling_position({}), 0);
  EXPECT_EQ(document.sibling_position({.path = "nope"}), 0);
}

TEST(NavigationTest, CopiesNodesAndSubtrees) {
  const JsonDocument document = parsed(kReply);
  EXPECT_EQ(node_line(document.node_at({.path = "list[1].sub.k"})), "5 2 4 k=v");
  EXPECT_EQ(document.node_at({.path = "nope"}), JsonNode{});

  JsonNodes nodes{JsonNode{.name = "stale"}};
  EXPECT_EQ(document.subtree_nodes({.path = "list[1]"}, nodes), 4);
  ASSERT_EQ(nodes.size(), 4u);
  EXPECT_EQ(node_line(nodes[0]), "3 4 5 [1]={ 2 }");
  EXPECT_EQ(node_line(nodes[3]), "5 2 4 k=v");
  EXPECT_EQ(document.subtree_nodes({.path = "list[1]"}, nodes, {.include_self = false}), 3);
  EXPECT_EQ(node_line(nodes[0]), "4 1 4 id=2");
  EXPECT_EQ(document.subtree_nodes({.path = "gender"}, nodes), 1);
  EXPECT_EQ(document.subtree_nodes({.path = "nope"}, nodes), 0);
  EXPECT_TRUE(nodes.empty());

  JsonNodes all;
  EXPECT_EQ(document.copy_nodes(all), 18);
  EXPECT_EQ(all.size(), 18u);
  EXPECT_EQ(document.node_count(), 18);
}

TEST(CloneTest, CopiesEverythingIndependently) {
  JsonDocument document = parsed(R"({"a":[1,2],"b":"x"})");
  JsonDocument copy = document.clone();
  EXPECT_TRUE(copy.set_member_text({.path = "b"}, "changed"));
  EXPECT_TRUE(copy.delete_node({.path = "a"}));
  EXPECT_EQ(document.member_text({.path = "b"}), "x");
  EXPECT_EQ(document.node_count(), 5);
  EXPECT_EQ(copy.node_count(), 2);
  EXPECT_TRUE(copy.is_complete());
}

}  // namespace
}  // namespace toolbox
