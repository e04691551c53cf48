// Bytes from data files shown in messages: control characters and broken
// UTF-8 escaped, everything else kept.
#include <gtest/gtest.h>

#include <string>

#include "common/PrintableText.h"

using namespace pelk::cli;

TEST(PrintableText, EscapesControlsAndInvalidUtf8) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"plain, text; 1.5", "plain, text; 1.5"},
      {"\x1b]0;title\x07", "\\x1B]0;title\\x07"},     // a terminal's title sequence
      {std::string("a\0b", 3), "a\\x00b"},
      {"tab\there\r\n", "tab\\x09here\\x0D\\x0A"},
      {"\x7f", "\\x7F"},
      {"\xc2\x9b" "31m", "\\xC2\\x9B31m"},             // U+009B, a C1 control
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
      {"\xff\xfe", "\\xFF\\xFE"},
      {"\xc3", "\\xC3"},                               // cut short
      {"\xc0\x80", "\\xC0\\x80"},                      // overlong
      {"\xed\xa0\x80", "\\xED\\xA0\\x80"},             // a surrogate
      {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},    // above U+10FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.text), c.shown) << c.shown;
}

TEST(PrintableText, ExcerptsCutBetweenCharacters) {
  EXPECT_EQ(QuotedExcerpt("short"), "\"short\"");
  EXPECT_EQ(QuotedExcerpt("abcdef", 4), "\"abcd...\"");
  // "é" is two bytes: a cut inside it backs up before it.
  EXPECT_EQ(QuotedExcerpt("abc\xc3\xa9xyz", 4), "\"abc...\"");
  EXPECT_EQ(QuotedExcerpt("abc\xc3\xa9xyz", 5), "\"abc\xc3\xa9...\"");
  EXPECT_EQ(QuotedExcerpt("\x1b[2J", 8, '\''), "'\\x1B[2J'");
}
