#include "standin/query_values.h"

#include <cstdlib>

namespace standin {
namespace {

std::string percent_decode(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      decoded += static_cast<char>(std::strtol(std::string(text.substr(i + 1, 2)).c_str(), nullptr, 16));
      i += 2;
    } else {
      decoded += text[i] == '+' ? ' ' : text[i];
    }
  }
  return decoded;
}

}  // namespace

std::vector<std::string> query_values(const httplib::Request& request, std::string_view name) {
  std::vector<std::string> values;
  std::string_view target = request.target;
  std::size_t query = target.find('?');
  if (query == std::string_view::npos) {
    return values;
  }
  std::string_view rest = target.substr(query + 1);
  while (!rest.empty()) {
    std::size_t end = rest.find('&');
    std::string_view pair = rest.substr(0, end);
    std::size_t equals = pair.find('=');
    if (pair.substr(0, equals) == name) {
      values.push_back(equals == std::string_view::npos ? std::string() : percent_decode(pair.substr(equals + 1)));
    }
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return values;
}

}  // namespace standin
