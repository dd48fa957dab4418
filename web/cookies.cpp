#include "web/cookies.h"

#include <algorithm>

#include "text/text_ops.h"
#include "web/extract.h"

namespace toolbox {
namespace {

constexpr std::string_view kItemSeparator = "; ";
constexpr std::string_view kDeletedSuffix = "=deleted";

void drop_last(Text& text, std::size_t count) {
  text.resize(text.size() >= count ? text.size() - count : 0);
}

bool is_deletion(std::string_view item) {
  return item.size() >= kDeletedSuffix.size() &&
         item.substr(item.size() - kDeletedSuffix.size()) == kDeletedSuffix;
}

}  // namespace

Text collect_set_cookies(std::string_view response_headers) {
  Text result;
  for (const Text& line : split_text(response_headers, "\r\n")) {
    if (text_before(line, ": ") != "Set-Cookie") {
      continue;
    }
    Text cookie = find_text(line, ";") < 0
                      ? trim_spaces(replace_text(line, "Set-Cookie:", "", {.ignore_case = true}))
                      : trim_spaces(text_between(line, "Set-Cookie:", ";"));
    result += cookie;
    result += kItemSeparator;
  }
  drop_last(result, kItemSeparator.size());
  return result;
}

Text merge_cookies(Text& old, Text& fresh) {
  old = remove_spaces(old);
  fresh = remove_spaces(fresh);
  std::vector<Text> items = split_text(fresh, ";");
  for (Text& item : split_text(old, ";")) {
    if (!has_cookie_named(items, cookie_name(item))) {
      items.push_back(std::move(item));
    }
  }
  Text merged;
  for (const Text& item : items) {
    if (!is_deletion(item)) {
      merged += item;
      merged += kItemSeparator;
    }
  }
  drop_last(merged, kItemSeparator.size());
  old = remove_duplicate_items(merged, kItemSeparator);
  return old;
}

Text cookie_name(std::string_view item) {
  int equals = find_text(item, "=");
  return trim_spaces(equals < 0 ? item : item.substr(0, static_cast<std::size_t>(equals - 1)));
}

bool has_cookie_named(const std::vector<Text>& items, std::string_view name) {
  return std::any_of(items.begin(), items.end(), [&](const Text& item) { return cookie_name(item) == name; });
}

Text remove_duplicate_items(std::string_view text, std::string_view separator) {
  std::vector<Text> kept;
  for (Text& item : split_text(text, separator)) {
    if (std::find(kept.begin(), kept.end(), item) == kept.end()) {
      kept.push_back(std::move(item));
    }
  }
  Text result;
  for (const Text& item : kept) {
    result += item;
    result += separator;
  }
  drop_last(result, separator.size());
  return result;
}

}  // namespace toolbox
