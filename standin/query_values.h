// Every value of one query parameter, in order and with repeats (the HTTP
// library folds repeated name=value pairs into one, and a repeated cookie
// is what some tests need).
#pragma once

#include <httplib.h>

#include <string>
#include <string_view>
#include <vector>

namespace standin {

std::vector<std::string> query_values(const httplib::Request& request, std::string_view name);

}  // namespace standin
