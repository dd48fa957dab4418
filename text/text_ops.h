// Text operations shared by every subsystem. All of them work on bytes, count
// 1-based byte positions, and find, split and replace only at character
// boundaries: a marker whose bytes appear across a double-byte character is
// not found there. Results are new values owned by the caller.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace toolbox {

struct FindOptions {
  int start = 1;             // first position searched; 1 or less searches from the beginning
  bool ignore_case = false;  // compare ASCII letters without case, every other byte exactly
};

// Position of the first occurrence of `marker` at or after `start`, -1 when
// absent (an empty marker is never found).
int find_text(std::string_view text, std::string_view marker, FindOptions options = {});

struct FindLastOptions {
  std::optional<int> start = std::nullopt;  // last position an occurrence may begin at; omitted: anywhere
  bool ignore_case = false;
};

// Position of the last occurrence of `marker`, -1 when absent.
int find_last_text(std::string_view text, std::string_view marker, FindLastOptions options = {});

// Byte counts: 0 or less gives an empty text, counts past the end are cut.
Text left_text(std::string_view text, int count);
Text right_text(std::string_view text, int count);
// `count` bytes from 1-based `start` (a start of 1 or less begins at the first byte).
Text middle_text(std::string_view text, int start, int count);

// Pieces between the occurrences of `separator`. An empty piece between
// adjacent separators counts, there is none after a final separator, and an
// empty text gives no pieces. An empty separator gives the text as one piece.
std::vector<Text> split_text(std::string_view text, std::string_view separator);

// Removes leading and trailing ASCII spaces and GBK full-width spaces (A1 A1);
// tabs, CR and LF stay.
Text trim_spaces(std::string_view text);

// Removes every ASCII space and GBK full-width space.
Text remove_spaces(std::string_view text);

struct ReplaceOptions {
  bool ignore_case = false;
};

// Replaces every occurrence of `from` (an empty `from` changes nothing).
Text replace_text(std::string_view text, std::string_view from, std::string_view to,
                  ReplaceOptions options = {});

// Case of ASCII letters; the bytes of double-byte characters are left alone.
Text upper_ascii(std::string_view text);
Text lower_ascii(std::string_view text);

// Leading decimal digits, after optional blanks and one sign; 0 when there are
// none. Values beyond the int32 range are clamped.
int text_to_int(std::string_view text);

// The C library's atof: leading white space skipped, the longest numeric
// prefix read, 0 when there is none.
double text_to_double(std::string_view text);

}  // namespace toolbox
