// What a page fetch does with the cookies a reply sets.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

// The first "name=value" of every Set-Cookie line of `response_headers`;
// with `merge` and a caller's cookie text, merged into that text
// (merge_cookies), which then holds the same result.
Text take_reply_cookies(std::string_view response_headers, Text* cookies, bool merge);

}  // namespace toolbox
