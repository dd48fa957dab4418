// Watches the QR module's fatal error report without ending the test: the
// capturing presenter records the report and throws, which leaves the failing
// operation the way the end of the process would.
#pragma once

#include <optional>
#include <utility>

#include "qr/error_report.h"
#include "text/text.h"

namespace toolbox::qr_testing {

struct ReportRaised {};

inline Text& last_report() {
  static Text report;
  return report;
}

inline void capture_report(const Text& report) {
  last_report() = report;
  throw ReportRaised{};
}

// The report `operation` raises, or nullopt when it finishes normally.
template <typename Operation>
std::optional<Text> report_of(Operation&& operation) {
  ErrorPresenter previous = set_error_presenter(capture_report);
  std::optional<Text> report;
  try {
    std::forward<Operation>(operation)();
  } catch (const ReportRaised&) {
    report = last_report();
  }
  set_error_presenter(previous);
  return report;
}

}  // namespace toolbox::qr_testing
