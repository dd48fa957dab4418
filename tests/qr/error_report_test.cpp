#include "qr/error_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "qr/qr_code.h"
#include "tests/qr/report_capture.h"

namespace toolbox {
namespace {

using qr_testing::report_of;

TEST(ErrorReport, NamesSourceMethodAndMessageOnThreeLines) {
  EXPECT_EQ(error_report_text({.class_name = "类", .method_name = "方法", .message = "信息"}),
            "异常来源：[类]\r\n方法名称：方法()\r\n异常信息：信息");
  EXPECT_EQ(error_report_text({}), "异常来源：[]\r\n方法名称：()\r\n异常信息：");
}

TEST(ErrorReport, TheProcessDoesNotGoOnAfterTheReport) {
  bool went_on = false;
  std::optional<Text> report = report_of([&] {
    raise_error({.class_name = "a", .method_name = "b", .message = "c"});
    went_on = true;
  });
  EXPECT_EQ(report, "异常来源：[a]\r\n方法名称：b()\r\n异常信息：c");
  EXPECT_FALSE(went_on);
}

#ifndef _WIN32
// Without a desktop the platform's presenter writes the caption and the report
// to standard error; the process then ends with exit code 0.
TEST(ErrorReportDeathTest, PlatformPresenterReportsAndEndsWithExitCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QrTables tables;
  二维码类 code(tables);
  code.init();
  EXPECT_EXIT(code.取容错级别_按索引(5), ::testing::ExitedWithCode(0),
              ::testing::HasSubstr("程序运行异常提示\n异常来源：[二维码类]\r\n方法名称：取容错级别_按索引()"
                                   "\r\n异常信息：索引异常。当前索引：5\n"));
}
#endif

}  // namespace
}  // namespace toolbox
