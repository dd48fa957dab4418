// libFuzzer target over the operations that take whatever a server sends:
// merge_cookies, normalize_request_headers, collect_set_cookies and
// text_between. Besides crashes and sanitizer reports it checks the
// properties every result must keep, and aborts when one is broken.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

#include "text/text_ops.h"
#include "web/cookies.h"
#include "web/extract.h"
#include "web/headers.h"

using namespace toolbox;

namespace {

void require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Text left = input.ConsumeRandomLengthString(8);
  Text right = input.ConsumeRandomLengthString(8);
  int start = input.ConsumeIntegralInRange(-2, 64);
  bool ignore_case = input.ConsumeBool();
  Text old_cookies = input.ConsumeRandomLengthString(256);
  Text text = input.ConsumeRemainingBytesAsString();

  Text between = text_between(text, left, right, {.start = start, .ignore_case = ignore_case});
  require(text.find(between) != Text::npos);

  Text normalized = normalize_request_headers(text);
  for (const Text& line : split_text(normalized, "\r\n")) {
    require(find_text(line, ": ") >= 1);
  }

  Text fresh = collect_set_cookies(text);
  Text fresh_copy = text;
  Text merged = merge_cookies(old_cookies, fresh);
  require(old_cookies == merged);
  Text merged_again = merge_cookies(fresh_copy, fresh);
  (void)merged_again;
  std::vector<Text> items = split_text(merged, "; ");
  for (const Text& item : items) {
    require(std::count(items.begin(), items.end(), item) == 1);
  }
  return 0;
}
