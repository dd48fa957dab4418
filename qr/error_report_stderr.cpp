// Without a desktop the report goes to standard error, caption first.
#include <cstdio>

#include "qr/error_report.h"

namespace toolbox {

void show_error_report(const Text& report) {
  std::fprintf(stderr, "%s\n%s\n", kErrorReportCaption, report.c_str());
  std::fflush(stderr);
}

}  // namespace toolbox
