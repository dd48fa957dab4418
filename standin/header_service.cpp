// Response headers chosen by the test:
//   /headers/large?bytes=N  filler lines "X-Filler-NNNN: aaa..." until the
//                           headers hold at least N bytes (default 6000, at
//                           most 2000000), and "Set-Cookie: large=1"
//   /headers/set?header=LINE&header=LINE...
//                           each LINE ("Name: value", percent-encoded) as a
//                           response header
// Both answer with the echo of the request as the body.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "standin/request_text.h"
#include "standin/query_values.h"
#include "standin/services.h"

namespace standin {

void add_header_service(Routes& routes) {
  routes.any("/headers/large", [](const httplib::Request& request, httplib::Response& response) {
    long wanted = request.has_param("bytes") ? std::atol(request.get_param_value("bytes").c_str()) : 6000;
    wanted = std::clamp(wanted, 0L, 2000000L);
    long written = 0;
    for (int line = 1; written < wanted; ++line) {
      char name[32];
      std::snprintf(name, sizeof name, "X-Filler-%04d", line);
      std::string value(1000, 'a');
      response.headers.emplace(name, value);
      written += static_cast<long>(std::string(name).size() + 2 + value.size() + 2);
    }
    response.headers.emplace("Set-Cookie", "large=1; Path=/");
    response.set_content(request_text(request), "application/octet-stream");
  });
  routes.any("/headers/set", [](const httplib::Request& request, httplib::Response& response) {
    for (const std::string& line : query_values(request, "header")) {
      std::size_t colon = line.find(':');
      if (colon == std::string::npos) {
        continue;
      }
      std::size_t value_at = line.find_first_not_of(' ', colon + 1);
      response.headers.emplace(line.substr(0, colon), value_at == std::string::npos ? "" : line.substr(value_at));
    }
    response.set_content(request_text(request), "application/octet-stream");
  });
}

}  // namespace standin
