// Changing a JsonDocument: values, names, and moving nodes in and out.
//
// After every change the container that gained or lost children gets its
// count text ("{ n }" / "[ n ]") rewritten and, for an array, its elements
// renumbered "[0]", "[1]", ..., so the list reads as if it had been parsed.
#include <algorithm>
#include <charconv>
#include <climits>
#include <iterator>
#include <string>

#include "json/json_document.h"
#include "json/json_escape.h"
#include "json/json_number.h"
#include "json/json_tree.h"
#include "text/text_ops.h"

namespace toolbox {
namespace {

// A name the parser would read back as it is: a double quote, a line break
// or a tab would end or change it.
bool is_storable_name(std::string_view name) {
  return name.find_first_of("\"\r\n\t") == std::string_view::npos;
}

// The n of an index form "[n]", or -1.
std::int32_t index_form(std::string_view name) {
  if (name.size() < 3 || name.front() != '[' || name.back() != ']') {
    return -1;
  }
  std::string_view digits = name.substr(1, name.size() - 2);
  std::int32_t value = -1;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size() || digits.front() == '-' ||
      digits.front() == '+') {
    return -1;
  }
  return value;
}

std::int32_t shifted_depth(std::int64_t depth, std::int64_t shift) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(depth + shift, INT32_MIN, INT32_MAX));
}

using NodeIterator = JsonNodes::iterator;

NodeIterator at_offset(JsonNodes& nodes, std::size_t offset) {
  return nodes.begin() + static_cast<std::ptrdiff_t>(offset);
}

// Puts `incoming` in place of the nodes at offsets [first, end).
void replace_range(JsonNodes& nodes, std::size_t first, std::size_t end, JsonNodes&& incoming) {
  nodes.erase(at_offset(nodes, first), at_offset(nodes, end));
  nodes.insert(at_offset(nodes, first), std::make_move_iterator(incoming.begin()),
               std::make_move_iterator(incoming.end()));
}

}  // namespace

void JsonDocument::refresh_container(std::int32_t index) {
  if (index < 1 || index > node_count()) {
    return;
  }
  JsonNode& container = nodes_[static_cast<std::size_t>(index - 1)];
  const bool object = container.type == json_type::object;
  if (!object && container.type != json_type::array) {
    return;
  }
  std::vector<std::size_t> children = json_tree::children(nodes_, static_cast<std::size_t>(index - 1));
  container.value = json_count_text(object, static_cast<std::int64_t>(children.size()));
  for (std::size_t position = 0; position < children.size(); ++position) {
    JsonNode& child = nodes_[children[position]];
    child.container = object ? json_container::object : json_container::array;
    if (!object) {
      child.name = json_element_name(static_cast<std::int64_t>(position));
    }
  }
}

std::int32_t JsonDocument::take_subtree_nodes(const JsonAt& at, JsonNodes& nodes, SubtreeOptions options) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    nodes.clear();
    return 0;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  const std::size_t first = options.include_self ? offset : offset + 1;
  const std::size_t end = json_tree::subtree_end(nodes_, offset);
  const std::int32_t container = options.include_self ? parent_of(index) : index;
  JsonNodes taken(std::make_move_iterator(at_offset(nodes_, first)), std::make_move_iterator(at_offset(nodes_, end)));
  replace_range(nodes_, first, end, std::move(nodes));
  nodes = std::move(taken);
  refresh_container(container);
  return static_cast<std::int32_t>(nodes.size());
}

bool JsonDocument::set_member_text(const JsonAt& at, std::string_view text, SetMemberTextOptions options) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return false;
  }
  std::optional<std::int32_t> type = options.type;
  if (type && (*type < json_type::number || *type > json_type::boolean)) {
    type.reset();
  }
  auto offset = static_cast<std::size_t>(index - 1);
  nodes_.erase(at_offset(nodes_, offset + 1), at_offset(nodes_, json_tree::subtree_end(nodes_, offset)));
  JsonNode& node = nodes_[offset];

  const Text normalized = lower_ascii(remove_spaces(text));
  if (type) {
    node.type = *type;
  } else if (node.type != json_type::string) {
    if (is_json_number(normalized)) {
      node.type = json_type::number;
    } else if (normalized == "true" || normalized == "false") {
      node.type = json_type::boolean;
    } else {
      node.type = json_type::string;
    }
  }
  if (node.type != json_type::string) {
    // Numbers and booleans, detected or given, are stored normalised, so
    // " TRUE " is written out as true.
    node.value = normalized;
  } else if (options.escape_mode > 0) {
    node.value = escape_json_text(text, options.escape_mode);
  } else {
    node.value = Text(text);  // mode 0: the caller's text is already escaped
  }
  return true;
}

