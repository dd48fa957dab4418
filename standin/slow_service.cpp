// /slow?ms=N: waits N milliseconds (default 5000, at most 120000) before it
// answers with the echo of the request; for client time-outs.
// /slow?ms=N&stall=body: sends the status line and headers at once and the
// body (the echo) only after the wait.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "standin/request_text.h"
#include "standin/services.h"

namespace standin {

void add_slow_service(Routes& routes) {
  routes.any("/slow", [](const httplib::Request& request, httplib::Response& response) {
    long delay = request.has_param("ms") ? std::atol(request.get_param_value("ms").c_str()) : 5000;
    auto wait = std::chrono::milliseconds(std::clamp(delay, 0L, 120000L));
    if (request.get_param_value("stall") != "body") {
      std::this_thread::sleep_for(wait);
      response.set_content(request_text(request), "application/octet-stream");
      return;
    }
    auto body = std::make_shared<std::string>(request_text(request));
    response.set_content_provider(body->size(), "application/octet-stream",
                                  [body, wait](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                    if (offset == 0) {
                                      std::this_thread::sleep_for(wait);
                                    }
                                    return sink.write(body->data() + offset, length);
                                  });
  });
}

}  // namespace standin
