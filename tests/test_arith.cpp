// The platform's arithmetic: MulDiv's rounding, Round and Trunc, and the
// saturating helpers that keep absurd sizes inside the 32-bit range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/Arith.h"

namespace pelk {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(Arith, MulDivRoundsHalvesAwayFromZeroAndReportsWhatDoesNotFit) {
  struct Case {
    int a, b, c, result;
  };
  const Case cases[] = {
      {9, 96, 72, 12},   {5, 1, 2, 3},        {-5, 1, 2, -3},      {5, -1, 2, -3},    {-5, -1, 2, 3},
      {7, 1, 3, 2},      {8, 1, 3, 3},        {-7, 1, 3, -2},      {1, 1, -2, -1},    {3, 1, 0, -1},
      {kMax, 2, 2, kMax}, {kMax, kMax, kMax, kMax}, {kMax, 2, 1, -1}, {kMin, -1, 1, -1}, {kMin, 1, 1, kMin},
  };
  for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << " * " << c.b << " / " << c.c;
}

TEST(Arith, RoundTiesToEvenAndTruncDropsTheFractionBothSaturating) {
  constexpr std::int64_t kTop = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kBottom = std::numeric_limits<std::int64_t>::min();
  struct Case {
    double x;
    std::int64_t round, trunc;
  };
  const Case cases[] = {
      {10.5, 10, 10},   {11.5, 12, 11},   {-10.5, -10, -10}, {-11.5, -12, -11}, {0.49, 0, 0},
      {-0.6, -1, 0},    {NAN, 0, 0},      {1e300, kTop, kTop}, {-1e300, kBottom, kBottom},
      {INFINITY, kTop, kTop},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Round(c.x), c.round) << c.x;
    EXPECT_EQ(Trunc(c.x), c.trunc) << c.x;
  }
}

TEST(Arith, SaturatingHelpersStayInsideTheIntRange) {
  struct Case {
    std::int64_t value;
    bool fits;
    int clamped;
  };
  const Case cases[] = {
      {0, true, 0},
      {kMax, true, kMax},
      {std::int64_t{kMax} + 1, false, kMax},
      {kMin, true, kMin},
      {std::int64_t{kMin} - 1, false, kMin},
      {std::numeric_limits<std::int64_t>::max(), false, kMax},
      {std::numeric_limits<std::int64_t>::min(), false, kMin},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitsInt(c.value), c.fits) << c.value;
    EXPECT_EQ(ClampToInt(c.value), c.clamped) << c.value;
  }
  struct Sum {
    int a, b, result;
  };
  const Sum sums[] = {{1, 2, 3}, {kMax, 1, kMax}, {kMax, -1, kMax - 1}, {kMin, -1, kMin}, {kMin, kMax, -1}};
  for (const Sum& s : sums) EXPECT_EQ(SaturatingAdd(s.a, s.b), s.result) << s.a << " + " << s.b;
}

}  // namespace
}  // namespace pelk
