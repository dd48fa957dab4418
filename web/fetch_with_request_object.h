// One HTTP or HTTPS exchange through the "WinHttp.WinHttpRequest.5.1" object,
// synchronous on the calling thread. The general page fetch: the buyer
// lookup and the index conversion send their requests with it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "text/text.h"
#include "web/request_object.h"

namespace toolbox {

// In-out and out fields are the caller's variables, nullptr when not given.
struct RequestObjectOptions {
  int method = 0;                    // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT
  std::string_view body_text = {};   // sent when body_bytes is empty
  Text* cookies = nullptr;           // in-out: sent as "Cookie" (also when empty); replaced by the merged cookies
  Text* returned_cookies = nullptr;  // out: the cookies the reply sets (merged, when merging)
  Text* headers = nullptr;           // in-out: extra "Name: value" lines; rewritten as completed and normalised
  Text* response_headers = nullptr;  // out: the reply's header lines as the object reports them
  int* status = nullptr;             // out: the status code, 0 without a reply
  bool no_redirect = false;
  std::span<const std::uint8_t> body_bytes = {};  // sent instead of body_text when not empty
  std::string_view proxy = {};                    // "host:port"; empty leaves the object's setting alone
  int timeout_seconds = 0;                        // per phase; 0 or less: 15 s; -1: the object's own
  std::string_view proxy_user = {};
  std::string_view proxy_password = {};
  int proxy_auth_mode = 1;                        // 1: send a Basic Proxy-Authorization header
  const RequestObject* request_object = nullptr;  // the caller's object instead of a new one
  bool auto_merge_cookies = true;                 // merge the reply's cookies into `cookies`
  bool add_default_headers = true;
};

// The response body exactly as received: empty when no request object could
// be created (nothing is written then) or no body arrived. A failing step of
// the exchange does not end the call; it shows in the outputs.
Bytes fetch_with_request_object(std::string_view url, const RequestObjectOptions& options = {});

}  // namespace toolbox
