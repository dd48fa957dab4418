#include "json/json_tree.h"

#include <climits>

namespace toolbox::json_tree {

std::size_t subtree_end(const JsonNodes& nodes, std::size_t at) {
  const std::int32_t depth = nodes[at].depth;
  std::size_t end = at + 1;
  while (end < nodes.size() && nodes[end].depth > depth) {
    ++end;
  }
  return end;
}

std::int32_t parent(const JsonNodes& nodes, std::size_t at) {
  const std::int32_t depth = nodes[at].depth;
  for (std::size_t k = at; k > 0; --k) {
    if (nodes[k - 1].depth < depth) {
      return static_cast<std::int32_t>(k);
    }
  }
  return 0;
}

std::vector<std::size_t> children(const JsonNodes& nodes, std::size_t at) {
  std::vector<std::size_t> found;
  const std::size_t end = subtree_end(nodes, at);
  // A node is a child when nothing between it and `at` is shallower.
  std::int32_t lowest = INT32_MAX;
  for (std::size_t k = at + 1; k < end; ++k) {
    if (nodes[k].depth <= lowest) {
      found.push_back(k);
      lowest = nodes[k].depth;
    }
  }
  return found;
}

}  // namespace toolbox::json_tree
