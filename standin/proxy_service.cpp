// A forward proxy: a request whose target is an absolute URL ("GET
// http://127.0.0.1:18080/echo HTTP/1.1") is logged as it came, headers such
// as Proxy-Authorization included, and passed on to that URL; only loopback
// targets are served. An "https://" target, which clients send through a
// tunnel (raw_reply_server.h), is passed on the same way, without checking the
// certificate of the stand-in it reaches. With "proxy_challenge=1" in the target's query
// the proxy first answers 407 with "Proxy-Authenticate: Basic realm="standin
// proxy"" until a request carries a Proxy-Authorization header.
#include <cstdlib>
#include <set>
#include <string>

#include "standin/services.h"

namespace standin {
namespace {

struct Target {
  bool secure = false;
  std::string host;
  int port = 80;
  std::string path;  // origin form: path and query
};

bool parse_target(const std::string& url, Target& target) {
  target.secure = url.compare(0, 8, "https://") == 0;
  const std::string scheme = target.secure ? "https://" : "http://";
  if (url.compare(0, scheme.size(), scheme) != 0) {
    return false;
  }
  std::size_t path_at = url.find_first_of("/?", scheme.size());
  std::string authority = url.substr(scheme.size(), path_at - scheme.size());
  target.path = path_at == std::string::npos ? "/" : url.substr(path_at);
  if (target.path[0] == '?') {
    target.path.insert(0, "/");
  }
  std::size_t colon = authority.rfind(':');
  target.host = authority.substr(0, colon);
  target.port = colon == std::string::npos ? (target.secure ? 443 : 80) : std::atoi(authority.c_str() + colon + 1);
  return target.host == "127.0.0.1" || target.host == "localhost";
}

// Headers that concern one connection or the proxy itself, and the ones the
// HTTP library writes by itself.
bool stays_with_proxy(const std::string& name) {
  static const std::set<std::string, httplib::detail::ci> names = {
      "Connection", "Content-Length", "Host",        "Keep-Alive",  "Proxy-Authorization",
      "Proxy-Connection", "Transfer-Encoding", "REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"};
  return names.count(name) != 0;
}

void forward(const httplib::Request& request, httplib::Response& response) {
  Target target;
  if (!parse_target(request.target, target)) {
    response.status = 502;
    response.set_content("the stand-in proxy serves loopback targets only", "text/plain");
    return;
  }
  if (request.get_param_value("proxy_challenge") == "1" && !request.has_header("Proxy-Authorization")) {
    response.status = 407;
    response.set_header("Proxy-Authenticate", "Basic realm=\"standin proxy\"");
    response.set_content("proxy authorization required", "text/plain");
    return;
  }
  httplib::Request onward;
  onward.method = request.method;
  onward.path = target.path;
  onward.body = request.body;
  for (const auto& [name, value] : request.headers) {
    if (!stays_with_proxy(name)) {
      onward.headers.emplace(name, value);
    }
  }
  onward.headers.emplace("Via", "1.1 standin-proxy");
  httplib::Client client((target.secure ? "https://" : "http://") + target.host + ":" + std::to_string(target.port));
  client.enable_server_certificate_verification(false);
  client.set_decompress(false);
  client.set_read_timeout(std::chrono::seconds(130));
  httplib::Result result = client.send(onward);
  if (!result) {
    response.status = 502;
    response.set_content("the stand-in proxy could not reach " + request.target, "text/plain");
    return;
  }
  response.status = result->status;
  for (const auto& [name, value] : result->headers) {
    if (!stays_with_proxy(name)) {
      response.headers.emplace(name, value);
    }
  }
  response.body = result->body;
}

}  // namespace

void add_proxy_service(Routes& routes) {
  routes.any(R"(https?://.*)", forward);
}

}  // namespace standin
