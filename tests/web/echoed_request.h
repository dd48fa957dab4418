// A request as the stand-in reports it back (its echo replies and its request
// log): the request line, the header lines as received, an empty line, the
// body.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace toolbox::testing_support {

struct EchoedRequest {
  std::string method;
  std::string target;
  std::string version;
  std::vector<std::pair<std::string, std::string>> headers;  // names as the client spelled them
  std::string body;

  // The value of the first header of that name (letter case ignored).
  std::optional<std::string> header(std::string_view name) const;
  // How many headers have that name (letter case ignored).
  int header_count(std::string_view name) const;
  // Whether some header line reads exactly "Name: value".
  bool has_line(std::string_view line) const;
};

// Nothing when `text` has no request line.
std::optional<EchoedRequest> parse_echoed_request(std::string_view text);

}  // namespace toolbox::testing_support
