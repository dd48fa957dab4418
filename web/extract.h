// Cutting a piece out of a reply or a header line by its surrounding markers.
#pragma once

#include <string_view>

#include "text/text.h"

namespace toolbox {

struct ExtractOptions {
  int start = 1;             // first position searched; 0 or less counts as 1
  bool ignore_case = false;  // ASCII letters compared without case
};

// The text in front of the first occurrence of `marker` at or after `start`,
// counted from the beginning of the text (not from `start`); empty when the
// marker does not occur.
Text text_before(std::string_view text, std::string_view marker, ExtractOptions options = {});

// The text between the first occurrence of `left_marker` at or after `start`
// and the next occurrence of `right_marker`; empty when either is missing.
// In both markers the token "#引号" stands for a double quote, so callers can
// write markers that contain quotes.
Text text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker,
                  ExtractOptions options = {});

}  // namespace toolbox
