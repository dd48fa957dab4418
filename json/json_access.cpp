// Reading a JsonDocument: addressing, path lookup, navigation, member values.
//
// The tree is implicit in the depths of the flat list: a node's parent is the
// nearest earlier node of smaller depth, and its subtree the run of later
// nodes that are deeper than it. Every walk below is a loop over the list.
#include <algorithm>
#include <climits>

#include "json/json_document.h"
#include "json/json_escape.h"
#include "json/json_tree.h"
#include "text/text_ops.h"

namespace toolbox {

JsonDocument JsonDocument::clone() const {
  return *this;
}

std::int32_t JsonDocument::node_count() const {
  return static_cast<std::int32_t>(nodes_.size());
}

std::int32_t JsonDocument::copy_nodes(JsonNodes& out) const {
  out = nodes_;
  return node_count();
}

std::int32_t JsonDocument::取全部节点_交换变量(JsonNodes& nodes) {
  nodes_.swap(nodes);
  return static_cast<std::int32_t>(nodes.size());
}

std::int32_t JsonDocument::resolve(const JsonAt& at) const {
  std::int32_t index = at.index.value_or(0);
  if (index < 1 || index > node_count()) {
    index = find_path(at.path);
  }
  if (at.out_index) {
    *at.out_index = index;
  }
  return index;
}

JsonNode JsonDocument::node_at(const JsonAt& at) const {
  std::int32_t index = resolve(at);
  return index == 0 ? JsonNode{} : nodes_[static_cast<std::size_t>(index - 1)];
}

std::int32_t JsonDocument::child_count(const JsonAt& at) const {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return static_cast<std::int32_t>(
        std::count_if(nodes_.begin(), nodes_.end(), [](const JsonNode& node) { return node.depth == 1; }));
  }
  return static_cast<std::int32_t>(json_tree::children(nodes_, static_cast<std::size_t>(index - 1)).size());
}

std::int32_t JsonDocument::descendant_count(const JsonAt& at) const {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return at.index.has_value() ? std::max(node_count() - 1, 0) : 0;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  const std::int32_t type = nodes_[offset].type;
  if (type != json_type::object && type != json_type::array) {
    return 0;
  }
  return static_cast<std::int32_t>(json_tree::subtree_end(nodes_, offset) - offset - 1);
}

std::int32_t JsonDocument::subtree_nodes(const JsonAt& at, JsonNodes& out, SubtreeOptions options) const {
  out.clear();
  std::int32_t index = resolve(at);
  if (index == 0) {
    return 0;
  }
  auto offset = static_cast<std::size_t>(index - 1);
  auto first = nodes_.begin() + static_cast<std::ptrdiff_t>(options.include_self ? offset : offset + 1);
  auto end = nodes_.begin() + static_cast<std::ptrdiff_t>(json_tree::subtree_end(nodes_, offset));
  out.assign(first, end);
  return static_cast<std::int32_t>(out.size());
}

Text JsonDocument::member_text(const JsonAt& at, MemberTextOptions options) const {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return {};
  }
  const JsonNode& node = nodes_[static_cast<std::size_t>(index - 1)];
  if (options.out_type) {
    *options.out_type = node.type;
  }
  if (!options.decode) {
    return node.value;
  }
  switch (node.type) {
    case json_type::string:
      return unescape_json_text(node.value);
    case json_type::boolean:
      return lower_ascii(node.value);
    case json_type::object:
    case json_type::array:
      // "{ 3 }" reads as "3".
      return node.value.size() >= 4 ? node.value.substr(2, node.value.size() - 4) : Text{};
    default:
      return node.value;
  }
}

bool JsonDocument::has_top_level_members() const {
  return !nodes_.empty() && nodes_.front().container != json_container::none;
}

