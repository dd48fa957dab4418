// fetch_with_winhttp against the stand-in, through real sockets: every check
// reads what the stand-in received or what the call returned.
#include "web/fetch_with_winhttp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/com_apartment.h"
#include "tests/web/fetch_test_support.h"
#include "tests/web/standin_client.h"

namespace toolbox {
namespace {

using namespace testing_support;

class WinHttpFetch : public testing_support::StandinTest {};

TEST_F(WinHttpFetch, VerbNumbersPickTheVerb) {
  struct Case {
    int method;
    const char* verb;
  };
  for (Case c : {Case{0, "GET"}, Case{1, "POST"}, Case{2, "HEAD"}, Case{3, "PUT"}, Case{4, "OPTIONS"},
                 Case{5, "DELETE"}, Case{6, "TRACE"}, Case{8, "GET"}, Case{-1, "GET"}}) {
    std::string tag = unique_tag();
    Text status_text;
    fetch_with_winhttp(http_url("/echo?" + tag), {.method = c.method, .status_text = &status_text});
    EchoedRequest logged = logged_request(tag);
    EXPECT_EQ(logged.method, c.verb) << "method " << c.method;
    EXPECT_EQ(status_text, "200 OK") << "method " << c.method;
  }
}

TEST_F(WinHttpFetch, SendsTheDefaultHeaders) {
  std::string tag = unique_tag();
  Text body = fetch_with_winhttp(http_url("/echo?" + tag), {.method = 1, .body_text = "k=v"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)"));
  EXPECT_TRUE(logged.has_line("Accept: text/html, application/xhtml+xml, */*"));
  EXPECT_TRUE(logged.has_line("Accept-Encoding: gbk, GB2312"));
  EXPECT_TRUE(logged.has_line("Accept-Language: zh-cn"));
  EXPECT_TRUE(logged.has_line("Cache-Control: no-cache"));
  EXPECT_TRUE(logged.has_line("Content-Type: application/x-www-form-urlencoded"));
  EXPECT_FALSE(logged.header("Cookie"));
  EXPECT_EQ(logged.body, "k=v");
  EXPECT_EQ(body.rfind("POST /echo?" + tag + " HTTP/1.1\r\n", 0), 0u);
}

TEST_F(WinHttpFetch, CallersLinesWinAndAreNormalised) {
  std::string tag = unique_tag();
  fetch_with_winhttp(http_url("/echo?" + tag), {.headers = "accept: text/plain\r\nx-my-header: 1\r\nuser-agent: Me"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("Accept: text/plain"));
  EXPECT_EQ(logged.header_count("Accept"), 1);
  EXPECT_TRUE(logged.has_line("X-My-Header: 1"));
  EXPECT_EQ(logged.header("User-Agent"), "Me");
  EXPECT_FALSE(logged.header("Content-Type"));

  tag = unique_tag();
  fetch_with_winhttp(http_url("/echo?" + tag), {.headers = "X-Only: 1", .add_default_headers = false});
  logged = logged_request(tag);
  EXPECT_TRUE(logged.has_line("X-Only: 1"));
  EXPECT_FALSE(logged.header("Accept-Encoding"));
  EXPECT_FALSE(logged.header("Cache-Control"));
}

TEST_F(WinHttpFetch, BodyTextGoesOutAsItsGbkBytes) {
  std::string tag = unique_tag();
  fetch_with_winhttp(http_url("/echo?" + tag), {.method = 3, .body_text = "名字=张三"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.method, "PUT");
  EXPECT_EQ(logged.body, "名字=张三");
}

TEST_F(WinHttpFetch, SendsTheCookiesAndMergesTheReplysIntoThem) {
  std::string tag = unique_tag();
  Text cookies = "a=1; b=2";
  Text returned;
  fetch_with_winhttp(http_url(with_set_cookies("/cookies?" + tag, {"b=deleted; path=/", "c=3"})),
                     {.cookies = &cookies, .returned_cookies = &returned});
  EXPECT_EQ(cookies, "c=3; a=1");
  EXPECT_EQ(returned, "c=3; a=1");
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header("Cookie"), "a=1; b=2");
}

TEST_F(WinHttpFetch, CallersCookieHeaderKeepsTheCookiesOut) {
  std::string tag = unique_tag();
  Text cookies = "a=1";
  fetch_with_winhttp(http_url("/echo?" + tag), {.cookies = &cookies, .headers = "cookie: x=1"});
  EchoedRequest logged = logged_request(tag);
  EXPECT_EQ(logged.header_count("Cookie"), 1);
  EXPECT_EQ(logged.header("Cookie"), "x=1");
}

TEST_F(WinHttpFetch, WithoutCookiesThePlatformKeepsNoneOfItsOwn) {
  // The reply sets a cookie and redirects; the redirected request must not carry it.
  std::string tag = unique_tag();
  Text returned;
  Text status_text;
  fetch_with_winhttp(http_url(with_set_cookies("/redirect?to=" + percent_encode("/echo?" + tag), {"own=1; path=/"})),
                     {.returned_cookies = &returned, .status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EchoedRequest logged = logged_request("/echo?" + tag);
  EXPECT_FALSE(logged.header("Cookie"));
}

TEST_F(WinHttpFetch, ReplyWithoutCookiesStillRewritesTheCallers) {
  Text cookies = "a = 1; gone=deleted; a=1";
  Text returned = "stale";
  fetch_with_winhttp(http_url("/echo?" + unique_tag()), {.cookies = &cookies, .returned_cookies = &returned});
  EXPECT_EQ(cookies, "a=1");
  EXPECT_EQ(returned, "a=1");
}

TEST_F(WinHttpFetch, NoRedirectReportsTheStatusAndTheLocation) {
  std::string tag = unique_tag();
  std::string url = http_url("/redirect?to=" + percent_encode("/echo?" + tag));
  Text status_text;
  Text location = "stale";
  Text response_headers;
  Text body = fetch_with_winhttp(url, {.response_headers = &response_headers, .no_redirect = true,
                                       .location = &location, .status_text = &status_text});
  EXPECT_EQ(status_text, "302 Found");
  EXPECT_EQ(location, "/echo?" + tag);
  EXPECT_EQ(body, "redirected to /echo?" + tag);
  EXPECT_EQ(response_headers.rfind("HTTP/1.1 302 Found\r\n", 0), 0u);
  EXPECT_EQ(response_headers.substr(response_headers.size() - 4), "\r\n\r\n");

  body = fetch_with_winhttp(url, {.location = &location, .status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EXPECT_EQ(location, "");
  EXPECT_EQ(body.rfind("GET /echo?" + tag + " ", 0), 0u);
}

TEST_F(WinHttpFetch, UrlWithAQueryButNoPathAsksForTheRoot) {
  Text status_text;
  Text body = fetch_with_winhttp(http_url("?x=1"), {.status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EXPECT_EQ(body.rfind("GET / HTTP/1.1\r\n", 0), 0u);
}

TEST_F(WinHttpFetch, TwoSecondTimeOutBoundsASlowServer) {
  for (const char* path : {"/slow?ms=8000", "/slow?ms=8000&stall=body"}) {
    Stopwatch stopwatch;
    Text status_text;
    Text body = fetch_with_winhttp(http_url(path), {.timeout_seconds = 2, .status_text = &status_text});
    double elapsed = stopwatch.seconds();
    EXPECT_EQ(body, "") << path;
    EXPECT_GE(elapsed, 1.5) << path;
    EXPECT_LT(elapsed, 6.0) << path;
  }
}

TEST_F(WinHttpFetch, MinusOneStillMeansThirtySeconds) {
  Text status_text;
  Text body = fetch_with_winhttp(http_url("/slow?ms=3000"), {.timeout_seconds = -1, .status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EXPECT_NE(body, "");
}

TEST_F(WinHttpFetch, AnswersABasicChallengeWithTheCredentials) {
  std::string tag = unique_tag();
  Text status_text;
  fetch_with_winhttp(http_url("/auth/basic?user=u&password=p&" + tag),
                     {.user = "u", .password = "p", .status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  // WinHttp may answer the challenge or send the credentials at once.
  auto logged = find_logged_request(tag);
  EXPECT_GE(logged.count, 1);
  ASSERT_TRUE(logged.request);
  EXPECT_EQ(logged.request->header("Authorization"), "Basic dTpw");
}

TEST_F(WinHttpFetch, UserWithoutPasswordSetsNoCredentials) {
  Text status_text;
  fetch_with_winhttp(http_url("/auth/basic?user=u&password="), {.user = "u", .status_text = &status_text});
  EXPECT_EQ(status_text, "401 Unauthorized");
}

// A secure request names the proxy as it is; the stand-in's raw port
// tunnels HTTPS. (Plain requests name it "http=host:port", a form that Wine's
// WinHttp does not read; nor does it answer a proxy's challenge to CONNECT,
// so the proxy credentials are only shown to be accepted here.)
TEST_F(WinHttpFetch, SecureRequestsTunnelThroughTheProxy) {
  std::string proxy = "127.0.0.1:" + std::to_string(standin_ports().raw);
  std::string tag = unique_tag();
  Text status_text;
  Text body = fetch_with_winhttp(https_url("/echo?" + tag), {.proxy = proxy, .proxy_user = "pu", .proxy_password = "pp",
                                                            .status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EXPECT_EQ(body.rfind("GET /echo?" + tag + " ", 0), 0u);
  auto tunnel = find_logged_request("localhost:" + std::to_string(standin_ports().https),
                                    {.method = "CONNECT"});
  ASSERT_TRUE(tunnel.request);
  EXPECT_EQ(tunnel.scheme, "raw");
}

TEST_F(WinHttpFetch, SpeaksHttpsToATrustedServer) {
  std::string tag = unique_tag();
  Text status_text;
  Text body = fetch_with_winhttp(https_url("/echo?" + tag), {.status_text = &status_text});
  EXPECT_EQ(status_text, "200 OK");
  EXPECT_EQ(find_logged_request(tag).scheme, "https");
  EXPECT_EQ(body.rfind("GET /echo?" + tag + " ", 0), 0u);
}

struct CharsetCase {
  const char* page;
  std::string expected;  // what the result must contain
  bool decoded;
};

TEST_F(WinHttpFetch, DecodesTheCharacterSetThePageDeclares) {
  const CharsetCase cases[] = {
      {"gb2312", "中文页面：你好，世界", true},
      {"gbk", "中文页面：你好，世界", true},
      {"big5", "中文頁面：你好，世界", true},
      {"utf-8", "中文页面：你好，世界", true},
      // Declared after byte 1024, or not at all: the UTF-8 bytes come back as they are.
      {"utf-8-late", utf8(u8"中文页面：你好，世界"), false},
      {"none", utf8(u8"中文页面：你好，世界"), false},
      // A name no decoder knows leaves the bytes alone too.
      {"unknown", utf8(u8"中文页面：你好，世界"), false},
  };
  for (const CharsetCase& c : cases) {
    CharsetDecoder decoder = CharsetDecoder::stream_dispatch;
    Bytes raw;
    Text status_text;
    Text body = fetch_with_winhttp(http_url(std::string("/charset/") + c.page),
                                   {.status_text = &status_text, .response_bytes = &raw, .decoded_by = &decoder});
    EXPECT_EQ(status_text, "200 OK") << c.page;
    EXPECT_NE(body.find(c.expected), Text::npos) << c.page;
    EXPECT_EQ(decoder != CharsetDecoder::none, c.decoded) << c.page;
    EXPECT_EQ(raw.size() > 1100, std::string(c.page) == "utf-8-late") << c.page;
    if (!c.decoded) {
      EXPECT_EQ(body, std::string(raw.begin(), raw.end())) << c.page;
    }
    std::cout << c.page << ": decoder " << static_cast<int>(decoder) << "\n";
  }
}

TEST_F(WinHttpFetch, NumberedMessagesForFailures) {
  Text status_text;
  Text location = "untouched";
  EXPECT_EQ(fetch_with_winhttp("not a url", {.location = &location, .status_text = &status_text}), "");
  EXPECT_EQ(status_text, "701 解析URL地址失败!");
  EXPECT_EQ(location, "untouched");

  // The raw-reply port closes "/no-reply" without answering.
  EXPECT_EQ(fetch_with_winhttp(raw_url("/no-reply"), {.status_text = &status_text}), "");
  EXPECT_EQ(status_text, "712 服务器未响应!");

  // Nothing listens on port 1 of the loopback address.
  Bytes raw = {'u', 'n', 't', 'o', 'u', 'c', 'h', 'e', 'd'};
  EXPECT_EQ(fetch_with_winhttp("http://127.0.0.1:1/", {.status_text = &status_text, .response_bytes = &raw}), "");
  EXPECT_EQ(status_text, "711 发送请求失败!");
  EXPECT_EQ(raw.size(), 9u);
}

TEST_F(WinHttpFetch, BadRepliesEndTheCallWithWhatArrived) {
  Text returned;
  Text response_headers;
  Text status_text;
  // The server announces 100000 body bytes and closes after 10000.
  Text body = fetch_with_winhttp(raw_url("/close-mid-body"), {.returned_cookies = &returned, .timeout_seconds = 5,
                                                             .status_text = &status_text});
  EXPECT_EQ(body, std::string(10000, 'x'));
  EXPECT_EQ(returned, "partial=1");
  EXPECT_EQ(status_text, "200 OK");
  // A megabyte of header lines.
  body = fetch_with_winhttp(raw_url("/huge-headers"), {.returned_cookies = &returned,
                                                      .response_headers = &response_headers, .timeout_seconds = 5});
  EXPECT_EQ(body, "ok");
  EXPECT_EQ(returned, "huge=1");
  EXPECT_GT(response_headers.size(), 1000000u);
  for (const char* path : {"/malformed-status", "/not-http"}) {
    Stopwatch stopwatch;
    body = fetch_with_winhttp(raw_url(path), {.timeout_seconds = 5, .status_text = &status_text});
    EXPECT_LT(stopwatch.seconds(), 16.0) << path;
    EXPECT_LE(body.size(), 5u) << path;
    EXPECT_FALSE(status_text.empty()) << path;
  }
}

// A timer without a window is served by DispatchMessage calling its procedure:
// one that is due when the call begins fires inside it.
int timer_calls = 0;

void CALLBACK count_timer(HWND, UINT, UINT_PTR timer, DWORD) {
  ++timer_calls;
  KillTimer(nullptr, timer);
}

TEST_F(WinHttpFetch, ProcessesPendingWindowMessages) {
  // A reply taken apart, and a send that fails.
  for (const std::string& url : {http_url("/echo?" + unique_tag()), std::string("http://127.0.0.1:1/")}) {
    timer_calls = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, count_timer);
    ASSERT_NE(timer, 0u);
    Sleep(50);
    fetch_with_winhttp(url);
    EXPECT_EQ(timer_calls, 1) << url;
    KillTimer(nullptr, timer);
  }
}

TEST(CharsetDecoding, StreamInterfaceReadsUnicode) {
  ComApartment apartment;
  const Bytes utf16 = {0x2D, 0x4E, 0x87, 0x65, 'A', 0};  // "中文A"
  std::optional<Text> text = decode_with_stream_interface(utf16, "Unicode");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "中文A");
}

TEST(CharsetDecoding, CodePageOfTheCharsetName) {
  ComApartment apartment;
  EXPECT_EQ(code_page_of_charset("gb2312"), 936u);
  EXPECT_EQ(code_page_of_charset("GBK"), 936u);
  EXPECT_EQ(code_page_of_charset("big5"), 950u);
  EXPECT_EQ(code_page_of_charset("utf-8"), 65001u);
  EXPECT_EQ(code_page_of_charset("x-unknown-set"), std::nullopt);
  EXPECT_EQ(code_page_of_charset(""), std::nullopt);
}

TEST(CharsetDecoding, CodePageDecodesAndMarksWhatGbkLacks) {
  ComApartment apartment;
  const std::string utf8_text = utf8(u8"价格€");
  std::optional<Text> text = decode_with_code_page(Bytes(utf8_text.begin(), utf8_text.end()), "utf-8");
  ASSERT_TRUE(text);
  // The euro sign has a GBK form in code page 936 (0x80); a character without one becomes "?".
  EXPECT_EQ(text->substr(0, 4), "价格");
  const std::string thai = utf8(u8"ก");
  text = decode_with_code_page(Bytes(thai.begin(), thai.end()), "utf-8");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "?");
  EXPECT_FALSE(decode_with_code_page(Bytes{'a'}, "x-unknown-set"));
}

TEST(CharsetDecoding, EveryWayAgreesWhereItWorks) {
  ComApartment apartment;
  const Bytes big5 = {0xA4, 0xA4, 0xA4, 0xE5};  // "中文" in Big5
  for (auto decode : {decode_with_stream_dispatch, decode_with_stream_interface, decode_with_code_page}) {
    if (std::optional<Text> text = decode(big5, "big5")) {
      EXPECT_EQ(*text, "中文");
    }
  }
  std::optional<DecodedText> chained = decode_charset(big5, "big5");
  ASSERT_TRUE(chained);
  EXPECT_EQ(chained->text, "中文");
  // Wine's stream has no dispatch names and reads only "Unicode" text, so the
  // code page does it there; on Windows the stream does.
  std::cout << "big5 decoded by way " << static_cast<int>(chained->decoder) << "\n";
  EXPECT_FALSE(decode_charset(big5, "x-unknown-set"));
}

}  // namespace
}  // namespace toolbox
