// On Windows the report is a message box with the error icon; it has no owner,
// since the module may fail before any window exists.
#include <windows.h>

#include "qr/error_report.h"

namespace toolbox {

void show_error_report(const Text& report) {
  MessageBoxA(nullptr, report.c_str(), kErrorReportCaption, MB_ICONERROR);
}

}  // namespace toolbox
