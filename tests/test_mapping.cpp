#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

#include "plot/Mapping.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr auto H = AxisOrientation::Horizontal;
constexpr auto V = AxisOrientation::Vertical;

AxisScale Linear(double origin, double scale) { return {false, origin, scale, 0}; }
AxisScale Log(int minExponent) { return {true, 0.0, 0.0, minExponent}; }

// The unrounded pixel; nullopt where the map gives NaN or an infinity.
std::optional<float> ValueToPixel(const AxisScale& scale, const AxisPlacement& placement, float value) {
  const float pixel = AxisMap(scale, placement, kLn10).UncheckedPixel(value);
  if (!std::isfinite(pixel)) return std::nullopt;
  return pixel;
}

struct ToPixelCase {
  AxisScale scale;
  AxisPlacement placement;
  float value;
  std::optional<float> pixel;
};

TEST(Mapping, ValueToUnroundedPixel) {
  const ToPixelCase cases[] = {
      {Linear(0, 10), {64, 100, H}, 25.0f, 260.0f},
      {Linear(0, 10), {64, 300, V}, 25.0f, 140.0f},
      {Linear(0, -10), {64, 100, H}, 25.0f, -60.0f},  // negative scale grows leftwards
      {Linear(-3, 0.5), {40, 0, H}, 1.25f, 340.0f},
      {Log(-1), {50, 400, V}, 1.0f, 350.0f},
      {Log(-1), {50, 400, V}, 100.0f, 250.0f},
      {Log(-1), {50, 400, V}, 0.1f, 400.0f},
      {Log(2), {50, 0, H}, 10.0f, -50.0f},
      {Linear(0, 10), {0, 7, H}, 25.0f, 7.0f},  // zero width: everything at the origin
      // Not mappable.
      {Linear(0, 10), {64, 0, H}, kNaN, std::nullopt},
      {Linear(0, 10), {64, 0, H}, kInf, std::nullopt},
      {Log(0), {64, 0, H}, 0.0f, std::nullopt},
      {Log(0), {64, 0, H}, -1.0f, std::nullopt},
      {Linear(0, 0), {64, 0, H}, 1.0f, std::nullopt},
      {Linear(0, 1e-300), {64, 0, H}, 1e38f, std::nullopt},  // beyond the float range
      {Linear(0, std::numeric_limits<double>::quiet_NaN()), {64, 0, H}, 1.0f, std::nullopt},
  };
  for (const ToPixelCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value << " origin pixel " << c.placement.originPixel);
    EXPECT_EQ(ValueToPixel(c.scale, c.placement, c.value), c.pixel);
  }
}

TEST(Mapping, RoundPixelTiesToEvenWithinInt32) {
  const std::pair<float, std::optional<int>> cases[] = {
      {10.5f, 10}, {11.5f, 12}, {-0.5f, 0}, {-1.5f, -2}, {-2147483648.0f, INT_MIN},
      {2147483648.0f, std::nullopt},             {-2147483904.0f, std::nullopt},
      {kNaN, std::nullopt}, {kInf, std::nullopt},
  };
  for (const auto& [pixel, expected] : cases) EXPECT_EQ(RoundPixel(pixel), expected) << pixel;

  // A value whose unrounded pixel is origin + 10.5 lands on the even pixel.
  const auto unrounded = ValueToPixel(Linear(0, 1), {1, 0, H}, 10.5f);
  ASSERT_TRUE(unrounded);
  EXPECT_EQ(RoundPixel(*unrounded), 10);
}

struct ToValueCase {
  AxisScale scale;
  AxisPlacement placement;
  int pixel;
  float value;
};

TEST(Mapping, PixelToValue) {
  const ToValueCase cases[] = {
      {Log(-1), {50, 400, V}, 300, 10.0f},
      {Log(-1), {50, 400, V}, 400, 0.1f},
      {Linear(0, 10), {64, 100, H}, 260, 25.0f},
      {Linear(0, 10), {64, 300, V}, 140, 25.0f},
      {Linear(0, -10), {64, 100, H}, -60, 25.0f},
      {Linear(7.5, 10), {0, 100, H}, 260, 7.5f},  // zero width: the origin value
      {Log(2), {0, 100, V}, 0, 100.0f},
  };
  for (const ToValueCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "pixel " << c.pixel);
    EXPECT_FLOAT_EQ(PixelToValue(c.scale, c.placement, c.pixel, kLn10), c.value);
  }
  // Pixel differences beyond 32 bits do not overflow.
  EXPECT_TRUE(std::isfinite(PixelToValue(Linear(0, 1), {1, INT_MAX, H}, INT_MIN, kLn10)));
}

