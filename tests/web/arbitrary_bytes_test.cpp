// The header, cookie and extraction operations take whatever a server or a
// user sends: odd lengths, lone lead bytes, stray CR LF. These cases feed them
// random bytes drawn from a small alphabet that makes markers likely, and check
// properties every result must keep. Under ASan an out-of-bounds read fails
// the test as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "text/text_ops.h"
#include "web/base64.h"
#include "web/cookies.h"
#include "web/extract.h"
#include "web/headers.h"

namespace toolbox {
namespace {

class RandomText {
 public:
  explicit RandomText(unsigned seed) : engine_(seed) {}

  Text next(std::size_t max_length) {
    static constexpr std::string_view kAlphabet = "a=; :\r\n-SetCookie\xA1\xB0\x81\"#deltd";
    std::uniform_int_distribution<std::size_t> length(0, max_length);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<int> any_byte(0, 255);
    Text text(length(engine_), '\0');
    for (char& byte : text) {
      byte = pick(engine_) % 7 == 0 ? static_cast<char>(any_byte(engine_)) : kAlphabet[pick(engine_)];
    }
    return text;
  }

 private:
  std::mt19937 engine_;
};

bool is_substring(std::string_view part, std::string_view whole) {
  return whole.find(part) != std::string_view::npos;
}

TEST(ArbitraryBytes, ExtractionResultsArePiecesOfTheInput) {
  RandomText random(2026);
  for (int round = 0; round < 3000; ++round) {
    Text text = random.next(40);
    Text marker = random.next(3);
    Text right = random.next(3);
    int start = static_cast<int>(random.next(3).size()) - 1;

    int found = find_text(text, marker, {.start = start});
    if (found > 0) {
      ASSERT_LE(found + marker.size() - 1, text.size());
      ASSERT_EQ(text.compare(static_cast<std::size_t>(found - 1), marker.size(), marker), 0);
    } else {
      ASSERT_EQ(found, -1);
    }
    Text before = text_before(text, marker, {.start = start, .ignore_case = round % 2 == 0});
    ASSERT_EQ(text.compare(0, before.size(), before), 0);
    ASSERT_TRUE(is_substring(text_between(text, marker, right, {.start = start}), text));
    ASSERT_TRUE(is_substring(trim_spaces(text), text));
    ASSERT_LE(remove_spaces(text).size(), text.size());
    ASSERT_EQ(base64_encode(text_to_bytes(text)).size(), (text.size() + 2) / 3 * 4);
  }
}

TEST(ArbitraryBytes, NormalisedHeaderLinesAllHaveNameAndSeparator) {
  RandomText random(17);
  for (int round = 0; round < 3000; ++round) {
    Text block = random.next(60);
    Text normalized = normalize_request_headers(block);
    ASSERT_FALSE(normalized.size() >= 2 && normalized.substr(normalized.size() - 2) == "\r\n");
    for (const Text& line : split_text(normalized, "\r\n")) {
      ASSERT_GE(find_text(line, ": "), 1) << line;
    }
    header_name(block);
    ASSERT_TRUE(is_substring(header_value(block), block));
  }
}

TEST(ArbitraryBytes, MergedCookiesHaveNoDeletionsOrRepeats) {
  RandomText random(5);
  for (int round = 0; round < 3000; ++round) {
    Text old_cookies = random.next(40);
    Text new_cookies = collect_set_cookies("Set-Cookie: " + random.next(30) + "\r\n" + random.next(30));
    Text merged = merge_cookies(old_cookies, new_cookies);
    ASSERT_EQ(old_cookies, merged);
    ASSERT_EQ(remove_spaces(new_cookies), new_cookies);
    std::vector<Text> items = split_text(merged, "; ");
    for (std::size_t i = 0; i < items.size(); ++i) {
      ASSERT_FALSE(items[i].size() >= 8 && items[i].substr(items[i].size() - 8) == "=deleted") << merged;
      ASSERT_EQ(std::count(items.begin(), items.end(), items[i]), 1) << merged;
    }
  }
}

}  // namespace
}  // namespace toolbox
