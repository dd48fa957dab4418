#include <gtest/gtest.h>

#include "json/json_document.h"
#include "tests/json/json_test_support.h"
#include "tests/support/case_name.h"

namespace toolbox {
namespace {

using json_testing::node_lines;
using json_testing::parsed;
using testing_support::PrintTo;

Text written(const JsonDocument& document, const JsonAt& at = {}, ToTextOptions options = {}) {
  Text out;
  document.to_text(at, out, options);
  return out;
}

TEST(ToTextTest, CompactFormHasNoBlanks) {
  const JsonDocument document = parsed(R"( { "a" : 1 , "b" : [ true , null ] } )");
  Text out;
  EXPECT_EQ(document.to_text({}, out), 5);
  EXPECT_EQ(out, R"({"a":1,"b":[true,null]})");
}

TEST(ToTextTest, PrettyFormIndentsWithTabs) {
  const JsonDocument document = parsed(R"({"a":1,"c":[1]})");
  EXPECT_EQ(written(document), R"({"a":1,"c":[1]})");
  EXPECT_EQ(written(document, {}, {.pretty = true}),
            "{\r\n"
            "\t\"a\":\t1,\r\n"
            "\t\"c\":\t\r\n"
            "\t[\r\n"
            "\t\t1\r\n"
            "\t]\r\n"
            "}");
}

TEST(ToTextTest, PrettyFormOfElementsAndEmptyContainers) {
  const JsonDocument document = parsed(R"([{"a":{}},[],"s"])");
  EXPECT_EQ(written(document, {}, {.pretty = true}),
            "[\r\n"
            "\t{\r\n"
            "\t\t\"a\":\t\r\n"
            "\t\t{\r\n"
            "\t\t}\r\n"
            "\t},\r\n"
            "\t[\r\n"
            "\t],\r\n"
            "\t\"s\"\r\n"
            "]");
}

TEST(ToTextTest, WritesValuesByType) {
  // Lenient mode leaves an unrecognised value (type 0) and an empty one (6).
  const JsonDocument document = parsed(R"({"n":-1.5e+3,"s":"a\"b","t":TRUE,"u":abc,"e":,"z":null})");
  EXPECT_EQ(written(document), R"({"n":-1.5e+3,"s":"a\"b","t":true,"u":"abc","e":null,"z":null})");
}

TEST(ToTextTest, SubtreesAndSingleNodes) {
  const JsonDocument document = parsed(R"({"a":{"b":[1,2]},"c":"x"})");
  std::int32_t index = 0;
  Text out;
  EXPECT_EQ(document.to_text({.path = "a", .out_index = &index}, out), 4);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(out, R"("a":{"b":[1,2]})");  // a member keeps its name
  EXPECT_EQ(written(document, {.path = "a.b"}), "\"b\":[1,2]");
  // A single node ends with a line break.
  EXPECT_EQ(written(document, {.path = "c"}), "\"c\":\"x\"\r\n");
  EXPECT_EQ(written(document, {.path = "a.b[1]"}), "2\r\n");
  EXPECT_EQ(written(parsed("{}")), "{}\r\n");

  out = "stale";
  EXPECT_EQ(document.to_text({.path = "nope"}, out), 0);
  EXPECT_EQ(out, "");
}

TEST(ToTextTest, NodesUnderAValueAreNotWritten) {
  JsonDocument document;
  JsonNodes nodes = {JsonNode{.value = "{ 1 }", .depth = 1, .type = json_type::object},
                     JsonNode{.name = "a", .value = "1", .depth = 2, .type = json_type::number,
                              .container = json_container::object},
                     JsonNode{.name = "b", .value = "2", .depth = 3, .type = json_type::number,
                              .container = json_container::object}};
  document.取全部节点_交换变量(nodes);
  Text out;
  // b follows a value, not a container: it is written to the nearest open
  // container so the text stays well formed.
  EXPECT_EQ(document.to_text({}, out), 3);
  EXPECT_EQ(out, R"({"a":1,"b":2})");
  EXPECT_EQ(document.to_text({.path = "a"}, out), 1);
  EXPECT_EQ(out, "\"a\":1\r\n");
}

// Parsing what to_text wrote gives the same node list, in both forms.
class RoundTripTest : public testing::TestWithParam<std::string_view> {};

TEST_P(RoundTripTest, ParseWriteParseKeepsTheNodes) {
  const JsonDocument first = parsed(GetParam());
  for (bool pretty : {false, true}) {
    const Text text = written(first, {}, {.pretty = pretty});
    JsonDocument second;
    EXPECT_EQ(second.parse_text(text, {.strict = true}), 0) << text;
    EXPECT_EQ(node_lines(second), node_lines(first)) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RoundTripTest,
    testing::Values(R"({"a":1,"c":[1]})", R"([10,"x",[],{}])",
                    R"({"name":"\u4e2d\"q\\","list":[{"id":1,"tags":[true,false,null]},{"id":-2.5E+3}],"e":{}})",
                    "{\"zh\":\"中文\",\"gbk5c\":\"\x95\x5C\x5C\"}", R"([[[[1]]],[[2,[3]]]])",
                    R"(prefix({a:1,b:[1,2],c:TRUE}))"));

}  // namespace
}  // namespace toolbox
