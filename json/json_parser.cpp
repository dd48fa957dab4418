// The parser of JsonDocument: feeding, the seven state handlers, completion.
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <utility>

#include "json/json_document.h"
#include "json/json_errors.h"
#include "json/json_number.h"
#include "text/text_ops.h"

namespace toolbox {
namespace {

bool is_blank(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Grows a per-depth counter array with zeros as deeper levels are reached and
// returns the counter's new value.
std::int32_t count_one(std::vector<std::int32_t>& counters, std::int32_t depth) {
  if (depth < 0) {
    return 0;
  }
  auto at = static_cast<std::size_t>(depth);
  if (counters.size() <= at) {
    counters.resize(at + 1, 0);
  }
  return ++counters[at];
}

// Reads and zeroes a counter; 0 when none exists for that depth.
std::int32_t take_count(std::vector<std::int32_t>& counters, std::int32_t depth) {
  if (depth < 0 || static_cast<std::size_t>(depth) >= counters.size()) {
    return 0;
  }
  return std::exchange(counters[static_cast<std::size_t>(depth)], 0);
}

using ByteSet = std::array<bool, 256>;

constexpr ByteSet byte_set(std::string_view bytes) {
  ByteSet set{};
  for (char byte : bytes) {
    set[static_cast<unsigned char>(byte)] = true;
  }
  return set;
}

// Bytes that end a run of plain bytes in the name and value states; in a
// string the specials need a closer look (an escaped quote does not end it).
constexpr ByteSet kStringSpecials = byte_set("\"\\\r\n\t");
constexpr ByteSet kOtherStops = byte_set(" \t\r\n,]}");
constexpr ByteSet kQuotedNameStops = byte_set("\"\r\n\t");
constexpr ByteSet kUnquotedNameStops = byte_set("\"\r\n\t,]}:");

// Whether lower_ascii could change the text at all: without a byte in A..Z
// it is left as it is.
bool has_capital(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char byte) { return byte >= 'A' && byte <= 'Z'; });
}

// Length of the run at the start of `rest` that holds no byte of `stops`.
std::size_t plain_length(std::string_view rest, const ByteSet& stops) {
  std::size_t length = 0;
  while (length < rest.size() && !stops[static_cast<unsigned char>(rest[length])]) {
    ++length;
  }
  return length;
}

// Bytes outside strings that may begin a node: their number, counted from
// the first bracket on, is close to the node count of an ordinary text and
// lets the node list be sized once instead of growing step by step.
constexpr ByteSet kNodeStarts = byte_set(",:[{");

// Offset of the double quote that ends a string whose bytes begin at `from`
// (byte by byte, as the parser reads it), or the text's size.
std::size_t closing_quote(std::string_view text, std::size_t from) {
  for (;;) {
    const void* found = std::memchr(text.data() + from, '"', text.size() - from);
    if (found == nullptr) {
      return text.size();
    }
    const auto quote = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    std::size_t backslashes = 0;
    while (quote - backslashes > from && text[quote - backslashes - 1] == '\\') {
      ++backslashes;
    }
    if (backslashes % 2 == 0) {
      return quote;
    }
    from = quote + 1;
  }
}

std::size_t estimated_nodes(std::string_view text) {
  std::size_t at = text.find_first_of("{[");
  if (at == std::string_view::npos) {
    return 0;
  }
  std::size_t count = 1;
  while (at < text.size()) {
    const char byte = text[at];
    if (byte == '"') {
      at = closing_quote(text, at + 1) + 1;
      continue;
    }
    count += kNodeStarts[static_cast<unsigned char>(byte)];
    ++at;
  }
  return count;
}

}  // namespace

std::int32_t JsonDocument::parse_text(std::string_view text, ParseOptions options) {
  reset();
  nodes_.reserve(estimated_nodes(text));
  strict_ = options.strict;
  feed(text, {.strict = options.strict, .naming = options.naming});
  if (error_code_ == 0) {
    close_open();  // after an error the feed has closed already
  }
  return error_code_;
}

std::int32_t JsonDocument::parse_bytes(const Bytes& bytes, ParseOptions options) {
  return parse_text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), options);
}

std::int32_t JsonDocument::加入json字节集(const Bytes& bytes, FeedOptions options) {
  return feed(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), options);
}

