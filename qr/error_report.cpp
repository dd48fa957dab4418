#include "qr/error_report.h"

#include <cstdlib>

namespace toolbox {
namespace {

ErrorPresenter current_presenter = show_error_report;

}  // namespace

Text error_report_text(const ErrorRecord& record) {
  return "异常来源：[" + record.class_name + "]\r\n方法名称：" + record.method_name +
         "()\r\n异常信息：" + record.message;
}

ErrorPresenter set_error_presenter(ErrorPresenter presenter) {
  ErrorPresenter previous = current_presenter;
  current_presenter = presenter ? presenter : show_error_report;
  return previous;
}

void raise_error(const ErrorRecord& record) {
  current_presenter(error_report_text(record));
  std::exit(0);
}

void raise_field_error() {
  raise_error({.class_name = "无", .method_name = "无", .message = "无"});
}

}  // namespace toolbox