std::int32_t JsonDocument::find_path(std::string_view path, FindPathOptions options) const {
  const std::int32_t count = node_count();
  if (count == 0 || options.start > count) {
    return 0;
  }
  const bool relative = options.restrict_to_start && options.start > 1;
  if (path.empty() && options.start <= 1) {
    return 1;
  }
  if (path.empty() && relative) {
    return options.start;  // the empty path from a node is that node
  }
  // "data.list[0].name" -> data, list, [0], name.
  std::vector<Text> parts = split_text(replace_text(path, "[", ".["), ".");
  // A path such as "[2].id" (or ".id") begins with an empty part: it names
  // the first level all the same.
  if (parts.size() > 1 && parts.front().empty()) {
    parts.erase(parts.begin());
  }
  if (parts.empty()) {
    parts.emplace_back();
  }

  // The scan runs over the levels below a base node: the root; the start node
  // for a restricted lookup; or, for a bare member list, a level above the
  // first node that has no node of its own.
  std::size_t first = 1;
  std::size_t end = nodes_.size();
  std::int64_t base_depth = nodes_.front().depth;
  if (relative) {
    auto base = static_cast<std::size_t>(options.start - 1);
    first = base + 1;
    end = json_tree::subtree_end(nodes_, base);
    base_depth = nodes_[base].depth;
  } else if (has_top_level_members()) {
    first = 0;
    base_depth = nodes_.front().depth - 1;
  }

  std::int64_t k = 1;  // the part being matched, from 1
  const auto last = static_cast<std::int64_t>(parts.size());
  std::size_t at = first;
  while (at < end) {
    const std::int64_t level = nodes_[at].depth - base_depth;
    if (level < 1) {
      break;  // the scan has left the base's subtree
    }
    if (level > k) {
      ++at;  // below a part not matched yet
      continue;
    }
    if (level < k) {
      k = level;  // left the subtree of the earlier parts: look at this node again
      continue;
    }
    if (nodes_[at].name != parts[static_cast<std::size_t>(k - 1)]) {
      ++at;
      continue;
    }
    if (k == last) {
      if (static_cast<std::int64_t>(at) + 1 >= options.start) {
        return static_cast<std::int32_t>(at + 1);
      }
      ++at;
      continue;
    }
    ++k;
    ++at;
  }
  return 0;
}

std::int32_t JsonDocument::parent_of(std::int32_t index) const {
  if (index < 1 || index > node_count()) {
    return 0;
  }
  return json_tree::parent(nodes_, static_cast<std::size_t>(index - 1));
}

std::int32_t JsonDocument::ancestor(const JsonAt& at, AncestorOptions options) const {
  std::int32_t index = resolve(at);
  if (index == 0 || options.levels < 0) {
    return 0;
  }
  for (std::int32_t level = 0; level < options.levels && index != 0; ++level) {
    index = parent_of(index);
  }
  return index;
}

std::int32_t JsonDocument::child_at(const JsonAt& at, std::int32_t position) const {
  std::int32_t index = resolve(at);
  if (index == 0 || position < 0) {
    return 0;
  }
  std::vector<std::size_t> children = json_tree::children(nodes_, static_cast<std::size_t>(index - 1));
  if (static_cast<std::size_t>(position) >= children.size()) {
    return 0;
  }
  return static_cast<std::int32_t>(children[static_cast<std::size_t>(position)] + 1);
}

std::int32_t JsonDocument::sibling_position(const JsonAt& at) const {
  std::int32_t index = resolve(at);
  if (index == 0) {
    return at.path.empty() ? -1 : 0;
  }
  // Earlier siblings are the earlier nodes with the same parent.
  const std::int32_t parent = parent_of(index);
  std::int32_t position = 0;
  std::int32_t lowest = INT32_MAX;
  for (std::int32_t k = parent + 1; k < index; ++k) {
    const std::int32_t depth = nodes_[static_cast<std::size_t>(k - 1)].depth;
    if (depth <= lowest) {
      ++position;
      lowest = depth;
    }
  }
  return position;
}

Text JsonDocument::path_of(std::int32_t index) const {
  if (index < 1 || index > node_count()) {
    return {};
  }
  // The chain of names from the top level down; the root has no name.
  const bool rooted = !has_top_level_members();
  std::vector<std::int32_t> chain;
  for (std::int32_t at = index; at != 0 && !(rooted && at == 1); at = parent_of(at)) {
    chain.push_back(at);
  }
  Text path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const JsonNode& node = nodes_[static_cast<std::size_t>(*it - 1)];
    // Members join with ".", elements follow their array directly.
    if (!path.empty() && node.container != json_container::array) {
      path += '.';
    }
    path += node.name;
  }
  return path;
}

}  // namespace toolbox