// The rule itself, in extended precision in the order it is written.
float ExtendedRule(const AxisScale& scale, const AxisPlacement& placement, float value) {
  const long double offset =
      (static_cast<long double>(value) - scale.originValue) * placement.divisionWidth / scale.scalePerDivision;
  const long double origin = placement.originPixel;
  return static_cast<float>(placement.orientation == H ? origin + offset : origin - offset);
}

// The linear mapping answers from double arithmetic when it can prove the
// result; near float rounding boundaries it must fall back to the rule.
// Origins at odd multiples of a float spacing put results right on such
// boundaries; the random cases cover the ordinary ranges.
TEST(Mapping, LinearShortcutAgreesWithTheExtendedRule) {
  std::mt19937_64 rng(20261207);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  int checked = 0;
  for (const int originPixel : {0, 1, 37, 16777217, -16777217, 33554433, 1000003}) {
    for (const AxisOrientation orientation : {H, V}) {
      for (int i = 0; i < 4000; ++i) {
        const double scalePerDivision = std::ldexp(unit(rng), static_cast<int>(rng() % 40) - 20);
        if (scalePerDivision == 0.0) continue;
        const AxisScale scale = Linear(std::ldexp(unit(rng), static_cast<int>(rng() % 60) - 30), scalePerDivision);
        const AxisPlacement placement{static_cast<int>(rng() % 2000) + 1, originPixel, orientation};
        // Values from the origin value out to many divisions, and very close to it.
        const double spread = std::ldexp(1.0, static_cast<int>(rng() % 60) - 50) * scalePerDivision;
        const auto value = static_cast<float>(scale.originValue + unit(rng) * spread);
        const float expected = ExtendedRule(scale, placement, value);
        const std::optional<float> pixel = ValueToPixel(scale, placement, value);
        if (!std::isfinite(expected)) {
          EXPECT_EQ(pixel, std::nullopt);
          continue;
        }
        ASSERT_TRUE(pixel) << value;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(*pixel), std::bit_cast<std::uint32_t>(expected))
            << "value " << value << " origin " << scale.originValue << " scale " << scalePerDivision
            << " width " << placement.divisionWidth << " origin pixel " << originPixel;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 50000);
  // Results exactly on a boundary between two floats: halves go to even.
  EXPECT_EQ(ValueToPixel(Linear(0, 1), {1, 16777216, H}, 1.0f), 16777216.0f);
  EXPECT_EQ(ValueToPixel(Linear(0, 1), {1, 16777216, H}, 3.0f), 16777220.0f);
  EXPECT_EQ(ValueToPixel(Linear(0, 3), {3, 16777216, H}, 1.0f), 16777216.0f);
}

TEST(Mapping, LinearRoundTrip) {
  const AxisScale scale = Linear(-3, 0.5);
  for (const AxisOrientation orientation : {H, V}) {
    const AxisPlacement placement{40, 200, orientation};
    for (const float value : {-3.0f, -2.5f, 0.0f, 1.25f, 4.0f, -7.125f}) {
      const auto pixel = RoundPixel(ValueToPixel(scale, placement, value).value());
      ASSERT_TRUE(pixel);
      EXPECT_FLOAT_EQ(PixelToValue(scale, placement, *pixel, kLn10), value);
    }
  }
}

TEST(Mapping, PrinterPositions) {
  EXPECT_EQ(PrinterFromPixel(3, 4.0f), 12);
  EXPECT_EQ(PrinterFromPixel(5, 4.0f), 20);
  EXPECT_EQ(PrinterFromPixel(1, 2.5f), 2);  // halves to even
  EXPECT_EQ(PrinterFromPixel(3, 2.5f), 8);
  EXPECT_EQ(PrinterFromPixel(INT_MAX, 4.0f), std::nullopt);
  EXPECT_EQ(PrinterFromPixel(1, kNaN), std::nullopt);

  const AxisPlacement x{64, 50, H};
  const AxisPlacement y{64, 300, V};
  EXPECT_EQ(PrinterFromUnrounded(52.6f, x, 4.0f), 10);  // 10.4
  EXPECT_EQ(PrinterFromUnrounded(297.4f, y, 4.0f), 10);
  EXPECT_EQ(PrinterFromUnrounded(47.4f, x, 4.0f), -10);
  EXPECT_EQ(PrinterFromUnrounded(51.25f, x, 2.0f), 2);  // halves to even
  EXPECT_EQ(PrinterFromUnrounded(51.75f, x, 2.0f), 4);
  EXPECT_EQ(PrinterFromUnrounded(kNaN, x, 4.0f), std::nullopt);
  EXPECT_EQ(PrinterFromUnrounded(3e38f, x, 4.0f), std::nullopt);
}

}  // namespace
}  // namespace pelk
