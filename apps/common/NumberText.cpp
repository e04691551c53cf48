#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/PlainDecimal.h"

namespace pelk::cli {

std::optional<double> ParsePlainDecimal(std::string_view text) {
  const char* end = text.data() + text.size();
  const char* stop = text.data();
  const std::optional<double> value = ScanPlainDecimal(stop, end);
  if (!value || stop != end) return std::nullopt;
  return value;
}

std::optional<double> ParseNumber(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
  if (field.empty()) return std::nullopt;
  if (const std::optional<double> plain = ParsePlainDecimal(field)) return plain;
  std::string_view digits = field;
  if (digits.front() == '+') {
    digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '-' || digits.front() == '+') return std::nullopt;
  }
  double value = 0.0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value, std::chars_format::general);
  if (stop != end) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // strtod gives the saturated value (infinity, or zero for underflow).
    const std::string copy(digits);
    return std::strtod(copy.c_str(), nullptr);
  }
  if (error != std::errc{}) return std::nullopt;
  return value;
}

float ToFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace pelk::cli
