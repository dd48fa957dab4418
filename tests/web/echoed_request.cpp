#include "tests/web/echoed_request.h"

#include <algorithm>
#include <cctype>

namespace toolbox::testing_support {
namespace {

bool same_letters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::optional<std::string> EchoedRequest::header(std::string_view name) const {
  for (const auto& [header_name, value] : headers) {
    if (same_letters(header_name, name)) {
      return value;
    }
  }
  return std::nullopt;
}

int EchoedRequest::header_count(std::string_view name) const {
  return static_cast<int>(std::count_if(headers.begin(), headers.end(),
                                        [&](const auto& header) { return same_letters(header.first, name); }));
}

bool EchoedRequest::has_line(std::string_view line) const {
  return std::any_of(headers.begin(), headers.end(),
                     [&](const auto& header) { return header.first + ": " + header.second == line; });
}

std::optional<EchoedRequest> parse_echoed_request(std::string_view text) {
  std::size_t head_end = text.find("\r\n\r\n");
  if (head_end == std::string_view::npos) {
    return std::nullopt;
  }
  EchoedRequest request;
  request.body = std::string(text.substr(head_end + 4));
  std::string_view head = text.substr(0, head_end + 2);
  std::size_t line_end = head.find("\r\n");
  std::string_view request_line = head.substr(0, line_end);
  std::size_t first_space = request_line.find(' ');
  std::size_t last_space = request_line.rfind(' ');
  if (first_space == std::string_view::npos || last_space == first_space) {
    return std::nullopt;
  }
  request.method = std::string(request_line.substr(0, first_space));
  request.target = std::string(request_line.substr(first_space + 1, last_space - first_space - 1));
  request.version = std::string(request_line.substr(last_space + 1));
  for (std::size_t at = line_end + 2; at < head.size();) {
    std::size_t end = head.find("\r\n", at);
    std::string_view line = head.substr(at, end - at);
    std::size_t colon = line.find(": ");
    if (colon != std::string_view::npos) {
      request.headers.emplace_back(std::string(line.substr(0, colon)), std::string(line.substr(colon + 2)));
    } else if (!line.empty() && line.back() == ':') {
      request.headers.emplace_back(std::string(line.substr(0, line.size() - 1)), std::string());
    }
    at = end + 2;
  }
  return request;
}

}  // namespace toolbox::testing_support
