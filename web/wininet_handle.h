// A WinINet session, connection or request handle, closed with InternetCloseHandle.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "platform/unique_handle.h"

namespace toolbox {

using InternetHandle = UniqueHandle<HINTERNET, InternetCloseHandle>;

}  // namespace toolbox
