// One HTTP or HTTPS exchange through the WinHttp functions, synchronous on
// the calling thread. Each failure comes back as a numbered message in
// `status_text`; a page that declares its character set in a meta tag within
// its first 1024 bytes is decoded into GBK. Window messages that are waiting
// are processed while the reply is taken apart, so window events can run
// inside the call.
#pragma once

#include <string_view>

#include "text/text.h"
#include "web/charset_decoding.h"

namespace toolbox {

// In-out and out fields are the caller's variables, nullptr when not given.
struct WinHttpOptions {
  int method = 0;                    // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT
  std::string_view body_text = {};   // its GBK bytes are the request body
  Text* cookies = nullptr;           // in-out: sent when not empty; replaced by the merged cookies
  Text* returned_cookies = nullptr;  // out: the cookies the reply sets (merged, when merging)
  std::string_view headers = {};     // extra "Name: value" lines
  Text* response_headers = nullptr;  // out: status line and header lines, as received
  bool no_redirect = false;
  std::string_view user = {};        // Basic authentication at the server
  std::string_view password = {};
  std::string_view proxy = {};       // "host:port"; empty: a direct connection
  std::string_view proxy_user = {};  // Basic authentication at the proxy
  std::string_view proxy_password = {};
  int timeout_seconds = 0;           // per phase; below 1: 30 s
  Text* location = nullptr;          // out: the reply's Location header
  Text* status_text = nullptr;       // out: "200 OK", or a numbered failure message
  Bytes* response_bytes = nullptr;   // out: the body exactly as received
  bool auto_merge_cookies = true;
  bool add_default_headers = true;
  CharsetDecoder* decoded_by = nullptr;  // out: which way decoded the body (none: not decoded)
};

// The body, decoded when the page names its character set; empty after a
// failure that ends the call.
Text fetch_with_winhttp(std::string_view url, const WinHttpOptions& options = {});

}  // namespace toolbox