bool JsonDocument::rename(const JsonAt& at, std::string_view new_name) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return false;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  const std::int32_t container = nodes_[offset].container;
  if (container == json_container::object) {
    if (!is_storable_name(new_name)) {
      return false;
    }
    nodes_[offset].name = Text(new_name);
    return true;
  }
  if (container != json_container::array) {
    return false;  // the root has no name
  }
  // An element's name is its position: "[n]" moves it there.
  const std::int32_t target = index_form(new_name);
  const std::int32_t parent = parent_of(index);
  if (target < 0 || parent == 0) {
    return false;
  }
  std::vector<std::size_t> siblings = json_tree::children(nodes_, static_cast<std::size_t>(parent - 1));
  if (static_cast<std::size_t>(target) >= siblings.size()) {
    return false;
  }
  const std::size_t end = json_tree::subtree_end(nodes_, offset);
  siblings.erase(std::find(siblings.begin(), siblings.end(), offset));
  std::size_t insert_at = static_cast<std::size_t>(target) < siblings.size()
                              ? siblings[static_cast<std::size_t>(target)]
                              : json_tree::subtree_end(nodes_, static_cast<std::size_t>(parent - 1));
  if (insert_at > offset) {
    insert_at -= end - offset;
  }
  JsonNodes block(std::make_move_iterator(at_offset(nodes_, offset)), std::make_move_iterator(at_offset(nodes_, end)));
  nodes_.erase(at_offset(nodes_, offset), at_offset(nodes_, end));
  nodes_.insert(at_offset(nodes_, insert_at), std::make_move_iterator(block.begin()),
                std::make_move_iterator(block.end()));
  refresh_container(parent);
  return true;
}

std::int32_t JsonDocument::insert_member(const JsonAt& at, std::string_view name, std::string_view value,
                                         InsertMemberOptions options) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return 0;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  const bool object = nodes_[offset].type == json_type::object;
  if ((!object && nodes_[offset].type != json_type::array) || (object && !is_storable_name(name))) {
    return 0;
  }
  std::vector<std::size_t> children = json_tree::children(nodes_, offset);
  std::size_t position = children.size();
  if (options.position && *options.position >= 0 && static_cast<std::size_t>(*options.position) < children.size()) {
    position = static_cast<std::size_t>(*options.position);
  }
  const std::size_t insert_at = position < children.size() ? children[position] : json_tree::subtree_end(nodes_, offset);

  JsonNode member;
  member.name = object ? Text(name) : json_element_name(static_cast<std::int64_t>(position));
  member.depth = nodes_[offset].depth + 1;
  member.type = json_type::null;
  member.container = object ? json_container::object : json_container::array;
  nodes_.insert(at_offset(nodes_, insert_at), std::move(member));
  const auto inserted = static_cast<std::int32_t>(insert_at + 1);
  set_member_text({.index = inserted}, value, {.type = options.type, .escape_mode = options.escape_mode});
  refresh_container(index);
  return inserted;
}

bool JsonDocument::delete_node(const JsonAt& at) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return false;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  const std::int32_t parent = parent_of(index);
  nodes_.erase(at_offset(nodes_, offset), at_offset(nodes_, json_tree::subtree_end(nodes_, offset)));
  refresh_container(parent);
  return true;
}

std::int32_t JsonDocument::insert_json(const JsonAt& at, std::string_view json) {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return 0;
  }
  JsonDocument part;
  // parse_text has closed what it could; a member still waiting for its value
  // (`{"a":`) stays open, and grafting it would leave stale counts behind, so
  // such a text is refused like one with an error.
  if (part.parse_text(json, {.strict = true, .naming = true}) != 0 || !part.is_complete()) {
    return 0;
  }
  if (!insert_document({.index = index}, part)) {
    return 0;
  }
  return part.node_count();
}

bool JsonDocument::insert_document(const JsonAt& at, const JsonDocument& other) {
  std::int32_t index = resolve(at);
  if (index == 0 || other.nodes_.empty()) {
    return false;
  }
  JsonNodes incoming = other.nodes_;  // a copy first: `other` may be this document
  auto offset = static_cast<std::size_t>(index - 1);
  const JsonNode& replaced = nodes_[offset];
  const std::int32_t top_depth = incoming.front().depth;
  const std::int64_t shift = static_cast<std::int64_t>(replaced.depth) - top_depth;
  for (std::size_t k = 0; k < incoming.size(); ++k) {
    JsonNode& node = incoming[k];
    // Nothing rises above the first node; further top-level nodes (from a
    // member list) become its siblings, of the same container kind.
    if (node.depth <= top_depth) {
      node.depth = top_depth;
      node.container = replaced.container;
    }
    node.depth = shifted_depth(node.depth, shift);
  }
  incoming.front().name = replaced.name;
  const std::int32_t parent = parent_of(index);
  replace_range(nodes_, offset, json_tree::subtree_end(nodes_, offset), std::move(incoming));
  refresh_container(parent);
  return true;
}

std::int32_t JsonDocument::extract_subtree(const JsonAt& at, JsonDocument& other) const {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return 0;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  JsonNodes copy(nodes_.begin() + static_cast<std::ptrdiff_t>(offset),
                 nodes_.begin() + static_cast<std::ptrdiff_t>(json_tree::subtree_end(nodes_, offset)));
  const std::int64_t shift = 1 - static_cast<std::int64_t>(copy.front().depth);
  for (JsonNode& node : copy) {
    node.depth = shifted_depth(node.depth, shift);
  }
  // The node becomes the other document's root, which has no name.
  copy.front().name.clear();
  copy.front().container = json_container::none;
  other.reset();
  other.nodes_ = std::move(copy);
  return other.node_count();
}

}  // namespace toolbox
