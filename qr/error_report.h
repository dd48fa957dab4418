// The QR module's fatal error report. Every error of the QR classes is shown
// once, in a message box captioned "程序运行异常提示", and then the process
// ends with exit code 0; there is no error result.
//
// Showing the report is a seam: the platform's presenter is a message box on
// Windows and standard error elsewhere, and a test may install its own to see
// the text.
#pragma once

#include "text/text.h"

namespace toolbox {

struct ErrorRecord {
  Text class_name;
  Text method_name;
  Text message;
};

inline constexpr char kErrorReportCaption[] = "程序运行异常提示";

// "异常来源：[class]\r\n方法名称：method()\r\n异常信息：message"
Text error_report_text(const ErrorRecord& record);

// Shows a finished report to the user. It may return; the process ends after it.
using ErrorPresenter = void (*)(const Text& report);

// The platform's presenter (error_report_win32.cpp / error_report_stderr.cpp).
void show_error_report(const Text& report);

// Installs `presenter` (nullptr: the platform's) and returns the one it replaces.
ErrorPresenter set_error_presenter(ErrorPresenter presenter);

// Builds the report, shows it through the current presenter and ends the
// process with exit code 0.
[[noreturn]] void raise_error(const ErrorRecord& record);

// The GF(256) fields report without a record: "无" for class, method and message.
[[noreturn]] void raise_field_error();

}  // namespace toolbox