std::int32_t JsonDocument::feed_text(std::string_view text, FeedOptions options) {
  return feed(text, options);
}

std::int32_t JsonDocument::feed(std::string_view bytes, FeedOptions options) {
  if (options.strict) {
    strict_ = *options.strict;
  }
  if (nodes_.empty()) {
    naming_ = options.naming;
  }
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (error_code_ != 0) {
      close_open();
      return error_code_;
    }
    if (!states_.empty() && takes_runs(states_.back())) {
      if (const std::size_t run = plain_run(std::string_view(bytes.data() + at, bytes.size() - at)); run > 0) {
        accumulator_.append(bytes.data() + at, run);
        column_ += static_cast<std::int64_t>(run);
        position_ += static_cast<std::int64_t>(run);
        at += run;
        continue;
      }
    }
    char byte = bytes[at++];
    if (byte == '\n') {
      ++line_;
      column_ = 0;
    } else if (byte != '\r') {
      ++column_;
    }
    ++position_;
    if (!states_.empty()) {
      hand_to_top(byte);
    } else if (nodes_.empty()) {
      start_document(byte);
    } else if (!is_blank(byte)) {
      fail(json_error::after_end);  // in both modes: parsing again needs a reset
    }
  }
  if (error_code_ != 0) {
    close_open();
  }
  return error_code_;
}

// The bytes at the start of `rest` that the top state would only append,
// taken in one go: the same as handing them over one by one, without the
// cost per byte.
std::size_t JsonDocument::plain_run(std::string_view rest) {
  switch (states_.back()) {
    case kString: {
      // A backslash only toggles the escape; a quote ends the run unless escaped.
      bool escaped = escape_pending_;
      std::size_t length = 0;
      for (; length < rest.size(); ++length) {
        const char byte = rest[length];
        if (!kStringSpecials[static_cast<unsigned char>(byte)]) {
          escaped = false;
        } else if (byte == '\\') {
          escaped = !escaped;
        } else if (byte == '"' && escaped) {
          escaped = false;
        } else {
          break;
        }
      }
      escape_pending_ = escaped;
      return length;
    }
    case kOther: return plain_length(rest, kOtherStops);
    case kName: return plain_length(rest, unquoted_name_ ? kUnquotedNameStops : kQuotedNameStops);
    default: return 0;
  }
}

void JsonDocument::hand_to_top(char byte) {
  switch (states_.back()) {
    case kInObject: 大括号(byte); break;
    case kInArray: 方括号(byte); break;
    case kName: 对象名_获取(byte); break;
    case kBeforeColon: 对象值_等待冒号(byte); break;
    case kBeforeValue: 对象值_准备获取(byte); break;
    case kString: 对象值_获取文本(byte); break;
    case kOther: 对象值_获取其他(byte); break;
    default: break;
  }
}

// The first significant byte of a text.
void JsonDocument::start_document(char byte) {
  if (byte == '{' || byte == '[') {
    // A text that opens with a bracket is not a bare member list, whatever
    // mode was asked for, so it is completed like any other document.
    naming_ = false;
    JsonNode& root = nodes_.emplace_back();
    root.depth = 1;
    root.type = byte == '{' ? json_type::object : json_type::array;
    集_节点索引组 = {1, 1};
    current_depth_ = 2;
    states_.push_back(byte == '{' ? kInObject : kInArray);
    return;
  }
  if (byte == '"' && naming_) {
    states_.push_back(kInObject);
    current_depth_ = 1;
    unquoted_name_ = false;
    begin_node(kName);
    return;
  }
  // Lenient mode skips whatever stands in front (a JSONP prefix, a label).
  if (strict_ && !is_blank(byte)) {
    fail(json_error::bad_start);
  }
}

void JsonDocument::begin_node(State kind) {
  const std::uint8_t below = states_.empty() ? 0 : states_.back();
  JsonNode& node = nodes_.emplace_back();
  if (kind == kInObject) {  // an object starting inside an array
    node.type = json_type::object;
    node.depth = current_depth_++;
    node.value = json_count_text(true, 0);
  }
  if (kind == kName && below == kInObject) {
    count_one(member_counters_, current_depth_);
    node.container = json_container::object;
  }
  if ((kind == kBeforeValue || kind == kInObject) && below == kInArray) {
    // Counted at the element's own depth, which for an object is the depth
    // before it opened: elements of one array share one counter.
    std::int32_t element_depth = node.depth != 0 ? node.depth : current_depth_;
    node.name = json_element_name(count_one(element_counters_, element_depth) - 1);
    node.container = json_container::array;
  }
  if (node.depth == 0) {
    node.depth = current_depth_;
  }
  states_.push_back(kind);
  accumulator_.clear();
  集_节点索引组.push_back(static_cast<std::int32_t>(nodes_.size()));
}

