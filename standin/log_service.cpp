// /_log?find=TEXT[&method=VERB][&at_least=N][&wait_ms=M]: the most recent
// request whose target contains TEXT (and whose verb is VERB, when given), in
// the form of standin/request_text.h. It waits up to
// M milliseconds (default 3000) until N such requests (default 1) have
// arrived. Reply headers: "X-Standin-Count" (how many requests matched) and
// "X-Standin-Scheme" (http, https or raw); 404 when none matched. Lookups are
// not logged themselves. Every server shares the one log.
#include <chrono>
#include <cstdlib>

#include "standin/services.h"

namespace standin {

void add_log_service(Routes& routes) {
  RequestLog& log = routes.log();
  routes.get_unlogged("/_log", [&log](const httplib::Request& request, httplib::Response& response) {
    long at_least = request.has_param("at_least") ? std::atol(request.get_param_value("at_least").c_str()) : 1;
    long wait_ms = request.has_param("wait_ms") ? std::atol(request.get_param_value("wait_ms").c_str()) : 3000;
    RequestLog::Found found = log.find(request.get_param_value("find"), request.get_param_value("method"),
                                       static_cast<std::size_t>(at_least < 1 ? 1 : at_least),
                                       std::chrono::milliseconds(wait_ms < 0 ? 0 : wait_ms));
    response.set_header("X-Standin-Count", std::to_string(found.count));
    if (!found.latest) {
      response.status = 404;
      return;
    }
    response.set_header("X-Standin-Scheme", found.latest->scheme);
    response.set_content(found.latest->text, "application/octet-stream");
  });
}

}  // namespace standin
