#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/FormatSettings.h"
#include "render/AxisNumbers.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);

struct AxisNumbersCase {
  double origin;
  double scale;
  int divisions;
  int E;
  bool applied;
  std::vector<std::string> texts;
};

std::vector<std::string> Texts(const LinearAxisNumbers& axis, const CommonExponent& exponent) {
  std::vector<std::string> texts;
  for (int i = 0; i <= axis.divisions; ++i) texts.push_back(AxisDivisionText(axis, exponent, i, kLn10, '.'));
  return texts;
}

TEST(AxisNumbers, CommonExponentAndTexts) {
  const AxisNumbersCase cases[] = {
      {0, 10, 3, -1, false, {"0.0", "10.0", "20.0", "30.0"}},
      {0, 1000, 5, 1, true, {"0.0", "100.0", "200.0", "300.0", "400.0", "500.0"}},
      {0, 250, 4, 1, true, {"0.0", "25.0", "50.0", "75.0", "100.0"}},
      {0, 100, 5, 0, false, {"0.0", "100.0", "200.0", "300.0", "400.0", "500.0"}},
      {0, 0.1, 5, 0, false, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}},
      {0, 0.01, 5, -1, true, {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5"}},
      // End 0.1: the logarithm is exactly -1 in single precision.
      {0, 0.02, 5, -1, true, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
      // The end (0) is smaller than the origin: the origin decides.
      {-5000, 1000, 5, 1, true, {"-500.0", "-400.0", "-300.0", "-200.0", "-100.0", "0.0"}},
      {0, -1000, 5, 1, true, {"0.0", "-100.0", "-200.0", "-300.0", "-400.0", "-500.0"}},
      {0, 20000, 5, 3, true, {"0.0", "20.0", "40.0", "60.0", "80.0", "100.0"}},
  };
  for (const AxisNumbersCase& c : cases) {
    const LinearAxisNumbers axis{c.origin, c.scale, c.divisions, 3, 1};
    const CommonExponent exponent = AxisCommonExponent(axis, kLn10);
    SCOPED_TRACE(testing::Message() << "origin " << c.origin << " scale " << c.scale);
    EXPECT_EQ(exponent.E, c.E);
    EXPECT_EQ(exponent.applied, c.applied);
    EXPECT_EQ(Texts(axis, exponent), c.texts);
  }
}

TEST(AxisNumbers, DegenerateRangesHaveNoExponent) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const LinearAxisNumbers axes[] = {
      {0, 0, 5, 3, 1},         // first and last zero
      {1e-50, 1e-50, 1, 3, 1},  // zero in single precision
      {nan, 1, 5, 3, 1},
      {0, nan, 5, 3, 1},
      {inf, 1, 5, 3, 1},
      {0, -inf, 5, 3, 1},
      {1e39, 1, 5, 3, 1},      // beyond the float range
      {0, 1e300, INT_MAX, 3, 1},
  };
  for (const LinearAxisNumbers& axis : axes) {
    const CommonExponent exponent = AxisCommonExponent(axis, kLn10);
    EXPECT_EQ(exponent.E, 0);
    EXPECT_FALSE(exponent.applied);
  }
  // Extreme digit counts give an exponent or none, never an overflow.
  const CommonExponent big = AxisCommonExponent({0, 1e30, 1, INT_MIN, INT_MAX}, kLn10);
  EXPECT_FALSE(big.applied);
  const CommonExponent small = AxisCommonExponent({0, 1e-30, 1, INT_MAX, INT_MIN}, kLn10);
  EXPECT_FALSE(small.applied);
}

TEST(AxisNumbers, TextUsesProcessDecimalSeparator) {
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  const LinearAxisNumbers axis{0, 0.25, 2, 3, 2};
  const CommonExponent exponent = AxisCommonExponent(axis, kLn10);
  EXPECT_EQ(AxisDivisionText(axis, exponent, 1, kLn10), "0,25");
  FormatSettings().DecimalSeparator = saved;
}

}  // namespace
}  // namespace pelk
