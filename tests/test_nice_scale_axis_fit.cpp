#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "plot/AxisFit.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

AxisFitRequest Linear(float value1, float value2, int divisions, bool autoScale = true, int width = 64) {
  AxisFitRequest r;
  r.numberOfDivisions = 3;
  r.divisionWidth = width;
  r.divisions = divisions;
  r.value1 = value1;
  r.value2 = value2;
  r.autoScale = autoScale;
  return r;
}

AxisFitRequest Log(float value1, float value2, bool autoScale = true, bool autoSize = false) {
  AxisFitRequest r = Linear(value1, value2, 0, autoScale);
  r.logAxis = true;
  r.autoSize = autoSize;
  return r;
}

struct LinearFitCase {
  AxisFitRequest request;
  float origin;
  float step;
  int divisions;
};

TEST(AxisFit, LinearAssignments) {
  const LinearFitCase cases[] = {
      {Linear(0, 9.5f, 4), 0, 4, 4},
      {Linear(3, 97, 5), 0, 20, 5},
      {Linear(-7, 23, 3), -20, 20, 3},
      {Linear(0.013f, 0.0271f, 5), 0.012f, 0.004f, 5},
      {Linear(0, 1, 10), 0, 0.1f, 10},
      {Linear(100, 0, 5), 100, -20, 5},
      {Linear(9.5f, 0, 4), 12, -4, 4},  // origin moved until 9.5 lies in the first division
      {Linear(2.5f, 2.5f, 4), 2.5f, 2.5f, 4},
      {Linear(0, 9.5f, -4), 0, 4, 4},
      {Linear(3, 97, 0), 0, 40, 3},  // 0 keeps the current count (3)
      {Linear(9.5f, 0, 4, true, 0), 16, -4, 4},  // zero width: no origin adjustment
      {Linear(1.5f, 0.25f, 6, false), 1.5f, 0.25f, 6},
      {Linear(5, 0, 2, false), 5, 0, 2},  // zero step: no origin adjustment
  };
  for (const LinearFitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.request.value1 << ", " << c.request.value2 << " in "
                                    << c.request.divisions);
    const std::vector<AxisAssignment> plan = PlanAxisFit(c.request, kLn10);
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0].field, AxisField::OriginValue);
    EXPECT_EQ(plan[1].field, AxisField::ScalePerDivision);
    EXPECT_EQ(plan[2].field, AxisField::NumberOfDivisions);
    EXPECT_FLOAT_EQ(static_cast<float>(std::get<double>(plan[0].value)), c.origin);
    EXPECT_FLOAT_EQ(static_cast<float>(std::get<double>(plan[1].value)), c.step);
    EXPECT_EQ(std::get<int>(plan[2].value), c.divisions);
  }
}

using Plan = std::vector<AxisAssignment>;
constexpr auto kWidth = AxisField::DivisionWidth;
constexpr auto kCount = AxisField::NumberOfDivisions;
constexpr auto kExponent = AxisField::MinExponent;

struct LogFitCase {
  AxisFitRequest request;
  Plan plan;
};

TEST(AxisFit, LogAssignments) {
  AxisFitRequest huge = Log(3, 7);
  huge.numberOfDivisions = INT_MAX;
  huge.divisionWidth = INT_MAX;
  AxisFitRequest fixed = Log(-2.7f, 0, false);
  fixed.divisions = -6;
  const LogFitCase cases[] = {
      {Log(0.5f, 2000), {{kWidth, 38}, {kCount, 5}, {kExponent, -1}}},
      {Log(2000, 0.5f), {{kWidth, 38}, {kCount, 5}, {kExponent, -1}}},
      {Log(1, 1000), {{kWidth, 64}, {kCount, 3}, {kExponent, 0}}},
      {Log(0.001f, 0.1f), {{kWidth, 96}, {kCount, 2}, {kExponent, -3}}},
      {Log(3, 7), {{kWidth, 192}, {kCount, 1}, {kExponent, 0}}},
      {Log(0.5f, 2000, true, true), {{kCount, 5}, {kExponent, -1}}},  // AutoSize keeps the width
      {huge, {{kWidth, INT_MAX}, {kCount, 1}, {kExponent, 0}}},     // length saturates
      // Equal bounds set the exponent only.
      {Log(50, 50), {{kExponent, 1}}},
      {Log(0.05f, 0.05f), {{kExponent, -2}}},
      // Without AutoScale value1 is the exponent.
      {Log(-2.7f, 0, false), {{kExponent, -2}, {kCount, 3}}},
      {fixed, {{kExponent, -2}, {kCount, 6}}},
      // Nothing to fit.
      {Log(0, 10), {}},
      {Log(10, -1), {}},
      {Log(kNaN, 10), {}},
      {Log(1, kInf), {}},
      {Log(kNaN, 0, false), {}},
      {Log(3e9f, 0, false), {}},
  };
  for (const LogFitCase& c : cases) {
    EXPECT_EQ(PlanAxisFit(c.request, kLn10), c.plan) << c.request.value1 << ", " << c.request.value2;
  }
}

TEST(AxisFit, UnfittableLinearRequestsChangeNothing) {
  const AxisFitRequest cases[] = {
      Linear(kNaN, 1, 4),
      Linear(0, kNaN, 4),
      Linear(-kInf, 1, 4),
      Linear(0, kInf, 4, false),
      Linear(-1, 1, 1),             // one division across zero
  };
  for (const AxisFitRequest& r : cases) {
    EXPECT_TRUE(PlanAxisFit(r, kLn10).empty()) << r.value1 << ", " << r.value2 << " in " << r.divisions;
  }
  // INT_MIN divisions count as INT_MAX.
  const std::vector<AxisAssignment> plan = PlanAxisFit(Linear(0, 1, INT_MIN), kLn10);
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(plan[2], (AxisAssignment{AxisField::NumberOfDivisions, INT_MAX}));
}

}  // namespace
}  // namespace pelk
