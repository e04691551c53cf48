// The fast reading of plain decimals against std::from_chars, which it must
// match bit for bit wherever it gives a value.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "common/NumberText.h"

using namespace pelk::cli;

namespace {

// std::from_chars over the whole text, with one leading '+' allowed as the
// reader allows it.
std::optional<double> FromChars(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  double value = 0.0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || stop != text.data() + text.size()) return std::nullopt;
  return value;
}

// Empty when the fast value is absent or equals from_chars's bit for bit;
// otherwise what differs.
std::string Difference(const std::string& text) {
  const std::optional<double> fast = ParsePlainDecimal(text);
  if (!fast) return "";
  const std::optional<double> reference = FromChars(text);
  if (!reference) return "'" + text + "' read as " + std::to_string(*fast) + ", which from_chars refuses";
  if (std::bit_cast<std::uint64_t>(*fast) != std::bit_cast<std::uint64_t>(*reference)) {
    return "'" + text + "' read as " + std::to_string(*fast) + " instead of " + std::to_string(*reference);
  }
  return "";
}

}  // namespace

TEST(PlainDecimal, MatchesFromCharsOnATable) {
  struct Case {
    const char* text;
    bool fast;  // whether the fast way takes it
  };
  const Case cases[] = {
      {"0", true},
      {"-0", true},
      {"-0.0", true},
      {"+7", true},
      {"5.", true},
      {".5", true},
      {"-.25", true},
      {"000123.4500", true},
      {"0.1", true},
      {"0.3", true},
      {"123456.789012", true},
      {"9007199254740991", true},        // 2^53 - 1
      {"9007199254740992", false},       // 2^53: no longer exact
      {"0.000000000000000001", true},    // 19 digits
      {"0.0000000000000000001", false},  // 20 digits
      {"1234567890123456789", false},    // beyond 2^53
      {"1e5", false},
      {"inf", false},
      {"nan", false},
      {".", false},
      {"-", false},
      {"+-1", false},
      {"1.2.3", false},
      {"", false},
      {" 1", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParsePlainDecimal(c.text).has_value(), c.fast) << c.text;
    EXPECT_EQ(Difference(c.text), "");
  }
}

TEST(PlainDecimal, MatchesFromCharsOnRandomDecimals) {
  std::mt19937_64 random(2024);
  std::uniform_int_distribution<int> length(1, 19), pointAt(-1, 19), digit(0, 9), sign(0, 2);
  int taken = 0;
  for (int i = 0; i < 200'000; ++i) {
    std::string text = sign(random) == 0 ? "-" : sign(random) == 0 ? "+" : "";
    const int digits = length(random);
    const int point = pointAt(random);
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    taken += ParsePlainDecimal(text).has_value();
    const std::string difference = Difference(text);
    ASSERT_EQ(difference, "");
  }
  // Most short decimals take the fast way; the test would be empty otherwise.
  EXPECT_GT(taken, 100'000);
}
