#include "web/reply_cookies.h"

#include "web/cookies.h"

namespace toolbox {

Text take_reply_cookies(std::string_view response_headers, Text* cookies, bool merge) {
  Text returned = collect_set_cookies(response_headers);
  if (merge && cookies) {
    returned = merge_cookies(*cookies, returned);
  }
  return returned;
}

}  // namespace toolbox
