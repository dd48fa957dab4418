#include "text/text_ops.h"

#include <climits>
#include <cstdlib>

#include "text/gbk.h"

namespace toolbox {
namespace {

char fold_ascii(char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// Does `marker` occur at byte `at` of `text`? `at` is a character boundary.
// Inside a double-byte character of the text both bytes are compared exactly;
// only single-byte characters are folded when `ignore_case` is set.
bool matches_at(std::string_view text, std::size_t at, std::string_view marker, bool ignore_case) {
  if (text.size() - at < marker.size()) {
    return false;
  }
  if (!ignore_case) {
    return text.compare(at, marker.size(), marker) == 0;
  }
  std::size_t k = 0;
  while (k < marker.size()) {
    std::size_t length = gbk::character_length(text, at + k);
    if (length == 2) {
      if (text[at + k] != marker[k] || (k + 1 < marker.size() && text[at + k + 1] != marker[k + 1])) {
        return false;
      }
    } else if (fold_ascii(text[at + k]) != fold_ascii(marker[k])) {
      return false;
    }
    k += length;
  }
  return true;
}

// Calls `visit(offset)` for every character boundary at or after 0-based
// `from` where `marker` may still fit, until `visit` returns true; returns that
// offset or npos.
template <typename Visit>
std::size_t scan_boundaries(std::string_view text, std::size_t from, std::size_t marker_size, Visit visit) {
  for (std::size_t at = 0; at + marker_size <= text.size(); at += gbk::character_length(text, at)) {
    if (at >= from && visit(at)) {
      return at;
    }
  }
  return std::string_view::npos;
}

// 0-based offset of the first occurrence at a boundary at or after `from`.
std::size_t find_offset(std::string_view text, std::string_view marker, std::size_t from, bool ignore_case) {
  if (marker.empty() || from >= text.size()) {
    return std::string_view::npos;
  }
  if (ignore_case) {
    return scan_boundaries(text, from, marker.size(),
                           [&](std::size_t at) { return matches_at(text, at, marker, true); });
  }
  // Exact search: let the library find candidates and keep a boundary cursor
  // that only moves forward, so the whole search stays linear in practice.
  std::size_t boundary = 0;
  std::size_t candidate = text.find(marker, from);
  while (candidate != std::string_view::npos) {
    while (boundary < candidate) {
      boundary += gbk::character_length(text, boundary);
    }
    if (boundary == candidate) {
      return candidate;
    }
    candidate = text.find(marker, candidate + 1);
  }
  return std::string_view::npos;
}

bool is_space_at(std::string_view text, std::size_t at, std::size_t length) {
  return (length == 1 && text[at] == ' ') || (length == 2 && text.substr(at, 2) == gbk::kFullWidthSpace);
}

Text change_ascii_case(std::string_view text, bool upper) {
  Text result(text);
  for (std::size_t at = 0; at < result.size(); at += gbk::character_length(result, at)) {
    char& byte = result[at];
    if (upper && byte >= 'a' && byte <= 'z') {
      byte = static_cast<char>(byte - 'a' + 'A');
    } else if (!upper && byte >= 'A' && byte <= 'Z') {
      byte = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return result;
}

std::size_t start_offset(int start) {
  return start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
}

}  // namespace

int find_text(std::string_view text, std::string_view marker, FindOptions options) {
  std::size_t found = find_offset(text, marker, start_offset(options.start), options.ignore_case);
  return found == std::string_view::npos ? -1 : static_cast<int>(found + 1);
}

int find_last_text(std::string_view text, std::string_view marker, FindLastOptions options) {
  if (marker.empty() || (options.start && *options.start < 1)) {
    return -1;
  }
  std::size_t last_allowed = options.start ? static_cast<std::size_t>(*options.start) - 1 : text.size();
  std::size_t last = std::string_view::npos;
  scan_boundaries(text, 0, marker.size(), [&](std::size_t at) {
    if (at > last_allowed) {
      return true;
    }
    if (matches_at(text, at, marker, options.ignore_case)) {
      last = at;
    }
    return false;
  });
  return last == std::string_view::npos ? -1 : static_cast<int>(last + 1);
}

Text left_text(std::string_view text, int count) {
  if (count <= 0) {
    return {};
  }
  return Text(text.substr(0, static_cast<std::size_t>(count)));
}

Text right_text(std::string_view text, int count) {
  if (count <= 0) {
    return {};
  }
  std::size_t n = std::min(text.size(), static_cast<std::size_t>(count));
  return Text(text.substr(text.size() - n));
}

Text middle_text(std::string_view text, int start, int count) {
  std::size_t from = start_offset(start);
  if (count <= 0 || from >= text.size()) {
    return {};
  }
  return Text(text.substr(from, static_cast<std::size_t>(count)));
}

std::vector<Text> split_text(std::string_view text, std::string_view separator) {
  std::vector<Text> pieces;
  if (text.empty()) {
    return pieces;
  }
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t from = 0;
  for (;;) {
    std::size_t found = find_offset(text, separator, from, false);
    if (found == std::string_view::npos) {
      if (from < text.size()) {
        pieces.emplace_back(text.substr(from));
      }
      return pieces;
    }
    pieces.emplace_back(text.substr(from, found - from));
    from = found + separator.size();
  }
}

Text trim_spaces(std::string_view text) {
  std::size_t first = text.size();
  std::size_t end = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = gbk::character_length(text, at);
    if (!is_space_at(text, at, length)) {
      first = std::min(first, at);
      end = at + length;
    }
    at += length;
  }
  return first < end ? Text(text.substr(first, end - first)) : Text();
}

Text remove_spaces(std::string_view text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = gbk::character_length(text, at);
    if (!is_space_at(text, at, length)) {
      result.append(text.substr(at, length));
    }
    at += length;
  }
  return result;
}

Text replace_text(std::string_view text, std::string_view from, std::string_view to, ReplaceOptions options) {
  if (from.empty()) {
    return Text(text);
  }
  Text result;
  std::size_t copied = 0;
  for (;;) {
    std::size_t found = find_offset(text, from, copied, options.ignore_case);
    if (found == std::string_view::npos) {
      result.append(text.substr(copied));
      return result;
    }
    result.append(text.substr(copied, found - copied));
    result.append(to);
    copied = found + from.size();
  }
}

Text upper_ascii(std::string_view text) {
  return change_ascii_case(text, true);
}

Text lower_ascii(std::string_view text) {
  return change_ascii_case(text, false);
}

int text_to_int(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) {
      value = static_cast<long long>(INT_MAX) + 1;
    }
  }
  value = negative ? -value : value;
  if (value > INT_MAX) {
    return INT_MAX;
  }
  return static_cast<int>(value);
}

double text_to_double(std::string_view text) {
  // atof needs a terminated string; a Text ends at its first zero byte anyway.
  Text terminated(text);
  return std::atof(terminated.c_str());
}

}  // namespace toolbox
