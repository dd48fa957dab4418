// Turning a page body in a named character set ("gb2312", "big5", "utf-8")
// into GBK. Three ways, tried in this order:
//   1. the "Adodb.Stream" object through its dispatch names;
//   2. the same object through its _Stream interface (Wine's object knows no
//      dispatch names);
//   3. MultiByteToWideChar on the code page that MLang gives for the name
//      (Wine's stream reads text only in "Unicode").
// Characters without a GBK form become question marks. COM must be
// initialised on the calling thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "text/text.h"

namespace toolbox {

enum class CharsetDecoder { none, stream_dispatch, stream_interface, code_page };

struct DecodedText {
  Text text;
  CharsetDecoder decoder = CharsetDecoder::none;
};

// The first way that works, or nothing when the name is unknown to all.
std::optional<DecodedText> decode_charset(std::span<const std::uint8_t> bytes, std::string_view charset);

// Each way on its own; nothing when it can't decode.
std::optional<Text> decode_with_stream_dispatch(std::span<const std::uint8_t> bytes, std::string_view charset);
std::optional<Text> decode_with_stream_interface(std::span<const std::uint8_t> bytes, std::string_view charset);
std::optional<Text> decode_with_code_page(std::span<const std::uint8_t> bytes, std::string_view charset);

// The Windows code page of a character-set name, as MLang knows it.
std::optional<unsigned> code_page_of_charset(std::string_view charset);

}  // namespace toolbox
