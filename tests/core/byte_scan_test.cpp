#include "common/byte_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace tewo {
namespace {

// The word-at-a-time scans must find a byte at every offset of texts of every
// length around the word size, and never one that is absent.
TEST(ByteScan, EveryOffsetOfEveryLength) {
  for (std::size_t length = 0; length <= 33; ++length) {
    const std::string plain(length, 'a');
    EXPECT_FALSE(ContainsByte(plain, '\n')) << length;
    EXPECT_FALSE(ContainsHighByte(plain)) << length;
    EXPECT_EQ(FindLastOf2(plain, '\\', '/'), std::string_view::npos) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::string text = plain;
      text[at] = '\n';
      EXPECT_TRUE(ContainsByte(text, '\n')) << length << " " << at;
      text[at] = '\x95';
      EXPECT_TRUE(ContainsHighByte(text)) << length << " " << at;
      for (char sep : {'\\', '/'}) {
        text = plain;
        text[at] = sep;
        if (at > 0) text[at - 1] = '/';  // an earlier hit must not win
        EXPECT_EQ(FindLastOf2(text, '\\', '/'), at) << length << " " << at;
      }
    }
  }
}

TEST(ByteScan, BytesThatLookAlike) {
  // 0x5C + 0x80 and 0x0A + 0x80 differ from "\" and LF only in the high bit.
  EXPECT_FALSE(ContainsByte("\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A\x8A", '\n'));
  EXPECT_EQ(FindLastOf2("\xDC\xDC\xDC\xDC\xDC\xDC\xDC\xDC\xDC", '\\', '/'), std::string_view::npos);
  EXPECT_EQ(FindLastOf2("\\\x5D\x5B\x5D\x5B\x5D\x5B\x5D\x5B", '\\', '/'), 0u);
  EXPECT_TRUE(ContainsHighByte("abcdefgh\x80"));
}

}  // namespace
}  // namespace tewo
