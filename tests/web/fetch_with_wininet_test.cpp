// fetch_with_wininet against the stand-in, through real sockets: every check
// reads what the stand-in received or what the call returned.
#include "web/fetch_with_wininet.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/web/fetch_test_support.h"
#include "tests/web/standin_client.h"

namespace toolbox {
namespace {

using namespace testing_support;

class WinINetFetch : public testing_support::StandinTest {};

constexpr const char* kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

TEST_F(WinINetFetch, VerbNumbersPickTheVerb) {
  struct Case {
    int method;
    const char* verb;
  };
  for (Case c : {Case{0, "GET"}, Case{1, "POST"}, Case{2, "HEAD"}, Case{3, "PUT"}, Case{4, "OPTIONS"},
                 Case{5, "DELETE"}, Case{9, "GET"}, Case{-1, "GET"}}) {
    std::string tag = unique_tag();
    fetch_with_wininet(http_url("/echo?" + tag), {.method = c.method});
    EchoedRequest logged = logged_request(tag);
    EXPECT_EQ(logged.method, c.verb) << "method " << c.method;
  }
}

TEST_F(WinINetFetch, EmptyHeadersBecomeTheDefaultsAsSent) {
  std::string tag = unique_tag();
  std::string url = http_url("/echo?" + tag);
  Text headers;
  Text response_headers;
  Bytes body = fetch_with_wininet(url, {.headers = &headers, .response_headers = &response_headers});
  EXPECT_EQ(headers, "Accept: */*\r\nReferer: " + url + "\r\nAccept-Language: zh-cn");
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("Accept: */*"));
  EXPECT_TRUE(logged.has_line("Referer: " + url));
  EXPECT_TRUE(logged.has_line("Accept-Language: zh-cn"));
  EXPECT_EQ(logged.header("User-Agent"), kDefaultAgent);
  EXPECT_EQ(response_headers.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " HTTP/1.1\r\n", 0), 0u);
}

TEST_F(WinINetFetch, UserAgentLineSetsTheAgentAndStaysInTheBlock) {
  std::string tag = unique_tag();
  Text headers = "accept: text/html\r\nuser-agent: Tester/1.0";
  fetch_with_wininet(http_url("/echo?" + tag), {.headers = &headers});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header_count("User-Agent"), 1);
  EXPECT_EQ(logged.header("User-Agent"), "Tester/1.0");
  EXPECT_EQ(logged.header("Accept"), "text/html");
  EXPECT_NE(headers.find("\r\nUser-Agent: Tester/1.0"), Text::npos);
}

TEST_F(WinINetFetch, GetNeverSendsABody) {
  std::string tag = unique_tag();
  Bytes body_bytes = {'b', 'y'};
  fetch_with_wininet(http_url("/echo?" + tag), {.body_text = "text", .body_bytes = &body_bytes});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.body, "");
  EXPECT_EQ(body_bytes, (Bytes{'b', 'y'}));
}

TEST_F(WinINetFetch, PostSendsTheTextsBytesAndHandsThemBack) {
  std::string tag = unique_tag();
  Bytes body_bytes;
  Text headers;
  fetch_with_wininet(http_url("/echo?" + tag),
                     {.method = 1, .body_text = "名=值", .headers = &headers, .body_bytes = &body_bytes});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.body, "名=值");
  EXPECT_EQ(text_of(body_bytes), "名=值");
  EXPECT_EQ(logged.header("Content-Type"), "application/x-www-form-urlencoded");

  tag = unique_tag();
  body_bytes = {0x00, 0x01, 0xFE};
  fetch_with_wininet(http_url("/echo?" + tag), {.method = 3, .body_text = "ignored", .body_bytes = &body_bytes});
  logged = logged_request(tag);
  EXPECT_EQ(logged.body, std::string("\0\x01\xFE", 3));
}

TEST_F(WinINetFetch, SendsTheCookiesAndMergesTheReplysIntoThem) {
  std::string tag = unique_tag();
  Text cookies = "a=1; b=2";
  Text returned;
  Text headers;
  fetch_with_wininet(http_url(with_set_cookies("/cookies?" + tag, {"a=deleted; path=/", "c=3"})),
                     {.cookies = &cookies, .returned_cookies = &returned, .headers = &headers});
  EXPECT_EQ(cookies, "c=3; b=2");
  EXPECT_EQ(returned, "c=3; b=2");
  EXPECT_NE(headers.find("\r\nCookie: a=1; b=2"), Text::npos);
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header("Cookie"), "a=1; b=2");
}

TEST_F(WinINetFetch, CookiesJoinTheCallersCookieLine) {
  std::string tag = unique_tag();
  Text cookies = "a=1";
  Text headers = "Cookie: x=1";
  fetch_with_wininet(http_url("/echo?" + tag), {.cookies = &cookies, .headers = &headers});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header_count("Cookie"), 1);
  EXPECT_EQ(logged.header("Cookie"), "x=1; a=1");
}

