// The verb numbers every page fetch takes: 0 "GET", 1 "POST", 2 "HEAD",
// 3 "PUT", 4 "OPTIONS", 5 "DELETE", 6 "TRACE", 7 "CONNECT"; any other number
// means "GET".
#pragma once

#include <string_view>

namespace toolbox {

std::string_view verb_for_method(int method);

}  // namespace toolbox
