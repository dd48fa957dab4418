#include "web/request_verbs.h"

#include <array>

namespace toolbox {

std::string_view verb_for_method(int method) {
  static constexpr std::array<std::string_view, 8> kVerbs = {"GET",     "POST",   "HEAD",  "PUT",
                                                             "OPTIONS", "DELETE", "TRACE", "CONNECT"};
  return method >= 0 && method < static_cast<int>(kVerbs.size()) ? kVerbs[static_cast<std::size_t>(method)]
                                                                  : kVerbs[0];
}

}  // namespace toolbox
