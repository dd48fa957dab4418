#include "web/extract.h"

#include "text/text_ops.h"

namespace toolbox {
namespace {

constexpr std::string_view kQuoteToken = "#引号";

}  // namespace

Text text_before(std::string_view text, std::string_view marker, ExtractOptions options) {
  int found = find_text(text, marker, {.start = options.start, .ignore_case = options.ignore_case});
  return found < 0 ? Text() : left_text(text, found - 1);
}

Text text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker,
                  ExtractOptions options) {
  Text left = replace_text(left_marker, kQuoteToken, "\"");
  Text right = replace_text(right_marker, kQuoteToken, "\"");
  int left_at = find_text(text, left, {.start = options.start, .ignore_case = options.ignore_case});
  if (left_at < 0) {
    return {};
  }
  int from = left_at + static_cast<int>(left.size());
  int right_at = find_text(text, right, {.start = from, .ignore_case = options.ignore_case});
  if (right_at < 0) {
    return {};
  }
  return middle_text(text, from, right_at - from);
}

}  // namespace toolbox
