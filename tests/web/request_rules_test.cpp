// The request rules the three page fetches share: verbs, default headers,
// cookie lines, the agent name and what is read back from raw reply headers.
#include <gtest/gtest.h>

#include "web/header_completion.h"
#include "web/raw_response.h"
#include "web/reply_cookies.h"
#include "web/request_verbs.h"

namespace toolbox {
namespace {

TEST(VerbForMethod, NumbersOutsideTheTableMeanGet) {
  EXPECT_EQ(verb_for_method(0), "GET");
  EXPECT_EQ(verb_for_method(1), "POST");
  EXPECT_EQ(verb_for_method(2), "HEAD");
  EXPECT_EQ(verb_for_method(3), "PUT");
  EXPECT_EQ(verb_for_method(4), "OPTIONS");
  EXPECT_EQ(verb_for_method(5), "DELETE");
  EXPECT_EQ(verb_for_method(6), "TRACE");
  EXPECT_EQ(verb_for_method(7), "CONNECT");
  EXPECT_EQ(verb_for_method(8), "GET");
  EXPECT_EQ(verb_for_method(9), "GET");
  EXPECT_EQ(verb_for_method(-1), "GET");
}

TEST(RequestObjectHeaders, EmptyBlockGetsEveryDefaultAfterALineBreak) {
  EXPECT_EQ(complete_request_object_headers("", "http://h/p", "GET"),
            "\r\nAccept: */*\r\nReferer: http://h/p\r\nAccept-Language: zh-cn\r\n"
            "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
}

TEST(RequestObjectHeaders, CallersLinesOfAnyLetterCaseWin) {
  EXPECT_EQ(complete_request_object_headers("accept: text/html\r\nREFERER: x\r\nuser-agent: me", "u", "GET"),
            "accept: text/html\r\nREFERER: x\r\nuser-agent: me\r\nAccept-Language: zh-cn");
}

TEST(RequestObjectHeaders, FormContentTypeOnlyForPost) {
  Text post = complete_request_object_headers("", "u", "POST");
  EXPECT_NE(post.find("\r\nContent-Type: application/x-www-form-urlencoded"), Text::npos);
  EXPECT_EQ(complete_request_object_headers("", "u", "PUT").find("Content-Type"), Text::npos);
  EXPECT_EQ(complete_request_object_headers("content-type: text/xml", "u", "POST").find("x-www-form"), Text::npos);
}

TEST(WinHttpHeaders, DefaultsEachEndWithALineBreak) {
  EXPECT_EQ(winhttp_header_block("", "GET", true),
            "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
            "Accept: text/html, application/xhtml+xml, */*\r\n"
            "Accept-Encoding: gbk, GB2312\r\n"
            "Accept-Language: zh-cn\r\n"
            "Cache-Control: no-cache\r\n");
}

TEST(WinHttpHeaders, CallersBlockComesFirstAndNamesAreSearchedWithTheirSpace) {
  // "Accept:" without its space does not count as naming the Accept header.
  EXPECT_EQ(winhttp_header_block("X-A: 1\r\nuser-agent: me\r\nAccept:x", "POST", true),
            "X-A: 1\r\nuser-agent: me\r\nAccept:x\r\n"
            "Accept: text/html, application/xhtml+xml, */*\r\n"
            "Accept-Encoding: gbk, GB2312\r\n"
            "Accept-Language: zh-cn\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Cache-Control: no-cache\r\n");
  EXPECT_EQ(winhttp_header_block("X-A: 1", "GET", false), "X-A: 1\r\n");
  EXPECT_EQ(winhttp_header_block("", "GET", false), "");
}

TEST(WinINetHeaders, EmptyBlockStartsWithAccept) {
  EXPECT_EQ(complete_wininet_headers("", "http://h/x", "GET"),
            "Accept: */*\r\nReferer: http://h/x\r\nAccept-Language: zh-cn");
  EXPECT_EQ(complete_wininet_headers("", "u", "POST"),
            "Accept: */*\r\nReferer: u\r\nAccept-Language: zh-cn\r\n"
            "Content-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(complete_wininet_headers("referer: mine", "u", "GET"),
            "referer: mine\r\nAccept: */*\r\nAccept-Language: zh-cn");
}

TEST(WinHttpCookieLine, CallersCookieHeaderWins) {
  EXPECT_EQ(add_winhttp_cookie_line("Accept: */*", "a=1"), "Accept: */*\r\nCookie: a=1\r\n");
  EXPECT_EQ(add_winhttp_cookie_line("cookie: x=1", "a=1"), "cookie: x=1");
  EXPECT_EQ(add_winhttp_cookie_line("Accept: */*", ""), "Accept: */*");
  EXPECT_EQ(add_winhttp_cookie_line("", "a=1"), "Cookie: a=1\r\n");
}

TEST(WinINetCookies, JoinTheCookieLineOrMakeTheirOwn) {
  EXPECT_EQ(add_wininet_cookies("Accept: */*", "a=1; b=2"), "Accept: */*\r\nCookie: a=1; b=2");
  EXPECT_EQ(add_wininet_cookies("Accept: */*\r\nCookie: x=1\r\nReferer: r", "a=1"),
            "Accept: */*\r\nCookie: x=1; a=1\r\nReferer: r");
  EXPECT_EQ(add_wininet_cookies("X-Cookie: 1", "a=1"), "X-Cookie: 1\r\nCookie: a=1");
  EXPECT_EQ(add_wininet_cookies("Accept: */*", ""), "Accept: */*");
  EXPECT_EQ(add_wininet_cookies("", "a=1"), "Cookie: a=1");
}

TEST(WinINetAgentName, TakesTheUserAgentLineInAnyLetterCase) {
  EXPECT_EQ(wininet_agent_name(""), "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EXPECT_EQ(wininet_agent_name("Accept: */*"), "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
  EXPECT_EQ(wininet_agent_name("User-Agent: Tester/1.0"), "Tester/1.0");
  EXPECT_EQ(wininet_agent_name("Accept: */*\r\nuser-agent:  Tester/2.0 \r\nReferer: r"), "Tester/2.0");
  EXPECT_EQ(wininet_agent_name("User-Agent: \r\nAccept: x"), "");
}

TEST(StatusText, FromTheTenthByteToTheEndOfTheStatusLine) {
  EXPECT_EQ(status_text_from_headers("HTTP/1.1 200 OK\r\nA: b\r\n\r\n"), "200 OK");
  EXPECT_EQ(status_text_from_headers("HTTP/1.1 302 Found\r\n\r\n"), "302 Found");
  EXPECT_EQ(status_text_from_headers("HTTP/1.0 404 Not Found"), "404 Not Found");
  EXPECT_EQ(status_text_from_headers("HTTP/1.1 "), "");
  EXPECT_EQ(status_text_from_headers(""), "");
}

TEST(LocationInLine, NameInAnyLetterCase) {
  EXPECT_EQ(location_in_line("Location: /next"), "/next");
  EXPECT_EQ(location_in_line("LOCATION: http://h/x"), "http://h/x");
  EXPECT_EQ(location_in_line("Location:/next"), std::nullopt);
  EXPECT_EQ(location_in_line("Content-Location: /x"), std::nullopt);
  EXPECT_EQ(location_in_line("Location: "), "");
}

TEST(ReplyCookies, MergedIntoTheCallersTextWhenAsked) {
  constexpr std::string_view kHeaders = "HTTP/1.1 200 OK\r\nSet-Cookie: b=deleted; path=/\r\nSet-Cookie: c=3\r\n\r\n";
  Text cookies = "a=1; b=2";
  EXPECT_EQ(take_reply_cookies(kHeaders, &cookies, true), "c=3; a=1");
  EXPECT_EQ(cookies, "c=3; a=1");

  cookies = "a=1; b=2";
  EXPECT_EQ(take_reply_cookies(kHeaders, &cookies, false), "b=deleted; c=3");
  EXPECT_EQ(cookies, "a=1; b=2");
  EXPECT_EQ(take_reply_cookies(kHeaders, nullptr, true), "b=deleted; c=3");
}

}  // namespace
}  // namespace toolbox
