// "/", /echo and everything below it, for every verb: the reply body is the
// request as the stand-in received it (standin/request_text.h), so a test can
// see what its client put on the wire.
#include "standin/request_text.h"
#include "standin/services.h"

namespace standin {

void add_echo_service(Routes& routes) {
  routes.any(R"(/|/echo(/.*)?)", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(request_text(request), "application/octet-stream");
  });
}

}  // namespace standin
