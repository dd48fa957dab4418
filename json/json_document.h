// JsonDocument: the program's own JSON reader and node store.
//
// A document is a flat list of JsonNode records in document order. The parser
// is a byte-driven pushdown automaton with seven states, one handler each; it
// never decodes multibyte characters and keeps names and string values as
// written, escapes included (decoding happens on reading). Lenient mode, the
// default, repairs what it can; strict mode stops at the first fault with a
// numbered message. Nothing here recurses on the nesting depth of the input.
//
// Nodes are numbered from 1 in list order; 0 means "none" everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "json/json_node.h"
#include "text/text.h"

namespace toolbox {

// The node an operation works on: a valid `index` (1 to node_count) is used
// as it is, otherwise `path` is looked up (see find_path). `out_index`
// receives the index that was used, 0 when nothing was found.
struct JsonAt {
  std::string_view path = {};
  std::optional<std::int32_t> index = std::nullopt;
  std::int32_t* out_index = nullptr;
};

struct SubtreeOptions {
  bool include_self = true;
};

struct ErrorDetails {
  std::int32_t* position = nullptr;  // 1-based byte position of the offending byte
  Text* message = nullptr;
  std::int32_t* line = nullptr;  // current line (from 0) and column
  std::int32_t* column = nullptr;
};

struct MemberTextOptions {
  std::int32_t* out_type = nullptr;  // left alone when no node is found
  bool decode = false;
};

struct SetMemberTextOptions {
  std::optional<std::int32_t> type = std::nullopt;  // 1 number, 2 string, 3 boolean; unset: detected
  std::int32_t escape_mode = 1;                     // bits of json_escape (json/json_escape.h)
};

struct FindPathOptions {
  std::int32_t start = 0;  // the result is the first match at or after this index
  // The path is read from the node `start` instead of from the root, and only
  // its subtree is searched.
  bool restrict_to_start = false;
};

struct AncestorOptions {
  std::int32_t levels = 1;
};

struct ToTextOptions {
  bool pretty = false;  // one child per line, tab indents, CR LF line breaks
};

struct InsertMemberOptions {
  std::optional<std::int32_t> position = std::nullopt;  // 0-based among the children; unset: at the end
  std::optional<std::int32_t> type = std::nullopt;      // as for set_member_text
  std::int32_t escape_mode = 1;
};

struct ParseOptions {
  bool strict = false;
  bool naming = false;  // the text is a list of members without enclosing braces
};

struct FeedOptions {
  std::optional<bool> strict = std::nullopt;  // replaces the mode only when given
  bool naming = false;                        // taken only while the document has no node
};

class JsonDocument {
 public:
  JsonDocument() = default;
  ~JsonDocument() = default;
  JsonDocument(const JsonDocument&) = default;
  JsonDocument& operator=(const JsonDocument&) = default;
  JsonDocument(JsonDocument&&) noexcept = default;
  JsonDocument& operator=(JsonDocument&&) noexcept = default;

  // A deep copy: nodes, parser state and error record.
  JsonDocument clone() const;

  std::int32_t node_count() const;
  // Replaces `out` by copies of all nodes; returns their number.
  std::int32_t copy_nodes(JsonNodes& out) const;
  // Exchanges the node list with `nodes` and returns how many nodes `nodes`
  // holds now. Calling it again with the same array swaps back.
  std::int32_t 取全部节点_交换变量(JsonNodes& nodes);

  // A copy of the node's record; an empty record when there is none.
  JsonNode node_at(const JsonAt& at = {}) const;
  // Direct children of the node; without a node, the number of depth-1 nodes.
  std::int32_t child_count(const JsonAt& at = {}) const;
  // Nodes below an object or array (0 for other nodes); without a node but
  // with an index given, all nodes but the first.
  std::int32_t descendant_count(const JsonAt& at = {}) const;
  // Copies of the node's descendants, preceded by the node itself when
  // `include_self`; an empty array and 0 when there is no node.
  std::int32_t subtree_nodes(const JsonAt& at, JsonNodes& out, SubtreeOptions options = {}) const;
  // Like subtree_nodes, but the records trade places: the subtree moves into
  // `nodes`, and what `nodes` held takes its place in the document (nothing,
  // for an empty array, which cuts the subtree out).
  std::int32_t take_subtree_nodes(const JsonAt& at, JsonNodes& nodes, SubtreeOptions options = {});

  // The first error (0 when none), with its position, its message and the
  // current line and column.
  std::int32_t last_error(ErrorDetails details = {}) const;

  // The node's value as stored (raw), or decoded: strings unescaped with
  // \u to GBK, booleans in lower case, objects and arrays as their child
  // count. "" when there is no node.
  Text member_text(const JsonAt& at, MemberTextOptions options = {}) const;
  // Replaces the node's value and drops its descendants; the type is given or
  // detected, strings are escaped by `escape_mode`. False when there is no node.
  bool set_member_text(const JsonAt& at, std::string_view text, SetMemberTextOptions options = {});
  // Renames an object member. An array element only takes an index form
  // "[n]", which moves it to position n among its siblings.
  bool rename(const JsonAt& at, std::string_view new_name);

