#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "plot/NiceScale.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);

struct NiceCase {
  float lo;
  float hi;
  int divisions;
  float origin;
  float step;
};

TEST(NiceScale, RoundOriginAndStep) {
  const NiceCase cases[] = {
      {0, 9.5f, 4, 0, 4},
      {3, 97, 5, 0, 20},
      {-7, 23, 3, -20, 20},
      {-97, -3, 5, -100, 20},
      {0.013f, 0.0271f, 5, 0.012f, 0.004f},
      {0, 1, 10, 0, 0.1f},
      {1, 3, 1, 0, 4},
      {0, 4.5f, 1, 0, 5},
      {-3e38f, 3e38f, 10, -3e38f, 1e38f},
      // Reversed bounds run downwards from the top.
      {100, 0, 5, 100, -20},
      {9.5f, 0, 4, 16, -4},
      // Equal bounds come back as they are.
      {2.5f, 2.5f, 4, 2.5f, 2.5f},
  };
  for (const NiceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lo << " .. " << c.hi << " in " << c.divisions);
    const auto scale = NiceScale(c.lo, c.hi, c.divisions, kLn10);
    ASSERT_TRUE(scale);
    EXPECT_FLOAT_EQ(scale->first, c.origin);
    EXPECT_FLOAT_EQ(scale->second, c.step);
  }
}

TEST(NiceScale, UncoverableRangesGiveNothing) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  constexpr float inf = std::numeric_limits<float>::infinity();
  const NiceCase cases[] = {
      {nan, 1, 4, 0, 0},     {0, nan, 4, 0, 0},
      {-inf, 1, 4, 0, 0},    {0, inf, 4, 0, 0},
      {0, 1, 0, 0, 0},       {0, 1, -3, 0, 0},
      {-1, 1, 1, 0, 0},      // one division across zero: every top is <= 0
      {-3e38f, 3e38f, 1, 0, 0},
  };
  for (const NiceCase& c : cases) {
    EXPECT_EQ(NiceScale(c.lo, c.hi, c.divisions, kLn10), std::nullopt)
        << c.lo << " .. " << c.hi << " in " << c.divisions;
  }
}

}  // namespace
}  // namespace pelk
