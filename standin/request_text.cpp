#include "standin/request_text.h"

namespace standin {
namespace {

// The HTTP library files the connection's addresses among the headers.
bool is_connection_detail(const std::string& name) {
  return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT";
}

}  // namespace

std::string request_text(const httplib::Request& request) {
  std::string text = request.method + " " + request.target + " " + request.version + "\r\n";
  for (const auto& [name, value] : request.headers) {
    if (!is_connection_detail(name)) {
      text += name + ": " + value + "\r\n";
    }
  }
  text += "\r\n";
  text += request.body;
  return text;
}

}  // namespace standin