std::int32_t JsonDocument::取当前节点索引() {
  if (集_节点索引组.empty()) {
    if (strict_) {
      fail(json_error::closer_in_naming_mode);
    }
    return 0;
  }
  std::int32_t top = 集_节点索引组.back();
  if (top < 1 || top > node_count()) {
    // The node list was swapped out (取全部节点_交换变量) and not back.
    if (strict_) {
      fail(json_error::open_node_missing);
    }
    return 0;
  }
  return top;
}

JsonNode* JsonDocument::open_node() {
  std::int32_t index = 取当前节点索引();
  return index == 0 ? nullptr : &nodes_[static_cast<std::size_t>(index - 1)];
}

void JsonDocument::fail(std::int32_t code, char found, char expected) {
  if (error_code_ != 0) {
    return;  // the first error is the one reported
  }
  error_code_ = code;
  error_position_ = position_;
  error_message_ = json_error_message(code, {.value = accumulator_, .found = found, .expected = expected});
}

void JsonDocument::大括号(char byte) {
  if (is_blank(byte)) {
    return;
  }
  switch (byte) {
    case '"':
      if (strict_ && separator_ == kAfterItem) {
        return fail(json_error::member_without_comma);
      }
      unquoted_name_ = false;
      begin_node(kName);
      return;
    case ',':
      if (take_comma()) {
        return;
      }
      if (strict_) {
        return fail(json_error::stray_comma_in_object);
      }
      // Lenient: a name read in quoted mode that begins with the comma.
      unquoted_name_ = false;
      begin_node(kName);
      对象名_获取(byte);
      return;
    case '}':
    case ']':
      if (strict_ && byte == ']') {
        return fail(json_error::object_closed_by_bracket);
      }
      close_after_comma_check(true, json_error::comma_before_brace);
      return;
    default:
      if (strict_) {
        return fail(json_error::unexpected_in_object);
      }
      unquoted_name_ = true;
      begin_node(kName);
      对象名_获取(byte);
      return;
  }
}

void JsonDocument::方括号(char byte) {
  if (is_blank(byte)) {
    return;
  }
  switch (byte) {
    case '{':
      // Strict mode wants the comma before an object element as before any other.
      if (strict_ && separator_ == kAfterItem) {
        return fail(json_error::element_without_comma);
      }
      separator_ = kNothing;
      begin_node(kInObject);
      return;
    case ',':
      if (take_comma()) {
        return;
      }
      if (strict_) {
        return fail(json_error::empty_element);
      }
      add_empty_item(false);
      separator_ = kAfterComma;
      return;
    case ']':
    case '}':
      if (strict_ && byte == '}') {
        return fail(json_error::array_closed_by_brace);
      }
      close_after_comma_check(false, json_error::comma_before_bracket);
      return;
    default:  // a value, "[" and a double quote included
      if (strict_ && separator_ == kAfterItem) {
        return fail(json_error::element_without_comma);
      }
      begin_node(kBeforeValue);
      对象值_准备获取(byte);
      return;
  }
}

// A comma right after a member or element separates it from the next one.
bool JsonDocument::take_comma() {
  if (separator_ != kAfterItem) {
    return false;
  }
  separator_ = kAfterComma;
  return true;
}

// A closer after a comma: an error in strict mode; lenient mode puts in the
// empty member or element the comma announced.
void JsonDocument::close_after_comma_check(bool object, std::int32_t comma_error) {
  if (separator_ == kAfterComma) {
    if (strict_) {
      return fail(comma_error);
    }
    add_empty_item(object);
  }
  close_container(object);
}

