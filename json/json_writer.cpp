// JsonDocument::to_text: a node and its descendants back to JSON text.
#include <vector>

#include "json/json_document.h"
#include "json/json_tree.h"

namespace toolbox {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Writes one subtree in list order, keeping the open containers on a stack
// of its own instead of recursing.
class JsonWriter {
 public:
  JsonWriter(Text& out, bool pretty) : out_(out), pretty_(pretty) {}

  // The first node of the subtree; a member shows its name.
  void write_top(const JsonNode& node) {
    write_node(node, node.container == json_container::object, 0);
  }

  // A later node: a child of the nearest open container above its depth.
  // False when there is none (nodes below a value that is not a container).
  bool write_next(const JsonNode& node) {
    while (!open_.empty() && open_.back().depth >= node.depth) {
      close_one();
    }
    if (open_.empty()) {
      return false;
    }
    Open& parent = open_.back();
    if (parent.has_children) {
      out_ += ',';
    }
    parent.has_children = true;
    const bool named = parent.object;
    const std::size_t level = open_.size();
    if (pretty_) {
      out_ += kLineBreak;
      indent(level);
    }
    write_node(node, named, level);
    return true;
  }

  void finish() {
    while (!open_.empty()) {
      close_one();
    }
  }

 private:
  struct Open {
    std::int32_t depth;
    bool object;
    bool has_children;
  };

  void write_node(const JsonNode& node, bool named, std::size_t level) {
    if (named) {
      out_ += '"';
      out_ += node.name;
      out_ += "\":";
      if (pretty_) {
        out_ += '\t';
      }
    }
    switch (node.type) {
      case json_type::object:
      case json_type::array: {
        const bool object = node.type == json_type::object;
        if (pretty_ && named) {
          out_ += kLineBreak;  // a member's bracket goes on a line of its own
          indent(level);
        }
        out_ += object ? '{' : '[';
        open_.push_back({node.depth, object, false});
        break;
      }
      case json_type::null:
        out_ += "null";
        break;
      case json_type::boolean:
        for (char byte : node.value) {
          out_ += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
        }
        break;
      case json_type::number:
        out_ += node.value;
        break;
      default:  // strings, and values that were not recognised, as stored
        out_ += '"';
        out_ += node.value;
        out_ += '"';
        break;
    }
  }

  void close_one() {
    const Open closing = open_.back();
    open_.pop_back();
    if (pretty_) {
      out_ += kLineBreak;
      indent(open_.size());
    }
    out_ += closing.object ? '}' : ']';
  }

  void indent(std::size_t level) { out_.append(level, '\t'); }

  Text& out_;
  bool pretty_;
  std::vector<Open> open_;
};

}  // namespace

std::int32_t JsonDocument::to_text(const JsonAt& at, Text& out, ToTextOptions options) const {
  out.clear();
  std::int32_t index = resolve(at);
  if (index == 0) {
    return 0;
  }
  const auto first = static_cast<std::size_t>(index - 1);
  const std::size_t end = json_tree::subtree_end(nodes_, first);
  JsonWriter writer(out, options.pretty);
  writer.write_top(nodes_[first]);
  std::int32_t written = 1;
  for (std::size_t k = first + 1; k < end; ++k) {
    if (writer.write_next(nodes_[k])) {
      ++written;
    }
  }
  writer.finish();
  if (written == 1) {
    out += kLineBreak;
  }
  return written;
}

}  // namespace toolbox
