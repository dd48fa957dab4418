#include "web/charset_decoding.h"

#include <windows.h>
#include <mlang.h>
#include <oleauto.h>

#include "platform/bstr.h"
#include "platform/com_ptr.h"
#include "platform/dispatch.h"
#include "platform/variant.h"
#include "text/wide.h"
#include "web/ado_stream.h"

namespace toolbox {
namespace {

constexpr const wchar_t* kStreamProgId = L"Adodb.Stream";
constexpr long kTypeBinary = 1;
constexpr long kTypeText = 2;
constexpr long kModeReadWrite = 3;
constexpr long kReadAll = -1;

// IMultiLanguage2, which mingw-w64 declares but does not define.
constexpr IID kMultiLanguage2Id = {0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

constexpr unsigned kUtf16LittleEndian = 1200;
constexpr unsigned kUtf16BigEndian = 1201;

// UTF-16 to GBK; what GBK can't hold becomes "?" rather than a look-alike.
Text to_gbk_without_best_fit(std::wstring_view wide) {
  if (wide.empty()) {
    return {};
  }
  int size = static_cast<int>(wide.size());
  int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
  Text text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::optional<Text> read_stream_by_names(IDispatch* stream, std::span<const std::uint8_t> bytes,
                                         std::string_view charset) {
  bool written = SUCCEEDED(put_property(stream, L"Type", Variant::integer(kTypeBinary))) &&
                 SUCCEEDED(put_property(stream, L"Mode", Variant::integer(kModeReadWrite))) &&
                 call_method(stream, L"Open").ok() && call_method(stream, L"Write", {Variant::bytes(bytes)}).ok() &&
                 SUCCEEDED(put_property(stream, L"Position", Variant::integer(0))) &&
                 SUCCEEDED(put_property(stream, L"Type", Variant::integer(kTypeText))) &&
                 SUCCEEDED(put_property(stream, L"Charset", Variant::text(charset)));
  DispatchResult text = written ? call_method(stream, L"ReadText") : DispatchResult{};
  if (!text.ok()) {
    return std::nullopt;
  }
  return to_gbk_without_best_fit(text.value.to_wide_text());
}

std::optional<Text> read_stream_by_interface(AdoStream* stream, std::span<const std::uint8_t> bytes,
                                             std::string_view charset) {
  Variant source = Variant::missing();
  Variant buffer = Variant::bytes(bytes);
  Bstr name(charset);
  Bstr text;
  bool read = SUCCEEDED(stream->put_Type(kTypeBinary)) && SUCCEEDED(stream->put_Mode(kModeReadWrite)) &&
              SUCCEEDED(stream->Open(*source.get(), 0, -1, nullptr, nullptr)) &&
              SUCCEEDED(stream->Write(*buffer.get())) && SUCCEEDED(stream->put_Position(0)) &&
              SUCCEEDED(stream->put_Type(kTypeText)) && SUCCEEDED(stream->put_Charset(name.get())) &&
              SUCCEEDED(stream->ReadText(kReadAll, text.put()));
  if (!read) {
    return std::nullopt;
  }
  return to_gbk_without_best_fit(text.view());
}

std::wstring utf16_from_bytes(std::span<const std::uint8_t> bytes, bool big_endian) {
  std::wstring wide;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned first = bytes[i];
    unsigned second = bytes[i + 1];
    wide.push_back(static_cast<wchar_t>(big_endian ? (first << 8) | second : (second << 8) | first));
  }
  return wide;
}

}  // namespace

std::optional<Text> decode_with_stream_dispatch(std::span<const std::uint8_t> bytes, std::string_view charset) {
  ComPtr<IDispatch> stream = create_dispatch_object(kStreamProgId);
  if (!stream) {
    return std::nullopt;
  }
  std::optional<Text> text = read_stream_by_names(stream.get(), bytes, charset);
  call_method(stream.get(), L"Close");
  return text;
}

std::optional<Text> decode_with_stream_interface(std::span<const std::uint8_t> bytes, std::string_view charset) {
  ComPtr<IUnknown> object = create_object(kStreamProgId);
  ComPtr<AdoStream> stream;
  for (const IID& id : kAdoStreamInterfaceIds) {
    if (object && SUCCEEDED(object->QueryInterface(id, stream.put_void()))) {
      break;
    }
  }
  if (!stream) {
    return std::nullopt;
  }
  std::optional<Text> text = read_stream_by_interface(stream.get(), bytes, charset);
  stream->Close();
  return text;
}

std::optional<unsigned> code_page_of_charset(std::string_view charset) {
  ComPtr<IMultiLanguage2> languages;
  if (charset.empty() || FAILED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguage2Id,
                                                 languages.put_void()))) {
    return std::nullopt;
  }
  Bstr name(charset);
  MIMECSETINFO info{};
  if (FAILED(languages->GetCharsetInfo(name.get(), &info))) {
    return std::nullopt;
  }
  return info.uiInternetEncoding;
}

std::optional<Text> decode_with_code_page(std::span<const std::uint8_t> bytes, std::string_view charset) {
  std::optional<unsigned> code_page = code_page_of_charset(charset);
  if (!code_page) {
    return std::nullopt;
  }
  if (*code_page == kUtf16LittleEndian || *code_page == kUtf16BigEndian) {
    return to_gbk_without_best_fit(utf16_from_bytes(bytes, *code_page == kUtf16BigEndian));
  }
  if (bytes.empty()) {
    return Text();
  }
  const char* data = reinterpret_cast<const char*>(bytes.data());
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(*code_page, 0, data, size, nullptr, 0);
  if (length <= 0) {
    return std::nullopt;
  }
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(*code_page, 0, data, size, wide.data(), length);
  return to_gbk_without_best_fit(wide);
}

std::optional<DecodedText> decode_charset(std::span<const std::uint8_t> bytes, std::string_view charset) {
  if (std::optional<Text> text = decode_with_stream_dispatch(bytes, charset)) {
    return DecodedText{std::move(*text), CharsetDecoder::stream_dispatch};
  }
  if (std::optional<Text> text = decode_with_stream_interface(bytes, charset)) {
    return DecodedText{std::move(*text), CharsetDecoder::stream_interface};
  }
  if (std::optional<Text> text = decode_with_code_page(bytes, charset)) {
    return DecodedText{std::move(*text), CharsetDecoder::code_page};
  }
  return std::nullopt;
}

}  // namespace toolbox
