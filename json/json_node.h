// One record of a parsed JSON document. A document is a flat list of these in
// document order (a pre-order walk of the tree); the tree shape is carried by
// `depth` alone, so nothing in the document ever recurses on nesting.
#pragma once

#include <charconv>
#include <cstdint>
#include <vector>

#include "text/text.h"

namespace toolbox {

// Values of JsonNode::type.
namespace json_type {
inline constexpr std::int32_t unrecognised = 0;
inline constexpr std::int32_t number = 1;
inline constexpr std::int32_t string = 2;
inline constexpr std::int32_t boolean = 3;
inline constexpr std::int32_t object = 4;
inline constexpr std::int32_t array = 5;
inline constexpr std::int32_t null = 6;  // `null`, or a value left empty
}  // namespace json_type

// Values of JsonNode::container: what kind of node holds this one.
namespace json_container {
inline constexpr std::int32_t none = 0;  // the root
inline constexpr std::int32_t object = 4;
inline constexpr std::int32_t array = 5;
}  // namespace json_container

struct JsonNode {
  // The member name as written between its quotes (escapes kept); "[n]" for
  // the element at 0-based position n of an array; empty for the root.
  Text name = {};
  // A string's bytes between the quotes (escapes kept), a number's or
  // literal's text, or "{ n }" / "[ n ]" with the number of children.
  Text value = {};
  std::int32_t depth = 0;  // 1 for the root, one more per level
  std::int32_t type = json_type::unrecognised;
  std::int32_t container = json_container::none;

  friend bool operator==(const JsonNode&, const JsonNode&) = default;
};

using JsonNodes = std::vector<JsonNode>;

// "[n]", the name of the element at 0-based position n.
inline Text json_element_name(std::int64_t position) {
  char name[24] = "[";
  char* end = std::to_chars(name + 1, name + sizeof name - 1, position).ptr;
  *end++ = ']';
  return Text(name, end);
}

// "{ n }" or "[ n ]", the value of an object or array with n children.
inline Text json_count_text(bool object, std::int64_t count) {
  char text[32] = {object ? '{' : '[', ' '};
  char* end = std::to_chars(text + 2, text + sizeof text - 2, count).ptr;
  *end++ = ' ';
  *end++ = object ? '}' : ']';
  return Text(text, end);
}

}  // namespace toolbox
