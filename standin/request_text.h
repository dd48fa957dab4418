// The form in which the stand-in reports a request back (the echo replies and
// the request log): the request line, every header line as received, an empty
// line and the body bytes.
//
//   POST /echo?a=1 HTTP/1.1\r\n
//   Accept: */*\r\n
//   Content-Length: 3\r\n
//   \r\n
//   abc
//
// Header lines come in the order the HTTP library keeps them (by name,
// letter case ignored), each name spelled as the client sent it.
#pragma once

#include <httplib.h>

#include <string>

namespace standin {

std::string request_text(const httplib::Request& request);

}  // namespace standin
