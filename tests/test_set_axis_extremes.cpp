// SetAxis over the whole float range, against a plain single-precision
// reading of the fitting rule: the same origin and step, bit for bit,
// wherever that reading stays finite; a covering fit where it overflows; the
// axis unchanged and counted only for ranges no step covers.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <utility>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);

// The fitting rule as written: single-precision bounds, origin and result,
// double intermediates, the origin walked in single precision. nullopt when a
// value overflows or the search does not end.
std::optional<std::pair<float, float>> PlainFit(float value1, float value2, int d, bool autoScale, int width) {
  float origin = value1, step = value2;
  if (autoScale && value1 != value2) {
    float lo = value1, hi = value2;
    const bool reversed = hi < lo;
    if (reversed) std::swap(lo, hi);
    const double raw = (static_cast<double>(hi) - lo) / d;
    const double L = std::log(raw) / kLn10;
    double e = std::trunc(L);
    if (L < 0) e -= 1;
    const double m = std::exp((L - e) * kLn10);
    constexpr std::array<double, 5> mantissas = {1, 2, 4, 5, 10};
    std::size_t i = 0;
    while (mantissas[i] < m - 1e-8) ++i;
    double s = 0, o = 0, top = 0;
    for (int tries = 0;; ++tries) {
      if (tries > 4000) return std::nullopt;
      if (i == 4) {
        e += 1;
        i = 0;
      }
      s = std::exp(e * kLn10) * mantissas[i];
      float q = static_cast<float>(lo / s);
      if (q != std::trunc(q) && lo < 0) q = q - 1;
      o = std::trunc(q) * s;
      top = d * s + o;
      if (!std::isfinite(top)) return std::nullopt;
      ++i;
      if (hi < top || std::fabs(hi - top) < 1e-8) break;
    }
    if (reversed) {
      s = -s;
      o = top;
    }
    origin = static_cast<float>(o);
    step = static_cast<float>(s);
    if (!std::isfinite(origin) || !std::isfinite(step)) return std::nullopt;
  }
  if (step != 0) {
    origin = origin - step;
    for (int walked = 0;; ++walked) {
      origin = origin + step;
      if (!std::isfinite(origin) || walked > 100000) return std::nullopt;
      if (std::trunc((static_cast<long double>(value1) - origin) / step * width) < width) break;
    }
  }
  return std::pair{origin, step};
}

class SetAxisExtremesTest : public ::testing::Test {
 protected:
  SetAxisExtremesTest() { g.SetAutoSize(false); }

  struct Result {
    double origin, step;
    int divisions;
    bool failed;
  };
  Result Fit(int d, float v1, float v2, bool autoScale) {
    TAxis& axis = MakeStandardLinearAxis(g.XAxis());
    const long long before = g.FailedAxisFits();
    g.SetAxis(axis, d, v1, v2, autoScale);
    const bool failed = g.FailedAxisFits() != before;
    EXPECT_LE(g.FailedAxisFits() - before, 1);
    return {axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions(), failed};
  }

  // Checks one request against the plain rule, or for coverage where it overflows.
  void Check(int d, float v1, float v2, bool autoScale) {
    SCOPED_TRACE(testing::Message() << v1 << " .. " << v2 << " in " << d << (autoScale ? " auto" : " fixed"));
    const Result r = Fit(d, v1, v2, autoScale);
    // Only one division across zero is beyond every candidate step.
    if (autoScale && d == 1 && std::min(v1, v2) < 0 && std::max(v1, v2) > 0) {
      EXPECT_TRUE(r.failed);
      EXPECT_EQ(r.origin, 0.0);
      EXPECT_EQ(r.step, 10.0);
      return;
    }
    ASSERT_FALSE(r.failed);
    const auto plain = PlainFit(v1, v2, d, autoScale, 64);
    if (plain) {
      EXPECT_EQ(r.origin, static_cast<double>(plain->first));
      if (plain->second != 0) {
        EXPECT_EQ(r.step, static_cast<double>(plain->second));
      }
      return;
    }
    ASSERT_TRUE(std::isfinite(r.origin) && std::isfinite(r.step) && r.step != 0);
    EXPECT_EQ(r.divisions, d);
    // value1 lies less than one division past the origin.
    const double past = (static_cast<double>(v1) - r.origin) / r.step;
    EXPECT_GT(past, -1e-6);
    EXPECT_LT(past, 1.0);
    if (autoScale) {
      const double end = r.origin + d * r.step;
      const double slack = 1e-6 * std::fabs(static_cast<double>(v2) - v1);
      EXPECT_TRUE(r.step > 0 ? end >= v2 - slack : end <= v2 + slack) << "end " << end;
    }
  }

  TForm form;
  TPelkgraph g{&form};
};

TEST_F(SetAxisExtremesTest, FitsMatchThePlainRuleOrCoverTheRange) {
  struct Case {
    int d;
    float v1, v2;
    bool autoScale;
  };
  const Case cases[] = {
      {5, -3.4e38f, -3.3e38f, true},  // origin - step overflows in single precision
      {5, 3.3e38f, 3.4e38f, true},
      {5, -2e38f, 2e38f, true},
      {4, -2e38f, 2e38f, true},
      {5, 2e38f, -2e38f, true},
      {1, 0, 3.4e38f, true},          // the one step exceeds the float range
      {3, -3.4e38f, 3.4e38f, true},
      {2, 3.4e38f, -3.4e38f, true},
      {3, -3.4e38f, 3e38f, false},    // origin and step given
      {4, 0, 9.5f, true},
      {5, 3, 97, true},
      {3, -7, 23, true},
      {5, 100, 0, true},
      {4, 9.5f, 0, true},
      {4, 2.5f, 2.5f, true},
      {100000000, 1, 0, true},        // a reversed walk of tens of millions of steps
      {1, -5, 5, true},               // no step covers it
      {1, 3e38f, -3e38f, true},
  };
  for (const Case& c : cases) Check(c.d, c.v1, c.v2, c.autoScale);
}

TEST_F(SetAxisExtremesTest, RandomRangesMatchThePlainRuleOrCoverTheRange) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> exponent(-40, 38), divisions(1, 12), coin(0, 1);
  std::uniform_real_distribution<float> mantissa(1.0f, 3.4f);
  const auto value = [&] {
    const float v = mantissa(random) * std::pow(10.0f, static_cast<float>(exponent(random)));
    return std::isfinite(v) ? (coin(random) ? v : -v) : 0.0f;
  };
  for (int i = 0; i < 3000; ++i) {
    const float v1 = value();
    // Near ranges as well as ones spanning many decades.
    float v2 = coin(random) ? value() : v1 * (1.0f + mantissa(random) * 1e-3f) + mantissa(random);
    if (!std::isfinite(v2)) v2 = -v1;
    Check(divisions(random), v1, v2, coin(random) || i % 3 == 0);
  }
}

}  // namespace
}  // namespace pelk
