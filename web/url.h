// Splitting a URL into host, port and path, as the WinINet fetch connects.
// A URL may lack its scheme; "http://" is assumed then.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

// The host name in lower case; with `keep_port`, followed by ":" and the port
// when the URL names one. The host ends at the first "/", "?" or "#".
Text url_host(std::string_view url, bool keep_port = false);

// The port the URL names, else 443 for "https" and 80 otherwise; 0 when the
// text after the last ":" of the host has no digits.
int url_port(std::string_view url);

// Path and query as written in the URL, "/" when it has neither (a query
// without a path gets a "/" in front: "http://h?x=1" gives "/?x=1").
Text url_path(std::string_view url);

}  // namespace toolbox
