#include "web/fetch_with_winhttp.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/com_apartment.h"
#include "platform/pending_messages.h"
#include "platform/regular_expression.h"
#include "text/text_ops.h"
#include "text/wide.h"
#include "web/header_completion.h"
#include "web/headers.h"
#include "web/raw_response.h"
#include "web/reply_cookies.h"
#include "web/request_verbs.h"
#include "web/winhttp_handle.h"

namespace toolbox {
namespace {

constexpr std::string_view kNoWinHttp = "700 当前系统不支持WinHttp服务!";
constexpr std::string_view kBadUrl = "701 解析URL地址失败!";
constexpr std::string_view kNoSession = "702 创建WinHttp会话失败!";
constexpr std::string_view kNoConnection = "703 创建WinHttp连接失败!";
constexpr std::string_view kNoRequest = "704 创建WinHttp请求失败!";
constexpr std::string_view kNoTimeouts = "705 设置超时时间失败!";
constexpr std::string_view kNoCredentials = "707 设置代理凭证失败!";
constexpr std::string_view kNoCookieOption = "708 禁止自动设置Cookies失败!";
constexpr std::string_view kNoRedirectOption = "709 重定向设置失败!";
constexpr std::string_view kNoHeaders = "710 设置协议头失败!";
constexpr std::string_view kNotSent = "711 发送请求失败!";
constexpr std::string_view kNoResponse = "712 服务器未响应!";
constexpr std::string_view kReadFailed = "713 读取数据失败!";

constexpr std::string_view kMetaCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";
constexpr std::size_t kCharsetSearchBytes = 1024;

// Where the request goes, from WinHttpCrackUrl.
struct Target {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring object_path;  // path and query; "/" alone when the URL has no path
  bool secure = false;
};

std::wstring url_part(const wchar_t* part, DWORD length) {
  return part ? std::wstring(part, length) : std::wstring();
}

std::optional<Target> crack_url(std::string_view url) {
  std::wstring wide = to_wide(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (wide.empty() || !WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
    return std::nullopt;
  }
  Target target;
  target.host = url_part(parts.lpszHostName, parts.dwHostNameLength);
  // Wine leaves the query of a URL without a path in the host name.
  target.host = target.host.substr(0, target.host.find_first_of(L"?#"));
  target.port = parts.nPort;
  std::wstring path = url_part(parts.lpszUrlPath, parts.dwUrlPathLength);
  std::wstring extra = url_part(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  target.object_path = path.empty() ? L"/" : path + extra;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return target;
}

int phase_timeout_ms(int timeout_seconds) {
  if (timeout_seconds < 1) {
    return 30000;
  }
  return static_cast<int>(std::min<long long>(timeout_seconds * 1000LL, 0x7FFFFFFF));
}

bool set_feature(HINTERNET request, DWORD option, DWORD feature) {
  return WinHttpSetOption(request, option, &feature, sizeof feature);
}

Bytes read_body(HINTERNET request, const WinHttpOptions& options) {
  Bytes body;
  for (;;) {
    DWORD available = 0;
    if (!WinHttpQueryDataAvailable(request, &available) || available == 0) {
      break;
    }
    std::vector<std::uint8_t> buffer(available);
    DWORD read = 0;
    if (!WinHttpReadData(request, buffer.data(), available, &read)) {
      if (options.status_text) {
        *options.status_text = kReadFailed;
      }
      break;
    }
    if (read == 0) {
      break;
    }
    body.insert(body.end(), buffer.begin(), buffer.begin() + read);
  }
  return body;
}

std::optional<Text> read_raw_headers(HINTERNET request) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                      &size, WINHTTP_NO_HEADER_INDEX);
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD length = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, buffer.data(), &length,
                           WINHTTP_NO_HEADER_INDEX)) {
    return std::nullopt;
  }
  buffer.resize(length / sizeof(wchar_t));
  return from_wide(buffer);
}

// The character set a page declares in a meta tag near its start; empty
// when it declares none.
Text declared_charset(std::string_view page) {
  RegularExpression expression;
  if (!expression.execute(kMetaCharsetPattern, page.substr(0, kCharsetSearchBytes))) {
    return {};
  }
  return expression.submatch_text(1, 1);
}

// Handles of one call, closed request first.
struct Handles {
  WinHttpHandle session;
  WinHttpHandle connection;
  WinHttpHandle request;
};

class WinHttpFetch {
 public:
  WinHttpFetch(std::string_view url, const WinHttpOptions& options) : url_(url), options_(options) {}
  Text run();

 private:
  Text fail(std::string_view message);
  bool open(const Target& target);
  bool configure();
  bool send(std::string_view verb);
  Text take_reply();

  std::string_view url_;
  const WinHttpOptions& options_;
  Handles handles_;
};

Text WinHttpFetch::fail(std::string_view message) {
  if (options_.status_text) {
    *options_.status_text = message;
  }
  process_pending_messages();
  return {};
}

bool WinHttpFetch::open(const Target& target) {
  std::wstring proxy_name = to_wide(target.secure ? Text(options_.proxy) : "http=" + Text(options_.proxy));
  handles_.session = options_.proxy.empty()
                         ? WinHttpHandle(WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                                     WINHTTP_NO_PROXY_BYPASS, 0))
                         : WinHttpHandle(WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy_name.c_str(),
                                                     WINHTTP_NO_PROXY_BYPASS, 0));
  if (!handles_.session) {
    fail(kNoSession);
    return false;
  }
  handles_.connection = WinHttpHandle(WinHttpConnect(handles_.session.get(), target.host.c_str(), target.port, 0));
  if (!handles_.connection) {
    fail(kNoConnection);
    return false;
  }
  std::wstring verb = to_wide(verb_for_method(options_.method));
  handles_.request = WinHttpHandle(WinHttpOpenRequest(handles_.connection.get(), verb.c_str(),
                                                      target.object_path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                      WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                      target.secure ? WINHTTP_FLAG_SECURE : 0));
  if (!handles_.request) {
    fail(kNoRequest);
    return false;
  }
  return true;
}

