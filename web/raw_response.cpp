#include "web/raw_response.h"

#include "text/text_ops.h"

namespace toolbox {

Text status_text_from_headers(std::string_view raw_headers) {
  constexpr std::size_t kStatusAt = 9;  // 0-based: "HTTP/1.1 " is nine bytes
  if (raw_headers.size() <= kStatusAt) {
    return {};
  }
  std::size_t end = raw_headers.find("\r\n", kStatusAt);
  return Text(raw_headers.substr(kStatusAt, end == std::string_view::npos ? end : end - kStatusAt));
}

std::optional<Text> location_in_line(std::string_view line) {
  constexpr std::string_view kName = "location: ";
  if (line.size() < kName.size() || lower_ascii(line.substr(0, kName.size())) != kName) {
    return std::nullopt;
  }
  return Text(line.substr(kName.size()));
}

}  // namespace toolbox
