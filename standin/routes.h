// How a service hangs its handlers on one server (HTTP or HTTPS). Every
// request a handler sees is in the request log before the handler answers,
// so a test that holds the reply can look the request up at once; requests
// that no handler takes (404s, malformed ones) are logged after the answer.
#pragma once

#include <httplib.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "standin/request_log.h"

namespace standin {

class Routes {
 public:
  using Handler = httplib::Server::Handler;

  Routes(httplib::Server& server, RequestLog& log, std::string scheme);
  Routes(const Routes&) = delete;
  Routes& operator=(const Routes&) = delete;

  // GET (and HEAD, which the server answers from the GET handler).
  void get(const std::string& pattern, Handler handler);
  // Every verb the server parses: GET, HEAD, POST, PUT, DELETE, OPTIONS,
  // PATCH, and TRACE and CONNECT, which are taken without a body.
  void any(const std::string& pattern, Handler handler);
  // A GET handler whose requests stay out of the log (the log lookups).
  void get_unlogged(const std::string& pattern, Handler handler);

  RequestLog& log() const { return log_; }
  const std::string& scheme() const { return scheme_; }

 private:
  Handler logged(Handler handler);
  httplib::Server::HandlerResponse route_bodyless(const httplib::Request& request, httplib::Response& response);

  httplib::Server& server_;
  RequestLog& log_;
  std::string scheme_;
  std::vector<std::pair<std::regex, Handler>> bodyless_;
};

}  // namespace standin
