// fetch_with_request_object against the stand-in, through real sockets:
// every check reads what the stand-in received or what the call returned.
#include "web/fetch_with_request_object.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/web/fetch_test_support.h"
#include "tests/web/standin_client.h"

namespace toolbox {
namespace {

using namespace testing_support;

class RequestObjectFetch : public testing_support::StandinTest {};

// The request as the first server got it: the stand-in's proxy when the
// object went through it (it logs the absolute URL), else the stand-in
// itself. Wine's request object ignores SetProxy and goes direct.
EchoedRequest first_hop(const std::string& url, const std::string& tag) {
  auto at_proxy = find_logged_request(url, {.wait_ms = 0});
  if (at_proxy.request && at_proxy.request->target == url) {
    return *at_proxy.request;
  }
  return logged_request(tag);
}

TEST_F(RequestObjectFetch, VerbNumbersPickTheVerb) {
  struct Case {
    int method;
    const char* verb;
  };
  for (Case c : {Case{0, "GET"}, Case{1, "POST"}, Case{2, "HEAD"}, Case{3, "PUT"}, Case{4, "OPTIONS"},
                 Case{5, "DELETE"}, Case{6, "TRACE"}, Case{8, "GET"}, Case{9, "GET"}, Case{-1, "GET"}}) {
    std::string tag = unique_tag();
    int status = 0;
    fetch_with_request_object(http_url("/echo?" + tag), {.method = c.method, .status = &status});
    EchoedRequest logged = logged_request(tag);
    EXPECT_EQ(logged.method, c.verb) << "method " << c.method;
    EXPECT_EQ(status, 200) << "method " << c.method;
  }
}

TEST_F(RequestObjectFetch, SendsTheDefaultHeadersAndRewritesTheCallersBlock) {
  std::string tag = unique_tag();
  std::string url = http_url("/echo?" + tag);
  Text headers;
  Bytes body = fetch_with_request_object(url, {.headers = &headers});
  EXPECT_EQ(headers, "Accept: */*\r\nReferer: " + url +
                         "\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("Accept: */*"));
  EXPECT_TRUE(logged.has_line("Referer: " + url));
  EXPECT_TRUE(logged.has_line("Accept-Language: zh-cn"));
  EXPECT_TRUE(logged.has_line("User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"));
  EXPECT_FALSE(logged.header("Content-Type"));
  // The reply is the stand-in's echo of that same request.
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " HTTP/1.1\r\n", 0), 0u);
}

TEST_F(RequestObjectFetch, PostAddsTheFormContentTypeUnlessTheCallerNamesOne) {
  std::string tag = unique_tag();
  fetch_with_request_object(http_url("/echo?" + tag), {.method = 1, .body_text = "a=1"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(logged.body, "a=1");

  tag = unique_tag();
  Text headers = "content-type: text/plain";
  fetch_with_request_object(http_url("/echo?" + tag), {.method = 1, .body_text = "b", .headers = &headers});
  logged = logged_request(tag);
  EXPECT_EQ(logged.header_count("Content-Type"), 1);
  EXPECT_EQ(logged.header("Content-Type"), "text/plain");
}

TEST_F(RequestObjectFetch, CallersLineOfAnyLetterCaseReplacesTheDefaultAndIsNormalised) {
  std::string tag = unique_tag();
  Text headers = "accept: text/html\r\nx-my-header: 1\r\nREFERER: http://elsewhere/";
  fetch_with_request_object(http_url("/echo?" + tag), {.headers = &headers});
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("Accept: text/html"));
  EXPECT_EQ(logged.header_count("Accept"), 1);
  EXPECT_TRUE(logged.has_line("X-My-Header: 1"));
  EXPECT_EQ(logged.header("Referer"), "http://elsewhere/");
  EXPECT_EQ(headers.rfind("Accept: text/html\r\nX-My-Header: 1\r\nREFERER: http://elsewhere/\r\n"
                          "Accept-Language: zh-cn\r\nUser-Agent: ", 0),
            0u);
}

TEST_F(RequestObjectFetch, WithoutDefaultsOnlyTheCallersLinesAreAdded) {
  std::string tag = unique_tag();
  Text headers = "x-only: 1";
  fetch_with_request_object(http_url("/echo?" + tag), {.headers = &headers, .add_default_headers = false});
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("X-Only: 1"));
  EXPECT_FALSE(logged.header("Referer"));
  EXPECT_FALSE(logged.header("Accept-Language"));
  EXPECT_EQ(headers, "X-Only: 1");
}

TEST_F(RequestObjectFetch, ReportsStatusAndResponseHeaders) {
  Text response_headers;
  int status = 0;
  Bytes body = fetch_with_request_object(http_url("/charset/none"),
                                         {.response_headers = &response_headers, .status = &status});
  EXPECT_EQ(status, 200);
  EXPECT_NE(response_headers.find("Content-Type: text/html\r\n"), Text::npos);
  EXPECT_NE(text_of(body).find(testing_support::utf8(u8"你好，世界")), std::string::npos);

  fetch_with_request_object(http_url("/no/such/page"), {.status = &status});
  EXPECT_EQ(status, 404);
}

TEST_F(RequestObjectFetch, CookiesGivenEmptyEndAsTheMergeOfTheReplysCookies) {
  std::string tag = unique_tag();
  Text cookies;
  Text returned = "stale";
  fetch_with_request_object(http_url(with_set_cookies("/cookies?" + tag, {"a=1; path=/", "b=2"})), {.cookies = &cookies, .returned_cookies = &returned});
  EXPECT_EQ(returned, "a=1; b=2");
  EXPECT_EQ(cookies, "a=1; b=2");
  EchoedRequest logged = logged_request(tag);
  // An empty Cookie header carries nothing: the request object leaves it out.
  EXPECT_EQ(logged.header("Cookie").value_or(""), "");
}

TEST_F(RequestObjectFetch, MergesTheReplysCookiesIntoTheCallers) {
  std::string tag = unique_tag();
  Text cookies = "a=1; b=2; c=3";
  Text returned;
  fetch_with_request_object(http_url(with_set_cookies("/cookies?" + tag, {"b=deleted; path=/", "c=9", "d=4", "d=4"})),
                            {.cookies = &cookies, .returned_cookies = &returned});
  EXPECT_EQ(cookies, "c=9; d=4; a=1");
  EXPECT_EQ(returned, cookies);
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header("Cookie"), "a=1; b=2; c=3");
}

TEST_F(RequestObjectFetch, WithoutMergingReturnsTheSetCookiesAsTheyCame) {
  Text cookies = "x=1";
  Text returned;
  fetch_with_request_object(http_url(with_set_cookies("/cookies?" + unique_tag(), {"a=1; path=/", "b=2"})),
                            {.cookies = &cookies, .returned_cookies = &returned, .auto_merge_cookies = false});
  EXPECT_EQ(returned, "a=1; b=2");
  EXPECT_EQ(cookies, "x=1");
}

TEST_F(RequestObjectFetch, CookiesNotGivenSendNoCookieHeader) {
  std::string tag = unique_tag();
  Text returned;
  fetch_with_request_object(http_url(with_set_cookies("/cookies?" + tag, {"z=26"})), {.returned_cookies = &returned});
  EXPECT_EQ(returned, "z=26");
  EchoedRequest logged = logged_request(tag);
  EXPECT_FALSE(logged.header("Cookie"));
}

TEST_F(RequestObjectFetch, ByteBodyBeatsTextBody) {
  std::string tag = unique_tag();
  const Bytes bytes = {'b', 0x00, 0xFF, 'z'};
  fetch_with_request_object(http_url("/echo?" + tag), {.method = 3, .body_text = "text", .body_bytes = bytes});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.method, "PUT");
  EXPECT_EQ(logged.body, std::string("b\0\xFFz", 4));
}

TEST_F(RequestObjectFetch, ProxyAuthorizationIsBasicOfUserAndColon) {
  std::string proxy = "127.0.0.1:" + std::to_string(standin_ports().http);
  struct Case {
    const char* user;
    const char* password;
    const char* header;
  };
  // The credential's GBK bytes are encoded: "用户" is D3 C3 BB A7.
  for (Case c : {Case{"u", "", "Basic dTo="}, Case{"用户", "p:w", "Basic 08O7pzpwOnc="}}) {
    std::string tag = unique_tag();
    std::string url = http_url("/echo?" + tag);
    int status = 0;
    fetch_with_request_object(url, {.status = &status, .proxy = proxy, .proxy_user = c.user, .proxy_password = c.password});
    EXPECT_EQ(status, 200);
    EXPECT_EQ(first_hop(url, tag).header("Proxy-Authorization"), c.header);
  }
}

TEST_F(RequestObjectFetch, ProxyAuthorizationNeedsAProxyAUserAndModeOne) {
  std::string proxy = "127.0.0.1:" + std::to_string(standin_ports().http);
  std::string tag = unique_tag();
  fetch_with_request_object(http_url("/echo?" + tag), {.proxy_user = "u", .proxy_password = "p"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_FALSE(logged.header("Proxy-Authorization"));

  tag = unique_tag();
  std::string url = http_url("/echo?" + tag);
  fetch_with_request_object(url, {.proxy = proxy, .proxy_user = "u", .proxy_password = "p", .proxy_auth_mode = 0});
  logged = first_hop(url, tag);
  EXPECT_FALSE(logged.header("Proxy-Authorization"));
}

TEST_F(RequestObjectFetch, TwoSecondTimeOutBoundsAServerThatStallsMidReply) {
  // The stand-in sends its headers at once and the body after 8 s. (Wine's
  // object does not bound the wait for the headers themselves.)
  Stopwatch stopwatch;
  Bytes body = fetch_with_request_object(http_url("/slow?ms=8000&stall=body"), {.timeout_seconds = 2});
  double elapsed = stopwatch.seconds();
  EXPECT_TRUE(body.empty());
  EXPECT_GE(elapsed, 1.5);
  EXPECT_LT(elapsed, 6.0);
}

TEST_F(RequestObjectFetch, OmittedTimeOutWaitsLongerThanAFewSeconds) {
  int status = 0;
  Bytes body = fetch_with_request_object(http_url("/slow?ms=3000"), {.status = &status});
  EXPECT_EQ(status, 200);
  EXPECT_FALSE(body.empty());
  body = fetch_with_request_object(http_url("/slow?ms=3000"), {.status = &status, .timeout_seconds = -1});
  EXPECT_EQ(status, 200);
  EXPECT_FALSE(body.empty());
}

TEST_F(RequestObjectFetch, RedirectsAreFollowedUnlessForbidden) {
  std::string tag = unique_tag();
  std::string redirect = http_url("/redirect?to=" + percent_encode("/echo?" + tag));
  int status = 0;
  Text response_headers;
  Bytes body = fetch_with_request_object(redirect, {.response_headers = &response_headers, .status = &status,
                                                    .no_redirect = true});
  EXPECT_EQ(status, 302);
  EXPECT_NE(response_headers.find("Location: /echo?" + tag + "\r\n"), Text::npos);
  EXPECT_EQ(text_of(body), "redirected to /echo?" + tag);
  // Only the redirect itself arrived (its query names the target encoded).
  EXPECT_EQ(find_logged_request(tag).count, 1);
  EXPECT_EQ(find_logged_request("/echo?" + tag, {.wait_ms = 500}).count, 0);

  body = fetch_with_request_object(redirect, {.status = &status});
  EXPECT_EQ(status, 200);
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " ", 0), 0u);
}

TEST_F(RequestObjectFetch, SpeaksHttpsToATrustedServer) {
  std::string tag = unique_tag();
  int status = 0;
  Bytes body = fetch_with_request_object(https_url("/echo?" + tag), {.status = &status});
  EXPECT_EQ(status, 200);
  auto logged = find_logged_request(tag);
  EXPECT_EQ(logged.scheme, "https");
  EXPECT_EQ(text_of(body).rfind("GET /echo?" + tag + " ", 0), 0u);
}

TEST_F(RequestObjectFetch, CallersObjectKeepsTheCookiesItHandles) {
  RequestObject shared = RequestObject::create();
  ASSERT_TRUE(shared);
  // Without a cookie text of the caller the object keeps what the reply set...
  int status = 0;
  fetch_with_request_object(http_url(with_set_cookies("/cookies?" + unique_tag(), {"kept=1; path=/"})), {.status = &status, .request_object = &shared});
  EXPECT_EQ(status, 200);
  std::string tag = unique_tag();
  fetch_with_request_object(http_url("/echo?" + tag), {.request_object = &shared});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header("Cookie"), "kept=1");
  // ...and a new object starts without it.
  tag = unique_tag();
  fetch_with_request_object(http_url("/echo?" + tag));
  logged = logged_request(tag);
  EXPECT_FALSE(logged.header("Cookie"));
}

TEST_F(RequestObjectFetch, RefusedConnectionStillMergesTheCallersCookies) {
  Text cookies = "a = 1; gone=deleted; a=1";
  Text returned = "stale";
  Text response_headers = "stale";
  int status = -1;
  // The raw-reply port answers "/no-reply" by closing at once.
  Bytes body = fetch_with_request_object(raw_url("/no-reply"), {.cookies = &cookies, .returned_cookies = &returned,
                                                                .response_headers = &response_headers,
                                                                .status = &status, .timeout_seconds = 5});
  EXPECT_TRUE(body.empty());
  EXPECT_EQ(status, 0);
  EXPECT_EQ(response_headers, "");
  EXPECT_EQ(cookies, "a=1");
  EXPECT_EQ(returned, "a=1");
}

TEST_F(RequestObjectFetch, BadRepliesEndTheCallWithWhatArrived) {
  Text returned;
  Text response_headers;
  // The server announces 100000 body bytes and closes after 10000.
  Bytes body = fetch_with_request_object(raw_url("/close-mid-body"), {.returned_cookies = &returned, .timeout_seconds = 5});
  EXPECT_EQ(text_of(body), std::string(10000, 'x'));
  EXPECT_EQ(returned, "partial=1");
  // A megabyte of header lines.
  body = fetch_with_request_object(raw_url("/huge-headers"), {.returned_cookies = &returned,
                                                              .response_headers = &response_headers,
                                                              .timeout_seconds = 5});
  EXPECT_EQ(text_of(body), "ok");
  EXPECT_EQ(returned, "huge=1");
  EXPECT_GT(response_headers.size(), 1000000u);
  for (const char* path : {"/malformed-status", "/not-http"}) {
    Stopwatch stopwatch;
    body = fetch_with_request_object(raw_url(path), {.timeout_seconds = 5});
    EXPECT_LT(stopwatch.seconds(), 16.0) << path;
    EXPECT_LE(body.size(), 5u) << path;
  }
}

}  // namespace
}  // namespace toolbox
