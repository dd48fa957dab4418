// Node lists written as short lines, so tables can state whole documents:
// "depth type container name=value", e.g. "2 1 4 a=1" for member a = 1.
#pragma once

#include <string>
#include <vector>

#include "json/json_document.h"

namespace toolbox::json_testing {

inline std::string node_line(const JsonNode& node) {
  return std::to_string(node.depth) + " " + std::to_string(node.type) + " " + std::to_string(node.container) +
         " " + node.name + "=" + node.value;
}

inline std::vector<std::string> node_lines(const JsonDocument& document) {
  JsonNodes nodes;
  document.copy_nodes(nodes);
  std::vector<std::string> lines;
  for (const JsonNode& node : nodes) {
    lines.push_back(node_line(node));
  }
  return lines;
}

inline JsonDocument parsed(std::string_view text, ParseOptions options = {}) {
  JsonDocument document;
  document.parse_text(text, options);
  return document;
}

}  // namespace toolbox::json_testing