void JsonDocument::对象名_获取(char byte) {
  if (unquoted_name_ && (byte == ',' || byte == ']' || byte == '}')) {
    // The name ends with no value at all.
    if (JsonNode* node = open_node()) {
      node->name = accumulator_;
    }
    states_.back() = kBeforeValue;
    对象值_准备获取(byte == ']' ? '}' : byte);
    return;
  }
  if (strict_ && (byte == '\t' || byte == '\r' || byte == '\n')) {
    return fail(json_error::control_in_name);
  }
  if (byte == '"' || byte == '\r' || byte == '\n' || (unquoted_name_ && byte == ':')) {
    if (JsonNode* node = open_node()) {
      node->name = accumulator_;
    }
    states_.back() = kBeforeColon;
    return;
  }
  if (byte == '\t') {
    accumulator_ += "\\t";
  } else {
    accumulator_ += byte;
  }
}

void JsonDocument::对象值_等待冒号(char byte) {
  if (byte == ':') {
    states_.back() = kBeforeValue;
    return;
  }
  if (is_blank(byte)) {
    return;
  }
  if (strict_) {
    return fail(json_error::missing_colon);
  }
  states_.back() = kBeforeValue;  // a missing colon is tolerated
  对象值_准备获取(byte);
}

void JsonDocument::对象值_准备获取(char byte) {
  switch (byte) {
    case '[':
    case '{':
      accumulator_.clear();
      if (JsonNode* node = open_node()) {
        node->type = byte == '[' ? json_type::array : json_type::object;
      }
      states_.back() = byte == '[' ? kInArray : kInObject;
      ++current_depth_;
      separator_ = kNothing;
      return;
    case ',':
    case ']':
    case '}': {
      // No value was given. Strict mode rejects that for every member, the
      // first one included, as its message says.
      if (strict_) {
        return fail(json_error::empty_value, byte);
      }
      if (JsonNode* node = open_node()) {
        node->type = json_type::null;
        node->value.clear();
      }
      states_.pop_back();
      集_节点索引组.pop_back();
      if (byte == ',') {
        separator_ = kAfterComma;
        return;
      }
      separator_ = kAfterItem;  // the member is complete; now the container closes
      if (!states_.empty()) {
        hand_closer_to(static_cast<State>(states_.back()));
      }
      separator_ = kAfterItem;
      return;
    }
    case ' ':
    case '\t':
    case '\r':
    case '\n':
      return;
    case '"':
      accumulator_.clear();
      if (JsonNode* node = open_node()) {
        node->type = json_type::string;
      }
      states_.back() = kString;
      separator_ = kNothing;
      escape_pending_ = false;
      return;
    default:
      accumulator_.clear();
      accumulator_ += byte;
      states_.back() = kOther;
      separator_ = kNothing;
      return;
  }
}

void JsonDocument::对象值_获取文本(char byte) {
  if (byte == '"' && !escape_pending_) {
    finish_string();
    return;
  }
  if (byte == '\t' || byte == '\r' || byte == '\n') {
    if (strict_) {
      return fail(json_error::control_in_string);
    }
    if (byte != '\t') {
      finish_string();  // lenient: a line break ends the string
      return;
    }
    accumulator_ += "\\t";
    escape_pending_ = false;
    return;
  }
  accumulator_ += byte;
  // Byte by byte: the second byte of a double-byte character can be 0x5C too.
  escape_pending_ = byte == '\\' ? !escape_pending_ : false;
}

void JsonDocument::finish_string() {
  if (JsonNode* node = open_node()) {
    node->value = accumulator_;
  }
  states_.pop_back();
  集_节点索引组.pop_back();
  separator_ = kAfterItem;
  escape_pending_ = false;  // an escape never reaches into the next string
}

