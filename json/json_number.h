#pragma once

#include <string_view>

namespace toolbox {

// The rule by which a value text counts as a JSON number here: a first byte
// "-" or digit, then digits with at most one "." (not last, not after the
// exponent) and at most one "e"/"E" followed by a sign and at least one more
// byte. So "-", "-.5", "007" and "1e+5" are numbers; "1e5", "1.", ".5" and
// "+1" are not.
bool is_json_number(std::string_view text);

}  // namespace toolbox
