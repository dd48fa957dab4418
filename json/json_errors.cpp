#include "json/json_errors.h"

#include <initializer_list>

namespace toolbox {
namespace {

constexpr std::string_view kOpenQuote = "“";
constexpr std::string_view kCloseQuote = "”";
constexpr std::string_view kLineBreak = "\r\n";

// Fills every "%s" of `format` with the next argument, in order.
Text fill(std::string_view format, std::initializer_list<std::string_view> arguments) {
  Text out;
  auto argument = arguments.begin();
  std::size_t at = 0;
  while (at < format.size()) {
    if (format.compare(at, 2, "%s") == 0 && argument != arguments.end()) {
      out += *argument++;
      at += 2;
    } else {
      out += format[at++];
    }
  }
  return out;
}

}  // namespace

Text json_error_message(std::int32_t code, const JsonErrorDetail& detail) {
  const std::string_view o = kOpenQuote;
  const std::string_view c = kCloseQuote;
  const std::string_view br = kLineBreak;
  const std::string_view found(&detail.found, 1);
  const std::string_view expected(&detail.expected, 1);
  switch (code) {
    case json_error::after_end:
      return fill("JSON代码已经完毕，所有对象括号已匹配完毕，若要重新解析请先初始化。%s调用方法:加入json字节集()", {br});
    case json_error::bad_start:
      return fill("JSON代码起始文本应该以大括号%s{%s或者方括号%s[%s开头%s调用方法:加入json字节集()", {o, c, o, c, br});
    case json_error::member_without_comma:
      return fill("对象间的成员需要以逗号%s,%s隔开。%s调用方法:大括号()", {o, c, br});
    case json_error::object_closed_by_bracket:
      return fill("对象结束符无法匹配，不应该为：],而应该为：}%s调用方法:大括号()", {br});
    case json_error::stray_comma_in_object:
      return fill("对象%s{ }%s内定义了成员但该成员没有给定名称,或者是多给了逗号%s,%s%s调用方法:大括号()", {o, c, o, c, br});
    case json_error::unexpected_in_object:
      return fill("对象大括号内%s{ }%s后面仅仅可以出现空字符或者引号%s%s%s%s调用方法:大括号()", {o, c, o, "\"", c, br});
    case json_error::comma_before_brace:
      return fill("对象结束时发现多给了逗号：%s,%s，或者是成员未命名与赋值。%s调用方法:大括号()", {o, c, br});
    case json_error::control_in_name:
      return fill("成员名中不允许出现换行、回车、制表符(请用 \\r \\n \\t 代替)%s调用方法:对象名_获取()", {br});
    case json_error::missing_colon:
      return fill("成员值前缺少冒号%s:%s，成员名后只允许出现冒号。%s调用方法:对象值_等待冒号()", {o, c, br});
    case json_error::array_closed_by_brace:
      return fill("数组结束符无法匹配，不应该为：},而应该为：]%s调用方法:方括号()", {br});
    case json_error::element_without_comma:
      return fill("数组成员间缺少逗号分隔%s调用方法:方括号()", {br});
    case json_error::empty_element:
      return fill("获取对象值时发现成员结束符%s, %s，不允许成员值全空(空类型请赋予%snull%s)%s调用方法:方括号()",
                  {o, c, o, c, br});
    case json_error::comma_before_bracket:
      return fill("数组结束时发现多给了逗号：%s,%s，或者是成员未赋值，注意：不允许成员值全空(空类型请赋予%snull%s)。%s调用方法:方括号()",
                  {o, c, o, c, br});
    case json_error::empty_value:
      return fill("获取对象值时发现成员结束符%s%s%s，不允许成员值全空(空类型请赋予%snull%s)%s调用方法:对象值_准备获取()",
                  {o, found, c, o, c, br});
    case json_error::unknown_value:
      return fill("成员值类型无法确定，可能缺少引号或者大小写错误，(注意：逻辑型\\空null类型只接受小写)，错误值：%s%s调用方法:对象值_获取其他()",
                  {detail.value, br});
    case json_error::mismatched_closer:
      // A "}" met in an array expects "]"; a "]" met in an object expects "}".
      return fill("%s结束符无法匹配，不应该为：%s,而应该为：%s%s调用方法:对象值_获取其他()",
                  {detail.expected == ']' ? "数组" : "对象", found, expected, br});
    case json_error::control_in_string:
      return fill("文本中不允许包含回车、换行、制表符，应分别用\\r \\n \\t 代替%s调用方法:对象值_获取文本()", {br});
    case json_error::closer_in_naming_mode:
      return fill("JSON顶级节点命名模式下,对象匹配结束后不应该出现字符:%s}%s%s调用方法:取当前节点索引()", {o, c, br});
    case json_error::open_node_missing:
      return fill("严重错误！因为%s集_节点索引组[]%s数组所记录的的结束符对应的节点超出了类中节点的最大值。%s可能原因：调用了%s取全部节点_交换变量()%s方法或其他交互变量的方法后没有再次调用该方法进行还原交换的变量所致。 %s调用方法:取当前节点索引()",
                  {o, c, br, o, c, br});
    default:
      return {};
  }
}

}  // namespace toolbox
