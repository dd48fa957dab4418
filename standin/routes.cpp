#include "standin/routes.h"

#include "standin/request_text.h"

namespace standin {
namespace {

// The request the current server thread has already logged, so that the
// server's after-the-answer logger does not log it twice.
thread_local const httplib::Request* logged_request = nullptr;

LoggedRequest entry_for(const std::string& scheme, const httplib::Request& request) {
  return {.scheme = scheme, .method = request.method, .target = request.target, .text = request_text(request)};
}

}  // namespace

Routes::Routes(httplib::Server& server, RequestLog& log, std::string scheme)
    : server_(server), log_(log), scheme_(std::move(scheme)) {
  server_.set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) { return route_bodyless(request, response); });
  server_.set_logger([this](const httplib::Request& request, const httplib::Response&) {
    if (logged_request != &request) {
      log_.record(entry_for(scheme_, request));
    }
    logged_request = nullptr;
  });
}

Routes::Handler Routes::logged(Handler handler) {
  return [this, handler = std::move(handler)](const httplib::Request& request, httplib::Response& response) {
    log_.record(entry_for(scheme_, request));
    logged_request = &request;
    handler(request, response);
  };
}

void Routes::get(const std::string& pattern, Handler handler) {
  server_.Get(pattern, logged(std::move(handler)));
}

void Routes::any(const std::string& pattern, Handler handler) {
  Handler wrapped = logged(std::move(handler));
  server_.Get(pattern, wrapped);
  server_.Post(pattern, wrapped);
  server_.Put(pattern, wrapped);
  server_.Delete(pattern, wrapped);
  server_.Options(pattern, wrapped);
  server_.Patch(pattern, wrapped);
  bodyless_.emplace_back(std::regex(pattern), wrapped);
}

void Routes::get_unlogged(const std::string& pattern, Handler handler) {
  server_.Get(pattern, [handler = std::move(handler)](const httplib::Request& request, httplib::Response& response) {
    logged_request = &request;
    handler(request, response);
  });
}

// The server routes only the common verbs; TRACE and CONNECT are caught here,
// before it would answer them with 400.
httplib::Server::HandlerResponse Routes::route_bodyless(const httplib::Request& request,
                                                        httplib::Response& response) {
  if (request.method != "TRACE" && request.method != "CONNECT") {
    return httplib::Server::HandlerResponse::Unhandled;
  }
  for (const auto& [pattern, handler] : bodyless_) {
    if (std::regex_match(request.path, pattern)) {
      handler(request, response);
      return httplib::Server::HandlerResponse::Handled;
    }
  }
  return httplib::Server::HandlerResponse::Unhandled;
}

}  // namespace standin
