#include "platform/Arith.h"

#include <cmath>
#include <limits>

namespace pelk {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t p = static_cast<std::int64_t>(a) * b;
  std::int64_t q = p / c;
  std::int64_t r = p % c;
  // Round halves away from zero: compare twice the remainder with the divisor.
  if (r != 0) {
    std::int64_t r2 = r < 0 ? -r : r;
    std::int64_t c2 = c < 0 ? -static_cast<std::int64_t>(c) : c;
    if (2 * r2 >= c2) q += ((p < 0) != (c < 0)) ? -1 : 1;
  }
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}

namespace {
constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63

std::int64_t SaturatingToInt64(double v) {
  if (std::isnan(v)) return 0;
  if (v >= kInt64Limit) return std::numeric_limits<std::int64_t>::max();
  if (v < -kInt64Limit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}
}  // namespace

std::int64_t Round(double x) { return SaturatingToInt64(std::rint(x)); }

std::int64_t Trunc(double x) { return SaturatingToInt64(std::trunc(x)); }

}  // namespace pelk
