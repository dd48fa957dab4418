// Reading a reply's raw header text: "HTTP/1.1 200 OK", CR LF, the header
// lines, each ended by CR LF, and an empty line.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace toolbox {

// Status code and reason phrase: the bytes from the tenth (the one after
// "HTTP/1.1 ") up to the end of the status line; "200 OK".
Text status_text_from_headers(std::string_view raw_headers);

// The value of a "Location: " line (name in any letter case), nothing for
// any other line.
std::optional<Text> location_in_line(std::string_view line);

}  // namespace toolbox
