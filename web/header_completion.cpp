#include "web/header_completion.h"

#include <vector>

#include "text/text_ops.h"
#include "web/extract.h"
#include "web/headers.h"

namespace toolbox {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kFormContentType = "Content-Type: application/x-www-form-urlencoded";

struct DefaultLine {
  std::string_view name;  // as searched
  Text line;
  bool only_for_post = false;
};

enum class BreakPlacement { before_line, after_line };

void append_missing(Text& block, const DefaultLine& line, std::string_view verb, BreakPlacement placement) {
  if ((line.only_for_post && verb != "POST") || names_header(block, line.name)) {
    return;
  }
  if (placement == BreakPlacement::before_line) {
    block += kLineBreak;
  }
  block += line.line;
  if (placement == BreakPlacement::after_line) {
    block += kLineBreak;
  }
}

Text join_lines(const std::vector<Text>& lines) {
  Text joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    joined += i == 0 ? "" : kLineBreak;
    joined += lines[i];
  }
  return joined;
}

}  // namespace

bool names_header(std::string_view block, std::string_view name) {
  return find_text(block, name, {.ignore_case = true}) > 0;
}

Text complete_request_object_headers(std::string_view headers, std::string_view url, std::string_view verb) {
  const DefaultLine defaults[] = {
      {"Accept:", "Accept: */*"},
      {"Referer:", "Referer: " + Text(url)},
      {"Accept-Language:", "Accept-Language: zh-cn"},
      {"User-Agent:", "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
      {"Content-Type:", Text(kFormContentType), true},
  };
  Text block(headers);
  for (const DefaultLine& line : defaults) {
    append_missing(block, line, verb, BreakPlacement::before_line);
  }
  return block;
}

Text winhttp_header_block(std::string_view headers, std::string_view verb, bool add_defaults) {
  const DefaultLine defaults[] = {
      {"User-Agent: ", "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)"},
      {"Accept: ", "Accept: text/html, application/xhtml+xml, */*"},
      {"Accept-Encoding: ", "Accept-Encoding: gbk, GB2312"},
      {"Accept-Language: ", "Accept-Language: zh-cn"},
      {"Content-Type:", Text(kFormContentType), true},
      {"Cache-Control: ", "Cache-Control: no-cache"},
  };
  Text block(headers);
  if (!block.empty()) {
    block += kLineBreak;
  }
  if (!add_defaults) {
    return block;
  }
  for (const DefaultLine& line : defaults) {
    append_missing(block, line, verb, BreakPlacement::after_line);
  }
  return block;
}

Text complete_wininet_headers(std::string_view headers, std::string_view url, std::string_view verb) {
  const DefaultLine defaults[] = {
      {"Accept:", "Accept: */*"},
      {"Referer:", "Referer: " + Text(url)},
      {"Accept-Language:", "Accept-Language: zh-cn"},
      {"Content-Type:", Text(kFormContentType), true},
  };
  Text block = headers.empty() ? Text("Accept: */*") : Text(headers);
  for (const DefaultLine& line : defaults) {
    append_missing(block, line, verb, BreakPlacement::before_line);
  }
  return block;
}

Text add_winhttp_cookie_line(std::string_view block, std::string_view cookies) {
  Text result(block);
  if (!cookies.empty() && !names_header(block, "Cookie: ")) {
    if (!result.empty()) {
      result += kLineBreak;
    }
    result += "Cookie: ";
    result += cookies;
    result += kLineBreak;
  }
  return result;
}

Text add_wininet_cookies(std::string_view block, std::string_view cookies) {
  if (cookies.empty()) {
    return Text(block);
  }
  std::vector<Text> lines = split_text(block, kLineBreak);
  for (Text& line : lines) {
    if (header_name(line) == "Cookie") {
      line += "; ";
      line += cookies;
      return join_lines(lines);
    }
  }
  Text result(block);
  if (!result.empty()) {
    result += kLineBreak;
  }
  return result + "Cookie: " + Text(cookies);
}

Text wininet_agent_name(std::string_view headers) {
  if (!names_header(headers, "User-Agent:")) {
    return "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
  }
  return trim_spaces(text_between(Text(headers) + Text(kLineBreak), "User-Agent:", kLineBreak, {.ignore_case = true}));
}

}  // namespace toolbox
