// The parser's error codes and their messages. A message names the state
// handler that found the fault and ends with a CR LF and the call it came
// from; the quotation marks are full-width.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace toolbox {

namespace json_error {
inline constexpr std::int32_t after_end = 1;                 // non-blank byte after the root closed
inline constexpr std::int32_t bad_start = 2;                 // strict: text does not open with { or [
inline constexpr std::int32_t member_without_comma = 11;
inline constexpr std::int32_t object_closed_by_bracket = 12;
inline constexpr std::int32_t stray_comma_in_object = 13;
inline constexpr std::int32_t unexpected_in_object = 14;
inline constexpr std::int32_t comma_before_brace = 15;
inline constexpr std::int32_t control_in_name = 21;
inline constexpr std::int32_t missing_colon = 31;
inline constexpr std::int32_t array_closed_by_brace = 41;
inline constexpr std::int32_t element_without_comma = 42;
inline constexpr std::int32_t empty_element = 43;
inline constexpr std::int32_t comma_before_bracket = 44;
inline constexpr std::int32_t empty_value = 51;
inline constexpr std::int32_t unknown_value = 61;
inline constexpr std::int32_t mismatched_closer = 62;
inline constexpr std::int32_t control_in_string = 71;
inline constexpr std::int32_t closer_in_naming_mode = 81;
inline constexpr std::int32_t open_node_missing = 82;
}  // namespace json_error

// What some messages quote: the value text (61), the byte found (51, 62) and
// the closer expected (62).
struct JsonErrorDetail {
  std::string_view value = {};
  char found = 0;
  char expected = 0;
};

// The message of `code`, empty for a code that has none.
Text json_error_message(std::int32_t code, const JsonErrorDetail& detail = {});

}  // namespace toolbox
