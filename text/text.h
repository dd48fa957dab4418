// The two value types every subsystem speaks.
//
// Text is a byte string in the GBK code page (936). Positions in texts are
// 1-based byte positions, and the text operations step over a byte of 0x80 or
// more together with the byte after it, so they never split a double-byte
// character. An empty text and an absent text behave the same.
//
// Bytes is a counted byte array: a reply body, a request body, a block
// received from a socket.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Narrow string literals are GBK: the build passes -fexec-charset=GB18030
// (which writes GBK characters as GBK does), so a
// Chinese caption in the source is already the bytes a Text holds. Catch a
// build that forgot it. (clang cannot encode literals in GBK; the fuzz build
// opts out, since it only looks for crashes.)
#ifndef TOOLBOX_ALLOW_UTF8_LITERALS
static_assert(sizeof("中") == 3 && "中"[0] == '\xD6' && "中"[1] == '\xD0',
              "narrow literals must be GBK: compile with -fexec-charset=GB18030");
#endif

namespace toolbox {

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// The bytes up to the first zero byte (all of them when there is none).
Text bytes_to_text(const Bytes& bytes);

// Every byte of the text, as a counted array.
Bytes text_to_bytes(std::string_view text);

}  // namespace toolbox
