#include "web/fetch_with_wininet.h"

#include <algorithm>

#include "text/text_ops.h"
#include "web/header_completion.h"
#include "web/headers.h"
#include "web/reply_cookies.h"
#include "web/request_verbs.h"
#include "web/url.h"
#include "web/wininet_handle.h"

namespace toolbox {
namespace {

constexpr DWORD kFirstHeaderBuffer = 5000;
constexpr DWORD kReadBuffer = 1024;

DWORD request_flags(bool cookies_given, bool no_redirect, bool secure) {
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
  if (cookies_given) {
    // The platform neither sends nor stores cookies by itself then.
    flags |= INTERNET_FLAG_NO_COOKIES;
  }
  if (no_redirect) {
    flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
  }
  flags |= secure ? INTERNET_FLAG_SECURE : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
  return flags;
}

Bytes read_body(HINTERNET request) {
  Bytes body;
  char buffer[kReadBuffer];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, buffer, kReadBuffer, &read) || read == 0) {
      break;
    }
    body.insert(body.end(), buffer, buffer + read);
  }
  return body;
}

// The raw header text, however long: a first try with 5000 bytes, then one
// with the size the platform asks for. Without a status line no reply came,
// whatever the platform hands out (Wine gives a lone line break).
Text read_raw_headers(HINTERNET request) {
  Text buffer(kFirstHeaderBuffer, ' ');
  DWORD length = kFirstHeaderBuffer;
  if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      return {};
    }
    buffer.assign(length + 1, ' ');
    length = static_cast<DWORD>(buffer.size());
    if (!HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr)) {
      return {};
    }
  }
  buffer.resize(std::min<std::size_t>(length, buffer.size()));
  buffer.resize(std::min(buffer.size(), buffer.find('\0')));
  if (!buffer.starts_with("HTTP/")) {
    return {};
  }
  return buffer;
}

}  // namespace

Bytes fetch_with_wininet(std::string_view url, const WinINetOptions& options) {
  std::string_view verb = verb_for_method(options.method);
  bool secure = lower_ascii(url.substr(0, 8)) == "https://";
  Text headers = options.headers ? *options.headers : Text();
  Text agent = wininet_agent_name(headers);

  Text proxy_name = options.proxy.empty() ? Text() : secure ? Text(options.proxy) : "http=" + Text(options.proxy);
  InternetHandle session(InternetOpenA(agent.c_str(),
                                       options.proxy.empty() ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY,
                                       proxy_name.c_str(), "", 0));
  if (!session) {
    return {};
  }
  InternetHandle connection(InternetConnectA(session.get(), url_host(url).c_str(),
                                             static_cast<INTERNET_PORT>(url_port(url)), "", "",
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) {
    return {};
  }
  Text verb_text(verb);
  Text path = url_path(url);
  InternetHandle request(HttpOpenRequestA(connection.get(), verb_text.c_str(), path.c_str(), "HTTP/1.1", nullptr,
                                          nullptr, request_flags(options.cookies != nullptr, options.no_redirect, secure),
                                          0));
  if (!request) {
    return {};
  }

  if (options.add_default_headers) {
    headers = complete_wininet_headers(headers, url, verb);
  }
  headers = normalize_request_headers(headers);
  headers = add_wininet_cookies(headers, options.cookies ? std::string_view(*options.cookies) : std::string_view());
  if (options.headers) {
    *options.headers = headers;
  }

  DWORD header_length = static_cast<DWORD>(headers.size());
  if (verb == "GET") {
    HttpSendRequestA(request.get(), headers.c_str(), header_length, nullptr, 0);
  } else {
    Bytes local_body;
    Bytes& body = options.body_bytes ? *options.body_bytes : local_body;
    if (body.empty()) {
      body = text_to_bytes(options.body_text);
    }
    HttpSendRequestA(request.get(), headers.c_str(), header_length, body.empty() ? nullptr : body.data(),
                     static_cast<DWORD>(body.size()));
  }

  Bytes body = read_body(request.get());
  Text response_headers = read_raw_headers(request.get());
  request.reset();
  connection.reset();
  session.reset();

  if (options.response_headers) {
    *options.response_headers = response_headers;
  }
  Text returned_cookies = take_reply_cookies(response_headers, options.cookies, options.auto_merge_cookies);
  if (options.returned_cookies) {
    *options.returned_cookies = returned_cookies;
  }
  return body;
}

}  // namespace toolbox
