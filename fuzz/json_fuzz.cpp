// libFuzzer target over JsonDocument: parse_bytes in strict and lenient mode,
// then to_text, member_text and a few edits on whatever came out. Besides
// crashes, hangs and sanitizer reports it checks the properties every
// document must keep, and aborts when one is broken:
//   - feeding the bytes in two pieces gives what one parse gives;
//   - every closed object or array states its child count, elements are
//     named [0], [1], ... in order, and depths step down one level at a time;
//   - a strict parse without error reads back from to_text unchanged;
//   - find_path finds what path_of names (for plain names).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "json/json_document.h"

using namespace toolbox;

namespace {

// Aborts with the line of the broken property.
#define require(condition) require_at((condition), __LINE__)

void require_at(bool condition, int line) {
  if (!condition) {
    std::fprintf(stderr, "json_fuzz: property at line %d broken\n", line);
    std::abort();
  }
}

JsonNodes nodes_of(const JsonDocument& document) {
  JsonNodes nodes;
  document.copy_nodes(nodes);
  return nodes;
}

// Names of every element and, once the document is complete, counts of every
// container (one left open keeps the count it started with), in one pass
// with a stack of the open containers (no recursion).
void require_consistent(const JsonDocument& document, bool parsed_from_brackets, bool complete) {
  const JsonNodes nodes = nodes_of(document);
  struct Open {
    std::size_t at;
    std::int64_t children;
  };
  std::vector<Open> open;
  auto close = [&](const Open& container) {
    const JsonNode& node = nodes[container.at];
    if (complete) {
      require(node.value == json_count_text(node.type == json_type::object, container.children));
    }
  };
  for (std::size_t at = 0; at < nodes.size(); ++at) {
    const JsonNode& node = nodes[at];
    if (parsed_from_brackets) {
      require(at == 0 ? node.depth == 1 : node.depth >= 2);
      require(at == 0 || node.depth <= nodes[at - 1].depth + 1);
    }
    while (!open.empty() && nodes[open.back().at].depth >= node.depth) {
      close(open.back());
      open.pop_back();
    }
    if (!open.empty()) {
      const JsonNode& parent = nodes[open.back().at];
      if (parent.type == json_type::array) {
        require(node.name == json_element_name(open.back().children));
        require(node.container == json_container::array);
      } else {
        require(node.container == json_container::object);
      }
      ++open.back().children;
    }
    if (node.type == json_type::object || node.type == json_type::array) {
      open.push_back({at, 0});
    }
  }
  while (!open.empty()) {
    close(open.back());
    open.pop_back();
  }
}

bool is_plain_name(const Text& name) {
  if (name.empty()) {
    return false;
  }
  for (char byte : name) {
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       byte == '_';
    if (!plain) {
      return false;
    }
  }
  return true;
}

void require_paths_found(const JsonDocument& document) {
  const JsonNodes nodes = nodes_of(document);
  const std::int32_t limit = std::min<std::int32_t>(document.node_count(), 128);
  for (std::int32_t index = 2; index <= limit; ++index) {
    bool plain = true;
    // Every name on the way up, the first node's too when it is a member.
    for (std::int32_t at = index; at != 0 && plain; at = document.ancestor({.index = at})) {
      const JsonNode& node = nodes[static_cast<std::size_t>(at - 1)];
      plain = node.container == json_container::array || node.container == json_container::none ||
              is_plain_name(node.name);
    }
    if (!plain) {
      continue;
    }
    const Text path = document.path_of(index);
    const std::int32_t found = document.find_path(path);
    require(found != 0 && found <= index);
    require(document.path_of(found) == path);
  }
}

// Depth times nodes bounds the size of the pretty form.
bool small_enough_for_pretty(const JsonDocument& document) {
  std::int64_t deepest = 0;
  for (const JsonNode& node : nodes_of(document)) {
    deepest = std::max<std::int64_t>(deepest, node.depth);
  }
  return deepest * document.node_count() <= 200'000;
}

void exercise_reads(const JsonDocument& document, const Text& path) {
  Text out;
  document.to_text({}, out);
  if (small_enough_for_pretty(document)) {
    document.to_text({}, out, {.pretty = true});
  }
  std::int32_t type = 0;
  std::int32_t index = 0;
  document.member_text({.path = path, .out_index = &index}, {.out_type = &type});
  document.member_text({.path = path}, {.decode = true});
  for (std::int32_t at = 1; at <= std::min<std::int32_t>(document.node_count(), 64); ++at) {
    document.member_text({.index = at}, {.decode = true});
    document.sibling_position({.index = at});
    document.child_count({.index = at});
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool naming = input.ConsumeBool();
  const std::size_t cut = input.ConsumeIntegral<std::uint16_t>();
  const std::int32_t escape_mode = input.ConsumeIntegralInRange<std::int32_t>(0, 7);
  const Text path = input.ConsumeRandomLengthString(16);
  const Text value = input.ConsumeRandomLengthString(16);
  const Text json = input.ConsumeRemainingBytesAsString();
  const Bytes bytes(json.begin(), json.end());

  for (bool strict : {false, true}) {
    JsonDocument document;
    const std::int32_t code = document.parse_bytes(bytes, {.strict = strict, .naming = naming});
    std::int32_t position = 0;
    require(document.last_error({.position = &position}) == code);
    require((code == 0) == (position == 0));
    require(position >= 0 && static_cast<std::size_t>(position) <= json.size());

    // The same text in two pieces.
    JsonDocument pieces;
    const std::size_t split = std::min(cut, json.size());
    pieces.feed_text(std::string_view(json).substr(0, split), {.strict = strict, .naming = naming});
    pieces.feed_text(std::string_view(json).substr(split), {.naming = naming});
    if (pieces.last_error() == 0) {
      pieces.close_open();
    }
    std::int32_t pieces_position = 0;
    require(pieces.last_error({.position = &pieces_position}) == code);
    require(pieces_position == position);
    require(nodes_of(pieces) == nodes_of(document));

    const bool from_brackets = document.node_count() > 0 && document.node_at({.index = 1}).container == 0;
    require_consistent(document, from_brackets, document.is_complete());
    exercise_reads(document, path);
    require_paths_found(document);

    // The completion step runs leniently, so a strict parse of a text that
    // stops short can still hold an unrecognised or an empty value; those
    // are written as a string and as null and read back as such.
    const JsonNodes parsed_nodes = nodes_of(document);
    const bool plain_values = std::none_of(parsed_nodes.begin(), parsed_nodes.end(), [](const JsonNode& node) {
      return node.type == json_type::unrecognised || (node.type == json_type::null && node.value.empty());
    });
    if (strict && code == 0 && document.is_complete() && from_brackets && plain_values) {
      for (bool pretty : {false, true}) {
        if (pretty && !small_enough_for_pretty(document)) {
          continue;
        }
        Text text;
        document.to_text({}, text, {.pretty = pretty});
        JsonDocument reread;
        require(reread.parse_text(text, {.strict = true}) == 0);
        require(nodes_of(reread) == nodes_of(document));
      }
    }

    // Edits keep the document consistent.
    JsonDocument edited = document.clone();
    edited.set_member_text({.path = path}, value, {.escape_mode = escape_mode});
    edited.insert_member({.index = 1}, "k", value, {.position = static_cast<std::int32_t>(cut % 4)});
    edited.insert_json({.path = path}, value);
    edited.rename({.index = 2}, "[0]");
    edited.delete_node({.index = static_cast<std::int32_t>(cut % 8) + 2});
    require_consistent(edited, false, document.is_complete());
    exercise_reads(edited, path);
    JsonDocument part;
    edited.extract_subtree({.path = path}, part);
    require_consistent(part, false, document.is_complete());
    JsonNodes held;
    edited.take_subtree_nodes({.index = 2}, held);
    require_consistent(edited, false, document.is_complete());
  }
  return 0;
}
