#include "web/base64.h"

#include <gtest/gtest.h>

namespace toolbox {
namespace {

TEST(Base64Encode, PadsFinalGroups) {
  EXPECT_EQ(base64_encode({}), "");
  EXPECT_EQ(base64_encode({'f'}), "Zg==");
  EXPECT_EQ(base64_encode({'f', 'o'}), "Zm8=");
  EXPECT_EQ(base64_encode({'f', 'o', 'o'}), "Zm9v");
  EXPECT_EQ(base64_encode({'f', 'o', 'o', 'b', 'a', 'r'}), "Zm9vYmFy");
  EXPECT_EQ(base64_encode({'u', ':'}), "dTo=");
}

TEST(Base64Encode, UsesWholeAlphabetWithoutLineBreaks) {
  EXPECT_EQ(base64_encode({0xFB, 0xFF, 0xBF}), "+/+/");
  EXPECT_EQ(base64_encode({0x00, 0x00, 0x00}), "AAAA");
  Bytes long_input(100, 'x');
  Text encoded = base64_encode(long_input);
  EXPECT_EQ(encoded.size(), 136u);
  EXPECT_EQ(encoded.find('\n'), Text::npos);
}

}  // namespace
}  // namespace toolbox
