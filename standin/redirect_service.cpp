// /redirect?to=TARGET&status=CODE: answers CODE (default 302) with
// "Location: TARGET" (default "/echo?redirected") and a short body; each
// `set` parameter adds a Set-Cookie line, as on /cookies.
#include <cstdlib>

#include "standin/query_values.h"
#include "standin/services.h"

namespace standin {

void add_redirect_service(Routes& routes) {
  routes.any("/redirect", [](const httplib::Request& request, httplib::Response& response) {
    int status = request.has_param("status") ? std::atoi(request.get_param_value("status").c_str()) : 302;
    std::string target = request.has_param("to") ? request.get_param_value("to") : "/echo?redirected";
    response.status = status >= 300 && status <= 399 ? status : 302;
    response.set_header("Location", target);
    for (const std::string& value : query_values(request, "set")) {
      response.headers.emplace("Set-Cookie", value);
    }
    response.set_content("redirected to " + target, "application/octet-stream");
  });
}

}  // namespace standin
