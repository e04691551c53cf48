#include "common/SeriesColors.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace pelk::cli {

namespace {

constexpr std::array<std::pair<std::string_view, TColor>, 16> kNamedColors{{
    {"black", clBlack}, {"maroon", clMaroon}, {"green", clGreen}, {"olive", clOlive},
    {"navy", clNavy},   {"purple", clPurple}, {"teal", clTeal},   {"gray", clGray},
    {"silver", clSilver}, {"red", clRed},     {"lime", clLime},   {"yellow", clYellow},
    {"blue", clBlue},   {"fuchsia", clFuchsia}, {"aqua", clAqua}, {"white", clWhite},
}};

bool SameNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

TColor SeriesColor(std::size_t index) {
  static constexpr std::array<TColor, 8> kPalette{clBlue, clRed, clGreen, clFuchsia, clTeal, clMaroon, clNavy, clOlive};
  return kPalette[index % kPalette.size()];
}

std::optional<TColor> ParseColor(std::string_view text) {
  for (const auto& [name, color] : kNamedColors) {
    if (SameNoCase(text, name)) return color;
  }
  constexpr std::size_t kHexDigits = 6;
  if (text.size() != kHexDigits + 1 || text.front() != '#') return std::nullopt;
  const std::string_view digits = text.substr(1);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
    return std::nullopt;
  }
  unsigned rgb = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), rgb, 16);
  // TColor holds blue in the high byte, red in the low one.
  return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

std::string_view ColorNames() {
  return "black, maroon, green, olive, navy, purple, teal, gray, silver, red, lime, yellow, blue, fuchsia, aqua, "
         "white";
}

}  // namespace pelk::cli
