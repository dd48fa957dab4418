// Cookie texts: items "name=value" separated by "; ". A caller keeps one
// cookie text across several requests; each reply's cookies are merged into
// it, newer items winning over older ones of the same name, and items whose
// text ends in "=deleted" removing their name.
#pragma once

#include <string_view>
#include <vector>

#include "text/text.h"

namespace toolbox {

// The first "name=value" pair of every "Set-Cookie" line (name spelled exactly
// so), joined with "; ". Attributes such as path and expiry are dropped.
Text collect_set_cookies(std::string_view response_headers);

// Merges `fresh` into `old`: spaces removed from both (written back into both
// arguments), the fresh items in their order, then the old items whose name
// the fresh ones lack, without deletions and exact repeats. `old` ends holding
// the merged text, which is also returned.
Text merge_cookies(Text& old, Text& fresh);

// The part of an item in front of its first "=", trimmed (all of it when it
// has no "=").
Text cookie_name(std::string_view item);

bool has_cookie_named(const std::vector<Text>& items, std::string_view name);

// Keeps the first of every exactly repeated item between the separators.
Text remove_duplicate_items(std::string_view text, std::string_view separator);

}  // namespace toolbox
