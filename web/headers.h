// Request and response header lines. A header block is lines "Name: value"
// separated by CR LF; a normalised block has no CR LF after its last line.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

// Drops lines without ": ", capitalises the first letter of every
// "-"-separated piece of each name, and keeps a line's value only when the
// line holds a single ": " (a line "X-Note: a: b" becomes "X-Note: ").
Text normalize_request_headers(std::string_view block);

// The name in front of the first ":", trimmed; empty when there is no ":".
Text header_name(std::string_view line);

// The value after the first ":", trimmed; empty when there is no ":".
Text header_value(std::string_view line);

// The first byte upper-cased when it is an ASCII letter a-z, the rest unchanged.
Text capitalize_first(std::string_view text);

}  // namespace toolbox
