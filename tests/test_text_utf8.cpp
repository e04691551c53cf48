#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Utf8.h"

namespace pelk {
namespace {

TEST(TextUtf8, DecodesValidAndFallsBackToLatin1) {
  const std::pair<std::string, std::vector<char32_t>> cases[] = {
      {"A1", {U'A', U'1'}},
      {"\xC2\xB0" "C", {0xB0, U'C'}},                  // degree sign
      {"\xE2\x82\xAC", {0x20AC}},                      // euro
      {"\xF0\x9F\x98\x80", {0x1F600}},                 // four bytes
      {"\xE9t\xE9", {0xE9, U't', 0xE9}},               // Latin-1 "été"
      {"\xC0\x80", {0xC0, 0x80}},                      // overlong NUL
      {"\xE0\x80\x80", {0xE0, 0x80, 0x80}},            // overlong three bytes
      {"\xED\xA0\x80", {0xED, 0xA0, 0x80}},            // surrogate
      {"\xF4\x90\x80\x80", {0xF4, 0x90, 0x80, 0x80}},  // above U+10FFFF
      {"\xE2\x82", {0xE2, 0x82}},                      // truncated at the end
      {"\xE2(A", {0xE2, U'(', U'A'}},                  // broken continuation
      {std::string("a\0b", 3), {U'a', 0, U'b'}},
  };
  for (const auto& [text, chars] : cases) {
    std::vector<char32_t> decoded;
    for (std::size_t pos = 0; pos < text.size();) decoded.push_back(NextCodePoint(text, pos));
    EXPECT_EQ(decoded, chars) << text;
  }
}

}  // namespace
}  // namespace pelk
