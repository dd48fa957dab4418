// UTF-16 strings for the wide Win32 API (Windows builds only).
#pragma once

#include <string>
#include <string_view>

namespace toolbox {

inline constexpr unsigned kGbkCodePage = 936;
inline constexpr unsigned kUtf8CodePage = 65001;

// `text` in `code_page` to UTF-16, and back.
std::wstring to_wide(std::string_view text, unsigned code_page = kGbkCodePage);
std::string from_wide(std::wstring_view wide, unsigned code_page = kGbkCodePage);

}  // namespace toolbox
