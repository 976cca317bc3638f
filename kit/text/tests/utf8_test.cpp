// GBK to UTF-8: characters convert, and a byte that is not GBK costs one U+FFFD, never
// the rest of the text.
#include "kit/text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kFffd[] = "\xEF\xBF\xBD";

TEST(GbkToUtf8, ConvertsAsciiChineseAndPunctuation) {
  EXPECT_EQ(kit::gbk_to_utf8(""), "");
  EXPECT_EQ(kit::gbk_to_utf8("a<&>\"'\r\n"), "a<&>\"'\r\n");
  // 择优宝 (D4 F1 D3 C5 B1 A6), …… (A1 AD A1 AD), “ (A1 B0)
  EXPECT_EQ(kit::gbk_to_utf8("\xD4\xF1\xD3\xC5\xB1\xA6"), "\xE6\x8B\xA9\xE4\xBC\x98\xE5\xAE\x9D");
  EXPECT_EQ(kit::gbk_to_utf8("x\xA1\xAD\xA1\xAD" "y"), "x\xE2\x80\xA6\xE2\x80\xA6y");
  EXPECT_EQ(kit::gbk_to_utf8("\xA1\xB0" "1"), "\xE2\x80\x9C" "1");
}

TEST(GbkToUtf8, BadBytesBecomeReplacementCharactersAndTheTextGoesOn) {
  // A lead byte before a byte that cannot trail: only the lead byte is lost, the '<'
  // after it is read as itself.
  EXPECT_EQ(kit::gbk_to_utf8("\x81<b"), std::string(kFffd) + "<b");
  // A lead byte at the very end.
  EXPECT_EQ(kit::gbk_to_utf8("ab\xB0"), std::string("ab") + kFffd);
  // The same between two characters: both survive, and so does the digit.
  EXPECT_EQ(kit::gbk_to_utf8("\xB1\xA6\xFE" "0\xB1\xA6"),
            std::string("\xE5\xAE\x9D") + kFffd + "0\xE5\xAE\x9D");
  // Many bad spots in a long text.
  std::string text;
  std::string expected;
  for (int i = 0; i < 200; ++i) {
    text += "\xD4\xF1" "\x81" "\n";
    expected += std::string("\xE6\x8B\xA9") + kFffd + "\n";
  }
  EXPECT_EQ(kit::gbk_to_utf8(text), expected);
}

TEST(GbkToUtf8, UnderRefusalABadByteFailsTheWholeTextAndSoundTextPasses) {
  std::string out = "old";
  EXPECT_FALSE(kit::gbk_to_utf8("\xB1\xA6" "ab\xB0", out, kit::BadGbk::kRefuse));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(kit::gbk_to_utf8("\xD4\xF1\xD3\xC5", out, kit::BadGbk::kRefuse));
  EXPECT_EQ(out, "\xE6\x8B\xA9\xE4\xBC\x98");
}

}  // namespace