  // The path lookup: names level by level from the root ("data.list[0].name");
  // the first node in document order whose chain of names matches.
  std::int32_t find_path(std::string_view path, FindPathOptions options = {}) const;
  // The nearest earlier node of smaller depth, `levels` times; 0 when there is
  // none; levels 0 gives the node itself.
  std::int32_t ancestor(const JsonAt& at, AncestorOptions options = {}) const;
  // The direct child at 0-based `position`; 0 when there is none.
  std::int32_t child_at(const JsonAt& at, std::int32_t position) const;
  // 0-based position among the siblings; -1 for an empty path that finds
  // nothing, 0 for any other node not found.
  std::int32_t sibling_position(const JsonAt& at) const;

  // Writes the node and its descendants to `out`; returns the number of nodes
  // written, 0 (and an empty text) when there is no node.
  std::int32_t to_text(const JsonAt& at, Text& out, ToTextOptions options = {}) const;

  // Adds a member (objects) or element (arrays) with a value as for
  // set_member_text; returns the new node's index, 0 when nothing was added.
  std::int32_t insert_member(const JsonAt& at, std::string_view name, std::string_view value,
                             InsertMemberOptions options = {});
  // Removes the node and its descendants.
  bool delete_node(const JsonAt& at);
  // Parses `json` strictly, in top-level naming mode, and puts its nodes in
  // place of the node; returns the number of nodes put in, 0 when the text
  // does not parse completely (the document is then unchanged).
  std::int32_t insert_json(const JsonAt& at, std::string_view json);
  // Puts copies of `other`'s nodes in place of the node and its descendants.
  bool insert_document(const JsonAt& at, const JsonDocument& other);
  // Resets `other` and gives it copies of the node and its descendants, the
  // node becoming its root; returns the number of nodes copied.
  std::int32_t extract_subtree(const JsonAt& at, JsonDocument& other) const;
  // The path that finds the node: "data.list[0].name"; empty for the root or
  // an invalid index.
  Text path_of(std::int32_t index) const;

  // Reset, then parse the whole text and close what is still open. Return
  // the error code, 0 for success.
  std::int32_t parse_text(std::string_view text, ParseOptions options = {});
  std::int32_t parse_bytes(const Bytes& bytes, ParseOptions options = {});
  // The incremental entry: feeds more bytes without resetting and without
  // closing anything at the end, so a text can arrive in pieces.
  std::int32_t 加入json字节集(const Bytes& bytes, FeedOptions options = {});
  std::int32_t feed_text(std::string_view text, FeedOptions options = {});
  // True when the document has nodes and nothing is open (in top-level naming
  // mode: only the member list itself).
  bool is_complete() const;
  // Closes whatever is open, as if the closing bytes had arrived; true when
  // anything was open.
  bool close_open();
  void reset();

  // The addressing rule of JsonAt; writes `out_index`.
  std::int32_t resolve(const JsonAt& at) const;

 private:
  // The seven parser states; the top of the state stack handles each byte.
  enum State : std::uint8_t {
    kInObject = 1,    // 大括号: between members
    kInArray = 2,     // 方括号: between elements
    kName = 3,        // 对象名_获取: a member name
    kBeforeColon = 4, // 对象值_等待冒号
    kBeforeValue = 5, // 对象值_准备获取
    kString = 6,      // 对象值_获取文本
    kOther = 7,       // 对象值_获取其他: a number or literal
  };

  // What came last in the open container.
  enum Separator : std::uint8_t {
    kNothing = 0,      // the container or the value just began
    kAfterItem = 1,    // a member or element just ended
    kAfterComma = 2,   // and a comma followed it
  };

  void 大括号(char byte);
  void 方括号(char byte);
  void 对象名_获取(char byte);
  void 对象值_等待冒号(char byte);
  void 对象值_准备获取(char byte);
  void 对象值_获取文本(char byte);
  void 对象值_获取其他(char byte);
  std::int32_t 取当前节点索引();
  void begin_node(State kind);

  // Parser helpers.
  std::int32_t feed(std::string_view bytes, FeedOptions options);
  void hand_to_top(char byte);
  void start_document(char byte);
  // The states that read names and values, whose bytes come in runs.
  static bool takes_runs(std::uint8_t state) { return state == kName || state == kString || state == kOther; }
  std::size_t plain_run(std::string_view rest);
  bool take_comma();
  void close_after_comma_check(bool object, std::int32_t comma_error);
  void close_container(bool object);
  void hand_closer_to(State container);
  void add_empty_item(bool object);
  void finish_string();
  JsonNode* open_node();
  void fail(std::int32_t code, char found = 0, char expected = 0);

  // Tree helpers (see json/json_tree.h for the walks themselves).
  std::int32_t parent_of(std::int32_t index) const;
  bool has_top_level_members() const;
  void refresh_container(std::int32_t index);

  JsonNodes nodes_;
  std::vector<std::int32_t> 集_节点索引组;  // open nodes; the top is what the next closer belongs to
  std::vector<std::uint8_t> states_;
  std::vector<std::int32_t> element_counters_;  // per depth
  std::vector<std::int32_t> member_counters_;   // per depth
  std::int32_t current_depth_ = 0;
  bool escape_pending_ = false;
  Text accumulator_;
  bool unquoted_name_ = false;
  bool strict_ = false;
  std::int64_t position_ = 0;
  std::int64_t line_ = 0;
  std::int64_t column_ = 0;
  std::uint8_t separator_ = kNothing;
  bool naming_ = false;
  std::int32_t error_code_ = 0;
  std::int64_t error_position_ = 0;
  Text error_message_;
};

}  // namespace toolbox
