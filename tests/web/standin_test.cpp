// The stand-in services themselves, natively: what the Windows tests rely on
// when they read the stand-in's echo replies and its request log.
#include <gtest/gtest.h>

#include "tests/web/standin_client.h"

namespace toolbox::testing_support {
namespace {

class Standin : public StandinTest {};

Reply request_http(const std::string& request) {
  return send_raw_request(standin_ports().http, request);
}

TEST_F(Standin, EchoRepeatsTheRequestAsReceived) {
  std::string tag = unique_tag();
  Reply reply = request_http("POST /echo/sub?" + tag +
                             " HTTP/1.1\r\nHost: h\r\nx-lower: a b\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
  ASSERT_EQ(reply.status, 200);
  std::optional<EchoedRequest> echoed = parse_echoed_request(reply.body);
  ASSERT_TRUE(echoed);
  EXPECT_EQ(echoed->method, "POST");
  EXPECT_EQ(echoed->target, "/echo/sub?" + tag);
  EXPECT_EQ(echoed->version, "HTTP/1.1");
  EXPECT_TRUE(echoed->has_line("x-lower: a b"));
  EXPECT_EQ(echoed->header("X-LOWER"), "a b");
  EXPECT_FALSE(echoed->header("REMOTE_ADDR"));
}

TEST_F(Standin, EchoKeepsBinaryBodies) {
  std::string tag = unique_tag();
  std::string body("\x01\x00z\xFF", 4);
  Reply reply = request_http("PUT /echo?" + tag + " HTTP/1.1\r\nHost: h\r\nContent-Length: 4\r\nConnection: close\r\n\r\n" +
                             body);
  std::optional<EchoedRequest> echoed = parse_echoed_request(reply.body);
  ASSERT_TRUE(echoed);
  EXPECT_EQ(echoed->body, body);
  LoggedRequest logged = find_logged_request(tag);
  EXPECT_EQ(logged.count, 1);
  EXPECT_EQ(logged.scheme, "http");
  ASSERT_TRUE(logged.request);
  EXPECT_EQ(logged.request->body, body);
}

TEST_F(Standin, TraceAndConnectAreEchoedToo) {
  for (const char* verb : {"TRACE", "CONNECT"}) {
    std::string tag = unique_tag();
    Reply reply = request_http(std::string(verb) + " /echo?" + tag + " HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(reply.status, 200) << verb;
    LoggedRequest logged = find_logged_request(tag);
    ASSERT_TRUE(logged.request) << verb;
    EXPECT_EQ(logged.request->method, verb);
  }
}

TEST_F(Standin, CookiesEndpointSetsOneLinePerParameter) {
  Reply reply = request_http("GET /cookies?set=" + percent_encode("a=1; Path=/") + "&set=b%3Ddeleted&set=b%3Ddeleted" +
                             " HTTP/1.1\r\nHost: h\r\nCookie: old=1\r\nConnection: close\r\n\r\n");
  EXPECT_NE(reply.head.find("\r\nSet-Cookie: a=1; Path=/\r\nSet-Cookie: b=deleted\r\nSet-Cookie: b=deleted\r\n"),
            std::string::npos);
  std::optional<EchoedRequest> echoed = parse_echoed_request(reply.body);
  ASSERT_TRUE(echoed);
  EXPECT_EQ(echoed->header("Cookie"), "old=1");
}

TEST_F(Standin, RedirectNamesItsTarget) {
  Reply reply = request_http("GET /redirect?to=%2Fnext&status=301 HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(reply.head.rfind("HTTP/1.1 301 Moved Permanently\r\n", 0), 0u);
  EXPECT_EQ(reply.header("Location"), "/next");
}

TEST_F(Standin, BasicAuthenticationChallengesUntilTheCredentialsMatch) {
  Reply reply = request_http("GET /auth/basic?user=u&password=p HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(reply.status, 401);
  EXPECT_EQ(reply.header("WWW-Authenticate"), "Basic realm=\"standin\"");
  reply = request_http(
      "GET /auth/basic?user=u&password=p HTTP/1.1\r\nHost: h\r\nAuthorization: Basic dTpw\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(reply.status, 200);
}

TEST_F(Standin, ProxyLogsTheAbsoluteUrlAndPassesTheRequestOn) {
  std::string tag = unique_tag();
  std::string url = http_url("/echo?" + tag);
  Reply reply = request_http("GET " + url + " HTTP/1.1\r\nHost: 127.0.0.1\r\nProxy-Authorization: Basic dTo=\r\n"
                             "Connection: close\r\n\r\n");
  EXPECT_EQ(reply.status, 200);
  std::optional<EchoedRequest> onward = parse_echoed_request(reply.body);
  ASSERT_TRUE(onward);
  EXPECT_EQ(onward->target, "/echo?" + tag);
  EXPECT_FALSE(onward->header("Proxy-Authorization"));
  LoggedRequest at_proxy = find_logged_request(url);
  ASSERT_TRUE(at_proxy.request);
  EXPECT_EQ(at_proxy.request->header("Proxy-Authorization"), "Basic dTo=");
}

TEST_F(Standin, ProxyChallengesWhenAsked) {
  std::string url = http_url("/echo?proxy_challenge=1&" + unique_tag());
  Reply reply = request_http("GET " + url + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(reply.status, 407);
  EXPECT_EQ(reply.header("Proxy-Authenticate"), "Basic realm=\"standin proxy\"");
  reply = request_http("GET http://example.com/ HTTP/1.1\r\nHost: example.com\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(reply.status, 502);
}

TEST_F(Standin, CharsetPagesCarryTheirDeclaration) {
  Reply reply = request_http("GET /charset/gb2312 HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
  EXPECT_NE(reply.body.find("charset=gb2312>"), std::string::npos);
  // "你好" in GBK.
  EXPECT_NE(reply.body.find("\xC4\xE3\xBA\xC3"), std::string::npos);
  reply = request_http("GET /charset/utf-8-late HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
  EXPECT_GT(reply.body.find("<meta charset=utf-8>"), 1024u);
  EXPECT_NE(reply.body.find("<meta charset=utf-8>"), std::string::npos);
}

TEST_F(Standin, LargeHeadersHoldWhatWasAskedFor) {
  Reply reply = request_http("GET /headers/large?bytes=6000 HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n");
  EXPECT_GE(reply.head.size(), 6000u);
  EXPECT_EQ(reply.header("Set-Cookie"), "large=1; Path=/");
}

TEST_F(Standin, RawRepliesAreWrittenAsScripted) {
  std::string tag = unique_tag();
  Reply reply = send_raw_request(standin_ports().raw, "GET /malformed-status?" + tag + " HTTP/1.1\r\nHost: h\r\n\r\n");
  EXPECT_EQ(reply.head.rfind("HTTP/1.1 two hundred OK\r\n", 0), 0u);
  EXPECT_EQ(reply.body, "hello");
  LoggedRequest logged = find_logged_request(tag);
  EXPECT_EQ(logged.scheme, "raw");
  ASSERT_TRUE(logged.request);
  EXPECT_EQ(logged.request->target, "/malformed-status?" + tag);

  reply = send_raw_request(standin_ports().raw, "GET /close-mid-body HTTP/1.1\r\nHost: h\r\n\r\n");
  EXPECT_EQ(reply.header("Content-Length"), "100000");
  EXPECT_EQ(reply.body.size(), 10000u);

  reply = send_raw_request(standin_ports().raw, "GET /huge-headers?bytes=300000 HTTP/1.1\r\nHost: h\r\n\r\n");
  EXPECT_GE(reply.head.size(), 300000u);
  EXPECT_EQ(reply.body, "ok");
}

TEST_F(Standin, LogLookupsSayWhenNothingMatched) {
  LoggedRequest logged = find_logged_request("never-requested-" + unique_tag(), {.wait_ms = 50});
  EXPECT_EQ(logged.count, 0);
  EXPECT_FALSE(logged.request);
}

}  // namespace
}  // namespace toolbox::testing_support
