// The inner loop of number reading: a plain decimal scanned where it stands
// in the read buffer. Kept inline because the row reader calls it per field.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace pelk::cli {

// Scans [pos, end) from pos for an optional sign, digits and at most one
// decimal point, and leaves pos after them. Gives the value when it is exact
// in double precision: at most 19 digits forming an integer m < 2^53, so that
// m / 10^k is one correctly rounded division of two exact operands. nullopt otherwise (pos is then unspecified).
inline std::optional<double> ScanPlainDecimal(const char*& pos, const char* end) {
  static constexpr std::array<double, 20> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                       1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                       1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
  constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;
  const char* p = pos;
  bool negative = false;
  if (p != end && (*p == '-' || *p == '+')) {
    negative = *p == '-';
    ++p;
  }
  std::uint64_t mantissa = 0;
  const char* digitsStart = p;
  while (p != end && static_cast<unsigned char>(*p - '0') < 10) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
  const long integerDigits = p - digitsStart;
  long fractionDigits = 0;
  if (p != end && *p == '.') {
    const char* fractionStart = ++p;
    while (p != end && static_cast<unsigned char>(*p - '0') < 10) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    fractionDigits = p - fractionStart;
  }
  const long digits = integerDigits + fractionDigits;
  if (digits == 0 || digits > 19 || mantissa >= kExactLimit) return std::nullopt;
  pos = p;
  double value = static_cast<double>(mantissa);
  if (fractionDigits > 0) value /= kPowersOfTen[static_cast<std::size_t>(fractionDigits)];
  return negative ? -value : value;
}

}  // namespace pelk::cli
