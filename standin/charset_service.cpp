// /charset/NAME: small HTML pages that declare their character set in a meta
// tag and carry the sentence "中文页面：你好，世界" (in traditional characters
// for big5) in that character set:
//   gb2312      <META http-equiv=Content-Type content=text/html;charset=gb2312>
//   gbk         <meta charset="gbk">
//   big5        <META CHARSET=big5>
//   utf-8       <meta charset=utf-8>
//   utf-8-late  <meta charset=utf-8>, starting after byte 1100 of the page
//   unknown     <meta charset=x-unknown-set>, UTF-8 text
//   none        no declaration, UTF-8 text
#include <iconv.h>

#include <map>
#include <string>

#include "standin/services.h"

namespace standin {
namespace {

std::string encode(const std::string& utf8, const char* charset) {
  iconv_t converter = iconv_open(charset, "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return utf8;
  }
  std::string in = utf8;
  std::string out(in.size() * 4, '\0');
  char* in_at = in.data();
  char* out_at = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  iconv(converter, &in_at, &in_left, &out_at, &out_left);
  iconv_close(converter);
  out.resize(out.size() - out_left);
  return out;
}

std::string page(const std::string& head, const std::string& sentence) {
  return "<html><head>" + head + "<title>standin</title></head><body><p>" + sentence + "</p></body></html>";
}

std::map<std::string, std::string> make_pages() {
  const std::string simplified = "中文页面：你好，世界";
  const std::string traditional = "中文頁面：你好，世界";
  std::string filler = "<!-- " + std::string(1100, '-') + " -->";
  return {
      {"gb2312", encode(page("<META http-equiv=Content-Type content=text/html;charset=gb2312>", simplified), "GBK")},
      {"gbk", encode(page("<meta charset=\"gbk\">", simplified), "GBK")},
      {"big5", encode(page("<META CHARSET=big5>", traditional), "BIG5")},
      {"utf-8", page("<meta charset=utf-8>", simplified)},
      {"utf-8-late", page(filler + "<meta charset=utf-8>", simplified)},
      {"unknown", page("<meta charset=x-unknown-set>", simplified)},
      {"none", page("", simplified)},
  };
}

}  // namespace

void add_charset_service(Routes& routes) {
  static const std::map<std::string, std::string> pages = make_pages();
  routes.get(R"(/charset/([-\w]+))", [](const httplib::Request& request, httplib::Response& response) {
    auto found = pages.find(request.matches[1].str());
    if (found == pages.end()) {
      response.status = 404;
      return;
    }
    response.set_content(found->second, "text/html");
  });
}

}  // namespace standin
