#include "web/fetch_with_request_object.h"

#include <algorithm>

#include "platform/com_apartment.h"
#include "platform/dispatch.h"
#include "text/text_ops.h"
#include "web/base64.h"
#include "web/header_completion.h"
#include "web/headers.h"
#include "web/reply_cookies.h"
#include "web/request_verbs.h"

namespace toolbox {
namespace {

// The object's options: 6 follows redirects, 4 names the certificate errors
// to ignore (unknown authority, wrong usage, wrong name, expired).
constexpr long kOptionEnableRedirects = 6;
constexpr long kOptionSslErrorIgnoreFlags = 4;
constexpr long kIgnoredCertificateErrors = 0x3300;
constexpr long kProxySettingNamed = 2;

long phase_timeout_ms(int timeout_seconds) {
  if (timeout_seconds < 1) {
    return 15000;
  }
  return static_cast<long>(std::min<long long>(timeout_seconds * 1000LL, 0x7FFFFFFF));
}

void set_timeouts(IDispatch* request, long milliseconds) {
  Variant timeout = Variant::integer(milliseconds);
  call_method(request, L"SetTimeouts", {timeout, timeout, timeout, timeout});
}

void set_request_header(IDispatch* request, std::string_view name, std::string_view value) {
  call_method(request, L"SetRequestHeader", {Variant::text(name), Variant::text(value)});
}

}  // namespace

Bytes fetch_with_request_object(std::string_view url, const RequestObjectOptions& options) {
  ComApartment apartment;
  std::string_view verb = verb_for_method(options.method);

  ComPtr<IDispatch> object = options.request_object && *options.request_object
                                 ? options.request_object->dispatch()
                                 : create_dispatch_object(kRequestObjectProgId);
  if (!object) {
    return {};
  }
  IDispatch* request = object.get();

  if (options.timeout_seconds != -1) {
    set_timeouts(request, phase_timeout_ms(options.timeout_seconds));
  }
  if (!options.proxy.empty()) {
    call_method(request, L"SetProxy", {Variant::integer(kProxySettingNamed), Variant::text(options.proxy)});
  }
  call_method(request, L"Open", {Variant::text(verb), Variant::text(url), Variant::boolean(false)});
  if (options.timeout_seconds != -1) {
    // Wine's object forgets time-outs set before Open; Windows keeps them
    // either way.
    set_timeouts(request, phase_timeout_ms(options.timeout_seconds));
  }
  if (options.no_redirect) {
    put_property(request, L"Option", Variant::boolean(false), {Variant::integer(kOptionEnableRedirects)});
  }
  put_property(request, L"Option", Variant::integer(kIgnoredCertificateErrors),
               {Variant::integer(kOptionSslErrorIgnoreFlags)});

  Text headers = options.headers ? *options.headers : Text();
  if (options.add_default_headers) {
    headers = complete_request_object_headers(headers, url, verb);
  }
  headers = normalize_request_headers(headers);
  if (options.headers) {
    *options.headers = headers;
  }

  if (!options.proxy.empty() && !options.proxy_user.empty() && options.proxy_auth_mode == 1) {
    Text credentials = Text(options.proxy_user) + ":" + Text(options.proxy_password);
    set_request_header(request, "Proxy-Authorization", "Basic " + base64_encode(text_to_bytes(credentials)));
  }
  if (options.cookies) {
    set_request_header(request, "Cookie", *options.cookies);
  }
  for (const Text& line : split_text(headers, "\r\n")) {
    if (!line.empty()) {
      set_request_header(request, header_name(line), header_value(line));
    }
  }

  call_method(request, L"Send",
              {options.body_bytes.empty() ? Variant::text(options.body_text) : Variant::bytes(options.body_bytes)});

  Bytes body = get_property(request, L"ResponseBody").value.to_bytes();
  Text response_headers = call_method(request, L"GetAllResponseHeaders").value.to_text();
  if (options.response_headers) {
    *options.response_headers = response_headers;
  }
  if (options.status) {
    *options.status = static_cast<int>(get_property(request, L"Status").value.to_integer().value_or(0));
  }
  Text returned_cookies = take_reply_cookies(response_headers, options.cookies, options.auto_merge_cookies);
  if (options.returned_cookies) {
    *options.returned_cookies = returned_cookies;
  }
  return body;
}

}  // namespace toolbox
