#include "web/url.h"

#include "text/text_ops.h"
#include "web/extract.h"

namespace toolbox {
namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";

bool starts_with(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The host part with its port: what follows the scheme up to the first "/",
// "?" or "#" (lower-cased, "http://" assumed when the scheme is missing).
Text host_and_port(std::string_view url) {
  Text lower = lower_ascii(url);
  if (!starts_with(lower, kHttps) && !starts_with(lower, kHttp)) {
    lower.insert(0, kHttp);
  }
  std::string_view scheme = starts_with(lower, kHttps) ? kHttps : kHttp;
  std::string_view rest = std::string_view(lower).substr(scheme.size());
  return Text(rest.substr(0, rest.find_first_of("/?#")));
}

// 0-based offset in `url` where the host part begins.
std::size_t host_offset(std::string_view url) {
  Text lower = lower_ascii(url.substr(0, kHttps.size()));
  if (starts_with(lower, kHttps)) {
    return kHttps.size();
  }
  return starts_with(lower, kHttp) ? kHttp.size() : 0;
}

}  // namespace

Text url_host(std::string_view url, bool keep_port) {
  Text host = host_and_port(url);
  if (keep_port) {
    return host;
  }
  return find_text(host, ":") > 0 ? text_before(host, ":") : host;
}

int url_port(std::string_view url) {
  Text host = url_host(url, true);
  int colon = find_last_text(host, ":");
  if (colon < 0) {
    return lower_ascii(url.substr(0, 5)) == "https" ? 443 : 80;
  }
  return text_to_int(std::string_view(host).substr(static_cast<std::size_t>(colon)));
}

Text url_path(std::string_view url) {
  std::size_t begin = host_offset(url) + url_host(url, true).size();
  if (begin >= url.size() || url[begin] == '#') {
    return "/";
  }
  if (url[begin] == '?') {
    Text path = "/";
    path += url.substr(begin);
    return path;
  }
  return Text(url.substr(begin));
}

}  // namespace toolbox
