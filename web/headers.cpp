#include "web/headers.h"

#include "text/text_ops.h"

namespace toolbox {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNameValueSeparator = ": ";

// "content-type" -> "Content-Type": the first letter of every piece between
// dashes. Done in place rather than by splitting at "-", so that a name that
// ends in "-" keeps its last dash.
Text capitalize_name(std::string_view name) {
  Text result(name);
  bool piece_start = true;
  for (char& byte : result) {
    if (piece_start && byte >= 'a' && byte <= 'z') {
      byte = static_cast<char>(byte - 'a' + 'A');
    }
    piece_start = byte == '-';
  }
  return result;
}

}  // namespace

Text capitalize_first(std::string_view text) {
  Text result(text);
  if (!result.empty() && result[0] >= 'a' && result[0] <= 'z') {
    result[0] = static_cast<char>(result[0] - 'a' + 'A');
  }
  return result;
}

Text normalize_request_headers(std::string_view block) {
  Text result;
  for (const Text& line : split_text(block, kLineBreak)) {
    if (find_text(line, kNameValueSeparator) < 0) {
      continue;
    }
    std::vector<Text> parts = split_text(line, kNameValueSeparator);
    // A line that starts with ": " splits into an empty name first.
    Text name = parts.empty() ? Text() : capitalize_name(parts[0]);
    result += name;
    result += kNameValueSeparator;
    if (parts.size() == 2) {
      result += parts[1];
    }
    result += kLineBreak;
  }
  if (!result.empty()) {
    result.resize(result.size() - kLineBreak.size());
  }
  return result;
}

Text header_name(std::string_view line) {
  int colon = find_text(line, ":");
  return colon < 0 ? Text() : trim_spaces(left_text(line, colon - 1));
}

Text header_value(std::string_view line) {
  int colon = find_text(line, ":");
  return colon < 0 ? Text() : trim_spaces(line.substr(static_cast<std::size_t>(colon)));
}

}  // namespace toolbox