TEST_F(WinINetFetch, CookiesGivenEmptyKeepThePlatformsCookiesOut) {
  // The reply sets a cookie and redirects; the redirected request must not carry it.
  std::string tag = unique_tag();
  Text cookies;
  Text returned;
  fetch_with_wininet(http_url(with_set_cookies("/redirect?to=" + percent_encode("/echo?" + tag), {"own=1; path=/"})),
                     {.cookies = &cookies, .returned_cookies = &returned});
  EchoedRequest logged = logged_request("/echo?" + tag);
  EXPECT_FALSE(logged.header("Cookie"));
}

TEST_F(WinINetFetch, NoRedirectHandsBackTheRedirect) {
  std::string tag = unique_tag();
  std::string url = http_url("/redirect?to=" + percent_encode("/echo?" + tag));
  Text response_headers;
  Bytes body = fetch_with_wininet(url, {.response_headers = &response_headers, .no_redirect = true});
  EXPECT_EQ(response_headers.rfind("HTTP/1.1 302 Found\r\n", 0), 0u);
  EXPECT_NE(response_headers.find("\r\nLocation: /echo?" + tag + "\r\n"), Text::npos);
  EXPECT_EQ(text_of(body), "redirected to /echo?" + tag);

  body = fetch_with_wininet(url, {.response_headers = &response_headers});
  EXPECT_EQ(response_headers.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " ", 0), 0u);
}

TEST_F(WinINetFetch, ReadsResponseHeadersOfAnyLength) {
  for (int bytes : {4000, 6000, 60000}) {
    Text response_headers;
    Text returned;
    Bytes body = fetch_with_wininet(http_url("/headers/large?bytes=" + std::to_string(bytes)),
                                    {.returned_cookies = &returned, .response_headers = &response_headers});
    EXPECT_GE(response_headers.size(), static_cast<std::size_t>(bytes)) << bytes;
    EXPECT_EQ(response_headers.substr(response_headers.size() - 4), "\r\n\r\n") << bytes;
    EXPECT_EQ(returned, "large=1") << bytes;
    EXPECT_FALSE(body.empty()) << bytes;
  }
}

TEST_F(WinINetFetch, UrlWithoutSchemeIsPlainHttp) {
  std::string tag = unique_tag();
  std::string url = http_url("/echo?" + tag).substr(7);
  Bytes body = fetch_with_wininet(url);
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " ", 0), 0u);
}

TEST_F(WinINetFetch, SpeaksHttpsToATrustedServer) {
  std::string tag = unique_tag();
  Bytes body = fetch_with_wininet(https_url("/echo?" + tag));
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " ", 0), 0u);
  EXPECT_EQ(find_logged_request(tag).scheme, "https");
}

TEST_F(WinINetFetch, PlainRequestsGoThroughTheProxy) {
  std::string proxy = "127.0.0.1:" + std::to_string(standin_ports().http);
  std::string url = http_url("/echo?" + unique_tag());
  Bytes body = fetch_with_wininet(url, {.proxy = proxy});
  EchoedRequest at_proxy = logged_request(url);
  EXPECT_EQ(at_proxy.target, url);
  EXPECT_NE(text_of(body).find("Via: 1.1 standin-proxy"), std::string::npos);
}

TEST_F(WinINetFetch, UnreachableServerGivesNothing) {
  Text response_headers = "stale";
  Text cookies = "a=1; a=1";
  Bytes body = fetch_with_wininet("http://127.0.0.1:1/", {.cookies = &cookies, .response_headers = &response_headers});
  EXPECT_TRUE(body.empty());
  EXPECT_EQ(response_headers, "");
  EXPECT_EQ(cookies, "a=1");

  // The raw-reply port closes "/no-reply" without answering.
  response_headers = "stale";
  body = fetch_with_wininet(raw_url("/no-reply"), {.response_headers = &response_headers});
  EXPECT_TRUE(body.empty());
  EXPECT_EQ(response_headers, "");
}

TEST_F(WinINetFetch, BadRepliesEndTheCallWithWhatArrived) {
  Text returned;
  Text response_headers;
  // The server announces 100000 body bytes and closes after 10000.
  Bytes body = fetch_with_wininet(raw_url("/close-mid-body"), {.returned_cookies = &returned});
  EXPECT_EQ(text_of(body), std::string(10000, 'x'));
  EXPECT_EQ(returned, "partial=1");
  // A megabyte of header lines: read whole, the cookie after them included.
  body = fetch_with_wininet(raw_url("/huge-headers"), {.returned_cookies = &returned, .response_headers = &response_headers});
  EXPECT_EQ(text_of(body), "ok");
  EXPECT_EQ(returned, "huge=1");
  EXPECT_GT(response_headers.size(), 1000000u);
  for (const char* path : {"/malformed-status", "/not-http"}) {
    Stopwatch stopwatch;
    body = fetch_with_wininet(raw_url(path));
    EXPECT_LT(stopwatch.seconds(), 30.0) << path;
    EXPECT_LE(body.size(), 5u) << path;
  }
}

}  // namespace
}  // namespace toolbox
