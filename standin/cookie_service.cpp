// /cookies?set=VALUE&set=VALUE...: one "Set-Cookie: VALUE" line per `set`
// parameter, in order (percent-encode the value: "a%3D1%3B%20Path%3D%2F" sets
// "a=1; Path=/"). A value "name=deleted" deletes, the same value twice repeats
// a cookie. The body echoes the request, so the Cookie header that came in is
// in the same reply.
#include "standin/request_text.h"
#include "standin/query_values.h"
#include "standin/services.h"

namespace standin {

void add_cookie_service(Routes& routes) {
  routes.any("/cookies", [](const httplib::Request& request, httplib::Response& response) {
    for (const std::string& value : query_values(request, "set")) {
      response.headers.emplace("Set-Cookie", value);
    }
    response.set_content(request_text(request), "application/octet-stream");
  });
}

}  // namespace standin
