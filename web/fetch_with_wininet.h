// One HTTP or HTTPS exchange through the WinINet ANSI functions, synchronous
// on the calling thread; the platform's own time-outs apply. The update check
// fetches the update document with it.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

// In-out and out fields are the caller's variables, nullptr when not given.
struct WinINetOptions {
  int method = 0;                    // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE, 7 CONNECT
  std::string_view body_text = {};   // the body when body_bytes is empty and the verb is not GET
  Text* cookies = nullptr;           // in-out: sent when not empty; replaced by the merged cookies
  Text* returned_cookies = nullptr;  // out: the cookies the reply sets (merged, when merging)
  Text* headers = nullptr;           // in-out: extra "Name: value" lines; rewritten as sent
  Text* response_headers = nullptr;  // out: status line and header lines, as received
  bool no_redirect = false;
  Bytes* body_bytes = nullptr;       // in-out: the body for any verb but GET; filled from body_text when empty
  std::string_view proxy = {};       // "host:port"; empty: a direct connection
  bool auto_merge_cookies = true;
  bool add_default_headers = true;
};

// The response body; empty when the session, connection or request can't be
// opened (nothing is written then).
Bytes fetch_with_wininet(std::string_view url, const WinINetOptions& options = {});

}  // namespace toolbox