void JsonDocument::对象值_获取其他(char byte) {
  switch (byte) {
    case ' ':
    case '\t':
      return;  // blanks inside a number or literal are dropped
    case '\n':
    case '\r':
    case ',':
    case ']':
    case '}':
      break;
    default:
      accumulator_ += byte;
      return;
  }
  std::int32_t type = json_type::number;
  if (!is_json_number(accumulator_)) {
    if (!strict_ && has_capital(accumulator_)) {
      accumulator_ = lower_ascii(accumulator_);
    }
    if (accumulator_ == "true" || accumulator_ == "false") {
      type = json_type::boolean;
    } else if (accumulator_ == "null") {
      type = json_type::null;
    } else if (strict_) {
      if (JsonNode* node = open_node()) {
        node->type = json_type::unrecognised;
      }
      return fail(json_error::unknown_value);
    } else {
      type = json_type::unrecognised;
    }
  }
  if (JsonNode* node = open_node()) {
    node->type = type;
    node->value = accumulator_;
  }
  const bool closer = byte == ']' || byte == '}';
  const std::uint8_t container = states_.size() >= 2 ? states_[states_.size() - 2] : 0;
  if (closer && (container == kInObject || container == kInArray)) {
    const char expected = container == kInArray ? ']' : '}';
    if (byte != expected && strict_) {
      return fail(json_error::mismatched_closer, byte, expected);
    }
  }
  states_.pop_back();
  集_节点索引组.pop_back();
  if (!closer) {
    separator_ = byte == ',' ? kAfterComma : kAfterItem;
    return;
  }
  separator_ = kAfterItem;
  if (container == kInObject || container == kInArray) {
    hand_closer_to(static_cast<State>(container));  // lenient: the expected closer
  }
  separator_ = kAfterItem;
}

void JsonDocument::hand_closer_to(State container) {
  if (container == kInObject) {
    大括号('}');
  } else if (container == kInArray) {
    方括号(']');
  }
}

void JsonDocument::close_container(bool object) {
  std::int32_t index = 取当前节点索引();
  if (index == 0) {
    return;  // a closer that finds no open node does nothing further
  }
  std::int32_t count = take_count(object ? member_counters_ : element_counters_, current_depth_);
  nodes_[static_cast<std::size_t>(index - 1)].value = json_count_text(object, count);
  --current_depth_;
  states_.pop_back();
  集_节点索引组.pop_back();
  separator_ = kAfterItem;
}

// An empty member (lenient "{a:1,}") or element ("[1,,2]", "[1,]").
void JsonDocument::add_empty_item(bool object) {
  JsonNode& node = nodes_.emplace_back();
  node.depth = current_depth_;
  node.type = json_type::null;
  if (object) {
    count_one(member_counters_, current_depth_);
    node.container = json_container::object;
  } else {
    node.name = json_element_name(count_one(element_counters_, current_depth_) - 1);
    node.container = json_container::array;
  }
}

bool JsonDocument::close_open() {
  const bool was_strict = strict_;
  strict_ = false;
  const bool anything_open = !states_.empty();
  std::size_t rounds = states_.size();
  if (naming_ && rounds > 0) {
    --rounds;  // the member list itself stays open
  }
  for (; rounds > 0 && !states_.empty(); --rounds) {
    switch (states_.back()) {
      case kInObject: 大括号('}'); break;
      case kInArray: 方括号(']'); break;
      case kOther: 对象值_获取其他('\r'); break;
      case kName:
        if (escape_pending_) {
          对象名_获取('\\');
        }
        对象名_获取('"');
        break;
      case kString:
        if (escape_pending_) {
          对象值_获取文本('\\');
        }
        对象值_获取文本('"');
        break;
      case kBeforeColon: 对象值_等待冒号(':'); break;
      case kBeforeValue: 对象值_准备获取('\r'); break;  // ignored: a member without value stays open
      default: break;
    }
  }
  strict_ = was_strict;
  return anything_open;
}

bool JsonDocument::is_complete() const {
  if (nodes_.empty()) {
    return false;
  }
  if (states_.empty()) {
    return true;
  }
  return naming_ && states_.size() == 1 && nodes_.front().container == json_container::object;
}

void JsonDocument::reset() {
  nodes_.clear();
  集_节点索引组.clear();
  states_.clear();
  element_counters_.clear();
  member_counters_.clear();
  accumulator_.clear();
  current_depth_ = 0;
  escape_pending_ = false;
  unquoted_name_ = false;
  strict_ = false;
  position_ = 0;
  line_ = 0;
  column_ = 0;
  separator_ = kNothing;
  naming_ = false;
  error_code_ = 0;
  error_position_ = 0;
  error_message_.clear();
}

std::int32_t JsonDocument::last_error(ErrorDetails details) const {
  auto clamp = [](std::int64_t value) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, INT32_MAX));
  };
  if (details.position) {
    *details.position = clamp(error_position_);
  }
  if (details.message) {
    *details.message = error_message_;
  }
  if (details.line) {
    *details.line = clamp(line_);
  }
  if (details.column) {
    *details.column = clamp(column_);
  }
  return error_code_;
}

}  // namespace toolbox
