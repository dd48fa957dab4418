// The default request headers each page fetch adds to a caller's header
// block. A default line is added only when the block does not name its header
// yet (ASCII letters compared without case), so a caller's own line of any
// letter case wins.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

// True when `block` contains `name` (e.g. "Accept:") anywhere, ASCII letters
// compared without case.
bool names_header(std::string_view block, std::string_view name);

// The request-object fetch: "Accept: */*", "Referer: " + url,
// "Accept-Language: zh-cn", the MSIE 9 "User-Agent" and, for POST, the form
// "Content-Type"; each missing one appended after a CR LF.
Text complete_request_object_headers(std::string_view headers, std::string_view url, std::string_view verb);

// The WinHttp fetch: the caller's block and a CR LF (none for an empty
// block), then with `add_defaults` "User-Agent", "Accept", "Accept-Encoding",
// "Accept-Language", for POST "Content-Type", and "Cache-Control", each
// missing one followed by a CR LF.
Text winhttp_header_block(std::string_view headers, std::string_view verb, bool add_defaults);

// The WinINet fetch: an empty block becomes "Accept: */*"; then "Accept",
// "Referer: " + url, "Accept-Language" and, for POST, "Content-Type", each
// missing one appended after a CR LF.
Text complete_wininet_headers(std::string_view headers, std::string_view url, std::string_view verb);

// The WinHttp fetch's cookie line: "Cookie: " and the cookies, then CR LF,
// appended on a line of its own when `cookies` is not empty and the block
// names no "Cookie: " yet (the caller's own cookie header wins).
Text add_winhttp_cookie_line(std::string_view block, std::string_view cookies);

// The WinINet fetch's cookies: when `cookies` is not empty they join the
// block's "Cookie" line ("; " and the cookies) or, without one, come as a
// "Cookie: " line of their own.
Text add_wininet_cookies(std::string_view block, std::string_view cookies);

// The agent name the WinINet fetch opens its session with: the value of the
// block's "User-Agent" line (name in any letter case), else the MSIE 9 name.
Text wininet_agent_name(std::string_view headers);

}  // namespace toolbox
