#include "kit/text/gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 啊 is B0 A1 and “ is A1 B0: side by side they hold the bytes of one another across
// the character boundary.  癰 (B0 62) has an ASCII letter as its trail byte.
constexpr char kAh[] = "\xB0\xA1";         // 啊
constexpr char kLeftQuote[] = "\xA1\xB0";  // “

TEST(GbkCut, StopsBeforeADoubleByteCharacterOnTheLimit) {
  std::string text = std::string("abc") + kAh + "d";  // 61 62 63 B0 A1 64
  EXPECT_EQ(kit::gbk_cut(text, 4), "abc");             // the limit falls inside 啊
  EXPECT_EQ(kit::gbk_cut(text, 5), std::string("abc") + kAh);
  EXPECT_EQ(kit::gbk_cut(text, 6), text);
  EXPECT_EQ(kit::gbk_cut(text, 100), text);
  EXPECT_EQ(kit::gbk_cut(text, 0), "");
}

TEST(GbkCut, CountsCharactersFromTheStartNotBytesFromTheLimit) {
  // Every byte here is a lead byte; only pairing from the start tells where the
  // characters are.  A cut at 3 keeps one character, not three bytes.
  std::string text = "\xB0\xB0\xB0\xB0";
  EXPECT_EQ(kit::gbk_cut(text, 3), "\xB0\xB0");
  EXPECT_EQ(kit::gbk_cut(text, 4), text);
}

TEST(GbkCut, LoneLeadByteAtTheEndCountsAsOneByte) {
  std::string text = "ab\xB0";
  EXPECT_EQ(kit::gbk_cut(text, 3), text);
  EXPECT_EQ(kit::gbk_char_length(text, 2), 1u);
}

TEST(GbkFind, NeedleAcrossTwoCharactersIsNotFound) {
  std::string text = std::string(kAh) + kAh;  // B0 A1 B0 A1
  ASSERT_EQ(text.find(kLeftQuote), 1u);       // the bytes are there, across the boundary
  EXPECT_EQ(kit::gbk_find(text, kLeftQuote), std::string_view::npos);
}

TEST(GbkFind, SkipsAFalseMatchAndFindsTheRealCharacter) {
  std::string text = std::string(kAh) + kAh + kLeftQuote;  // B0 A1 B0 A1 A1 B0
  ASSERT_EQ(text.find(kLeftQuote), 1u);
  EXPECT_EQ(kit::gbk_find(text, kLeftQuote), 4u);
}

TEST(GbkFind, AsciiNeedleInsideATrailByteIsNotFound) {
  std::string text = "\xB0" "bc=1;bc=2";  // 癰 then "c=1;bc=2"
  ASSERT_EQ(text.find("bc="), 1u);
  EXPECT_EQ(kit::gbk_find(text, "bc="), 6u);
}

TEST(GbkFind, StartsAtTheGivenBoundary) {
  std::string text = std::string("x") + kAh + "x" + kAh;
  EXPECT_EQ(kit::gbk_find(text, kAh), 1u);
  EXPECT_EQ(kit::gbk_find(text, kAh, 3), 4u);
  EXPECT_EQ(kit::gbk_find(text, "x", 4), std::string_view::npos);
  EXPECT_EQ(kit::gbk_find(text, "nothing"), std::string_view::npos);
}

TEST(GbkStrip, RemovesEveryCrAndLfAndKeepsCharacters) {
  std::string text = "\r\n第一行\r\n第二行\n\r第三行\r";
  EXPECT_EQ(kit::gbk_strip_line_breaks(text), "第一行第二行第三行");
  EXPECT_EQ(kit::gbk_strip_line_breaks("\r\n\r\n"), "");
  EXPECT_EQ(kit::gbk_strip_line_breaks("no breaks"), "no breaks");
}

TEST(BareFileName, TakesWhatFollowsTheLastSeparatorButNotATrailByte) {
  EXPECT_EQ(kit::bare_file_name("C:\\决策\\第一.dec"), "第一.dec");
  EXPECT_EQ(kit::bare_file_name("Z:/tmp/a.dec"), "a.dec");
  EXPECT_EQ(kit::bare_file_name("D:a.dec"), "a.dec");
  EXPECT_EQ(kit::bare_file_name("a.dec"), "a.dec");
  // 0x81 0x5C is one character whose trail byte is a backslash.
  EXPECT_EQ(kit::bare_file_name("C:\\x\x81\x5C.dec"), "x\x81\x5C.dec");
}

}  // namespace
