#include "render/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <string>
#include <system_error>

namespace pelk {

namespace {

constexpr int kPrecision = 9;
constexpr int kMaxDigits = 18;

// A non-negative decimal number: its digits and how many of them stand before
// the decimal point.
struct DecimalDigits {
  std::string digits;
  int integerCount = 0;
};

// The exact decimal expansion of |value|. Every float is a multiple of 2^-149,
// so 150 decimals reproduce it without rounding (to_chars writes them several
// times faster than printf, which matters on axes of many divisions).
DecimalDigits ExactDigits(float value) {
  char buffer[256];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer,
                                                     std::fabs(static_cast<double>(value)), std::chars_format::fixed, 150);
  std::string text(buffer, written.ec == std::errc{} ? written.ptr : buffer);
  const std::size_t point = text.find('.');
  DecimalDigits result;
  result.integerCount = static_cast<int>(point);
  result.digits = text.substr(0, point) + text.substr(point + 1);
  return result;
}

// Keeps the first `keep` digits, rounding halves away from zero; a carry out of
// the first digit adds a leading '1'.
DecimalDigits RoundToLength(const DecimalDigits& number, int keep) {
  DecimalDigits result = number;
  const auto length = static_cast<int>(number.digits.size());
  keep = std::clamp(keep, 0, length);
  const bool roundUp = keep < length && number.digits[static_cast<std::size_t>(keep)] >= '5';
  result.digits.resize(static_cast<std::size_t>(keep));
  if (!roundUp) return result;
  int i = keep - 1;
  for (; i >= 0; --i) {
    char& c = result.digits[static_cast<std::size_t>(i)];
    if (c != '9') {
      ++c;
      break;
    }
    c = '0';
  }
  if (i < 0) {
    result.digits.insert(result.digits.begin(), '1');
    ++result.integerCount;
  }
  return result;
}

// Index of the first non-zero digit, or the length when all are zero.
int FirstSignificant(const std::string& digits) {
  const std::size_t i = digits.find_first_not_of('0');
  return i == std::string::npos ? static_cast<int>(digits.size()) : static_cast<int>(i);
}

// `rounded` holds the value rounded to 9 significant digits.
std::string Scientific(const DecimalDigits& rounded, bool negative, char separator) {
  const int first = FirstSignificant(rounded.digits);
  const int exponent = rounded.integerCount - first - 1;
  std::string mantissa = rounded.digits.substr(static_cast<std::size_t>(first));
  mantissa.erase(mantissa.find_last_not_of('0') + 1);
  std::string text = negative ? "-" : "";
  text += mantissa[0];
  if (mantissa.size() > 1) text += separator + mantissa.substr(1);
  return text + "E" + std::to_string(exponent);
}

std::string Fixed(const DecimalDigits& exact, bool negative, int digits, char separator) {
  const int keep = std::min(FirstSignificant(exact.digits) + kPrecision, exact.integerCount + digits);
  const DecimalDigits rounded = RoundToLength(exact, keep);
  const auto integerCount = static_cast<std::size_t>(rounded.integerCount);
  std::string integer = rounded.digits.substr(0, integerCount);
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  std::string fraction = rounded.digits.substr(integerCount);
  fraction.resize(static_cast<std::size_t>(digits), '0');
  const bool isZero = FirstSignificant(rounded.digits) == static_cast<int>(rounded.digits.size());
  std::string text = negative && !isZero ? "-" : "";
  text += integer;
  if (digits > 0) text += separator + fraction;
  return text;
}

}  // namespace

std::string FormatFixed(float value, int digits, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  digits = std::clamp(digits, 0, kMaxDigits);
  const bool negative = std::signbit(value);
  const DecimalDigits exact = ExactDigits(value);
  // The integer digits of the value rounded to 9 significant ones decide the form.
  const DecimalDigits significant = RoundToLength(exact, FirstSignificant(exact.digits) + kPrecision);
  const int integerDigits = significant.integerCount - FirstSignificant(significant.digits);
  if (integerDigits > kPrecision) return Scientific(significant, negative, decimalSeparator);
  return Fixed(exact, negative, digits, decimalSeparator);
}

}  // namespace pelk
