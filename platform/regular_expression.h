// A regular expression over the scripting engine's "VBScript.RegExp" object:
// compile a pattern, run it over one source text, then ask about the matches.
// Patterns follow the VBScript language (\w, \d, \s, lazy +? and *?, groups
// numbered by their opening parentheses; the dot matches no line break).
//
// An instance belongs to the thread that made it: it keeps COM initialised
// there for its lifetime. A copy shares the expression and the matches and
// holds its own copy of the source.
#pragma once

#include <string_view>

#include "platform/com_apartment.h"
#include "platform/com_ptr.h"
#include "platform/variant.h"
#include "text/text.h"

namespace toolbox {

struct ExecuteOptions {
  bool case_sensitive = false;  // letters are compared without case unless asked
  bool multiline = true;        // ^ and $ also match at line breaks
  bool global = true;           // every match, not only the first
  bool quote_token = false;     // "#引号" in the pattern stands for a double quote
};

class RegularExpression {
 public:
  RegularExpression() = default;
  ~RegularExpression() = default;
  RegularExpression(const RegularExpression& other);
  RegularExpression& operator=(const RegularExpression& other);

  // Compiles `pattern` and runs it over `source`. True when a match
  // collection came back (also an empty one); false for an invalid pattern.
  bool execute(std::string_view pattern, std::string_view source, ExecuteOptions options = {});

  // The pattern of the last `execute`; empty before the first.
  Text pattern() const;

  // The source with every match replaced; the replacement may name groups
  // ($1, $2 ...). The stored source stays as it is.
  Text replace(std::string_view replacement) const;

  int match_count() const;

  // The text of match `match_index` (from 1); `position` receives its 0-based
  // byte offset in the source, -1 when there is no such match.
  Text match_text(int match_index, int* position = nullptr) const;

  // What group `submatch_index` (from 1) of match `match_index` (from 1)
  // captured; `position` as for `match_text`, the group's text looked up from
  // the start of its match.
  Text submatch_text(int match_index, int submatch_index, int* position = nullptr) const;

  // The number of groups of the first match.
  int submatch_count() const;

 private:
  ComPtr<IDispatch> match(int match_index) const;
  int byte_offset(const ComPtr<IDispatch>& found) const;

  // First, so that COM outlives the references below.
  ComApartment apartment_;
  ComPtr<IDispatch> expression_;
  ComPtr<IDispatch> matches_;
  Variant source_;
};

}  // namespace toolbox
