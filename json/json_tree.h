// The tree walks over a flat node list, all of them loops. A node's parent is
// the nearest earlier node of smaller depth; its subtree is the run of later
// nodes deeper than it; its children are the nodes of its subtree whose parent
// it is. These hold for any list, also one with gaps in its depths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "json/json_node.h"

namespace toolbox::json_tree {

// Offset one past the subtree of the node at offset `at`.
std::size_t subtree_end(const JsonNodes& nodes, std::size_t at);

// 1-based index of the parent of the node at offset `at`, 0 for none.
std::int32_t parent(const JsonNodes& nodes, std::size_t at);

// Offsets of the direct children of the node at offset `at`.
std::vector<std::size_t> children(const JsonNodes& nodes, std::size_t at);

}  // namespace toolbox::json_tree