bool WinHttpFetch::configure() {
  HINTERNET request = handles_.request.get();
  int timeout = phase_timeout_ms(options_.timeout_seconds);
  if (!WinHttpSetTimeouts(request, timeout, timeout, timeout, timeout)) {
    fail(kNoTimeouts);
    return false;
  }
  // The wait for the reply's headers has a time-out of its own (90 s unless
  // set); Wine applies only that one there, so it gets the same value.
  DWORD response_timeout = static_cast<DWORD>(timeout);
  WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response_timeout, sizeof response_timeout);
  if (!options_.user.empty() && !options_.password.empty() &&
      !WinHttpSetCredentials(request, WINHTTP_AUTH_TARGET_SERVER, WINHTTP_AUTH_SCHEME_BASIC,
                             to_wide(options_.user).c_str(), to_wide(options_.password).c_str(), nullptr)) {
    fail(kNoCredentials);
    return false;
  }
  if (!options_.proxy_user.empty() && !options_.proxy_password.empty() &&
      !WinHttpSetCredentials(request, WINHTTP_AUTH_TARGET_PROXY, WINHTTP_AUTH_SCHEME_BASIC,
                             to_wide(options_.proxy_user).c_str(), to_wide(options_.proxy_password).c_str(), nullptr)) {
    fail(kNoCredentials);
    return false;
  }
  bool has_cookies = options_.cookies && !options_.cookies->empty();
  // Without cookies of the caller the platform neither sends nor stores any.
  bool cookie_option = has_cookies ? set_feature(request, WINHTTP_OPTION_ENABLE_FEATURE, 1)
                                   : set_feature(request, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES);
  if (!cookie_option) {
    fail(kNoCookieOption);
    return false;
  }
  if (options_.no_redirect && !set_feature(request, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_REDIRECTS)) {
    fail(kNoRedirectOption);
    return false;
  }
  return true;
}

bool WinHttpFetch::send(std::string_view verb) {
  HINTERNET request = handles_.request.get();
  Text block = normalize_request_headers(winhttp_header_block(options_.headers, verb, options_.add_default_headers));
  block = add_winhttp_cookie_line(block, options_.cookies ? std::string_view(*options_.cookies) : std::string_view());
  // An empty block is not handed over: there is nothing to add.
  std::wstring wide_block = to_wide(block);
  if (!wide_block.empty() &&
      !WinHttpAddRequestHeaders(request, wide_block.c_str(), static_cast<DWORD>(wide_block.size()),
                                WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
    fail(kNoHeaders);
    return false;
  }
  DWORD body_length = static_cast<DWORD>(options_.body_text.size());
  void* body = body_length ? const_cast<char*>(options_.body_text.data()) : WINHTTP_NO_REQUEST_DATA;
  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, body, body_length, body_length, 0)) {
    fail(kNotSent);
    return false;
  }
  if (!WinHttpReceiveResponse(request, nullptr)) {
    fail(kNoResponse);
    return false;
  }
  return true;
}

Text WinHttpFetch::take_reply() {
  HINTERNET request = handles_.request.get();
  Bytes body = read_body(request, options_);
  std::optional<Text> raw_headers = read_raw_headers(request);
  if (!raw_headers) {
    process_pending_messages();
    return {};
  }
  if (options_.response_headers) {
    *options_.response_headers = *raw_headers;
  }
  if (options_.status_text) {
    *options_.status_text = status_text_from_headers(*raw_headers);
  }
  Text location;
  for (const Text& line : split_text(*raw_headers, "\r\n")) {
    process_pending_messages();
    if (std::optional<Text> value = location_in_line(line)) {
      location = *value;
    }
  }
  if (options_.location) {
    *options_.location = location;
  }
  // An empty cookie text of the caller is left alone.
  bool merge = options_.auto_merge_cookies && options_.cookies && !options_.cookies->empty();
  Text returned_cookies = take_reply_cookies(*raw_headers, options_.cookies, merge);
  if (options_.returned_cookies) {
    *options_.returned_cookies = returned_cookies;
  }
  if (options_.response_bytes) {
    *options_.response_bytes = body;
  }

  Text result = bytes_to_text(body);
  CharsetDecoder decoder = CharsetDecoder::none;
  {
    ComApartment apartment;
    Text charset = declared_charset(result);
    if (!charset.empty()) {
      if (std::optional<DecodedText> decoded = decode_charset(body, charset)) {
        result = std::move(decoded->text);
        decoder = decoded->decoder;
      }
    }
    process_pending_messages();
  }
  process_pending_messages();
  if (options_.decoded_by) {
    *options_.decoded_by = decoder;
  }
  return result;
}

Text WinHttpFetch::run() {
  if (!WinHttpCheckPlatform()) {
    return fail(kNoWinHttp);
  }
  std::optional<Target> target = crack_url(url_);
  if (!target) {
    return fail(kBadUrl);
  }
  if (!open(*target) || !configure() || !send(verb_for_method(options_.method))) {
    return {};
  }
  return take_reply();
}

}  // namespace

Text fetch_with_winhttp(std::string_view url, const WinHttpOptions& options) {
  return WinHttpFetch(url, options).run();
}

}  // namespace toolbox
