// Windows backend of text/codepage.h.
#include <windows.h>

#include "text/codepage.h"
#include "text/wide.h"

namespace toolbox {

std::wstring to_wide(std::string_view text, unsigned code_page) {
  if (text.empty()) {
    return {};
  }
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string from_wide(std::wstring_view wide, unsigned code_page) {
  if (wide.empty()) {
    return {};
  }
  int size = static_cast<int>(wide.size());
  int length = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

namespace {

std::u16string as_utf16(const std::wstring& wide) {
  return std::u16string(wide.begin(), wide.end());
}

std::wstring as_wide(std::u16string_view utf16) {
  return std::wstring(utf16.begin(), utf16.end());
}

}  // namespace

std::u16string gbk_to_utf16(std::string_view gbk) {
  return as_utf16(to_wide(gbk, kGbkCodePage));
}

Text utf16_to_gbk(std::u16string_view utf16) {
  return from_wide(as_wide(utf16), kGbkCodePage);
}

std::u16string utf8_to_utf16(std::string_view utf8) {
  return as_utf16(to_wide(utf8, kUtf8CodePage));
}

std::string utf16_to_utf8(std::u16string_view utf16) {
  return from_wide(as_wide(utf16), kUtf8CodePage);
}

}  // namespace toolbox
