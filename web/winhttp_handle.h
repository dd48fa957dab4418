// A WinHttp session, connection or request handle, closed with WinHttpCloseHandle.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include "platform/unique_handle.h"

namespace toolbox {

using WinHttpHandle = UniqueHandle<HINTERNET, WinHttpCloseHandle>;

}  // namespace toolbox
