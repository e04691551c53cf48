// SetAxis: fitting a linear or logarithmic axis to a range, setting origin
// and scale directly, and the requests that change nothing.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class SetAxisTest : public ::testing::Test {
 protected:
  SetAxisTest() { g.SetAutoSize(false); }

  // A linear axis of 3 divisions of 64 pixels, 0 to 30.
  TAxis& LinearAxis() { return MakeStandardLinearAxis(g.XAxis()); }
  TAxis& LogAxis() {
    TAxis& a = LinearAxis();
    a.SetLog(true);
    a.SetMinExponent(0);
    return a;
  }

  TForm form;
  TPelkgraph g{&form};
};

TEST_F(SetAxisTest, LinearAutoScaleChoosesRoundSteps) {
  struct Case {
    float v1, v2;
    int divisions;
    double origin, scale;
    int count;
  };
  const Case cases[] = {
      {0, 9.5f, 4, 0, 4, 4},
      {3, 97, 5, 0, 20, 5},
      {-7, 23, 3, -20, 20, 3},  // step 10 from -10 reaches only 20
      {0.013f, 0.0271f, 5, 0.012f, 0.004f, 5},
      {0, 1, 10, 0, 0.1f, 10},
      {100, 0, 5, 100, -20, 5},
      {9.5f, 0, 4, 12, -4, 4},  // 16 from the round scale, one step down
      {2.5f, 2.5f, 4, 2.5, 2.5, 4},  // equal bounds: origin and step
      {0, 9.5f, -4, 0, 4, 4},  // the number of divisions is taken absolute
      {0, 9.5f, 0, 0, 4, 3},  // 0 keeps the axis's 3 divisions
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.v1) + " .. " + std::to_string(c.v2);
    TAxis& axis = LinearAxis();
    g.SetAxis(axis, c.divisions, c.v1, c.v2, true);
    EXPECT_FLOAT_EQ(static_cast<float>(axis.OriginValue()), static_cast<float>(c.origin)) << what;
    EXPECT_FLOAT_EQ(static_cast<float>(axis.ScalePerDivision()), static_cast<float>(c.scale)) << what;
    EXPECT_EQ(axis.NumberOfDivisions(), c.count) << what;
    EXPECT_EQ(axis.DivisionWidth(), 64) << what;
  }
}

TEST_F(SetAxisTest, LinearWithoutAutoScaleTakesOriginAndStep) {
  struct Case {
    float origin, step;
  };
  // The origin is stepped back and forth once in single precision.
  const Case cases[] = {{3.3f, 0.7f}, {-12.5f, 2.5f}, {0.1f, -0.3f}, {1e10f, 1.0f}};
  for (const Case& c : cases) {
    TAxis& axis = LinearAxis();
    g.SetAxis(axis, 5, c.origin, c.step, false);
    const float expected = static_cast<float>(static_cast<float>(c.origin - c.step) + c.step);
    EXPECT_EQ(axis.OriginValue(), static_cast<double>(expected)) << c.origin;
    EXPECT_EQ(axis.ScalePerDivision(), static_cast<double>(c.step)) << c.origin;
    EXPECT_EQ(axis.NumberOfDivisions(), 5) << c.origin;
  }
}

TEST_F(SetAxisTest, ZeroStepKeepsTheScaleButSetsOriginAndDivisions) {
  struct Case {
    float v1, v2;
    bool autoScale;
  };
  for (const Case& c : {Case{7, 0, false}, Case{0, 0, true}}) {
    TAxis& axis = LinearAxis();
    g.SetAxis(axis, 6, c.v1, c.v2, c.autoScale);
    EXPECT_EQ(axis.OriginValue(), c.v1);
    EXPECT_EQ(axis.ScalePerDivision(), 10.0);
    EXPECT_EQ(axis.NumberOfDivisions(), 6);
  }
}

TEST_F(SetAxisTest, LogarithmicAutoScaleCoversWholeDecades) {
  struct Case {
    float v1, v2;
    int minExponent, divisions, width;
  };
  const Case cases[] = {
      {0.5f, 2000, -1, 5, 38}, {2000, 0.5f, -1, 5, 38}, {1, 1000, 0, 3, 64},
      {0.001f, 0.1f, -3, 2, 96}, {3, 7, 0, 1, 192},
      {250, 250, 2, 3, 64},  // equal bounds set only the exponent
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.v1) + " .. " + std::to_string(c.v2);
    TAxis& axis = LogAxis();
    g.SetAxis(axis, 7, c.v1, c.v2, true);  // the division count is computed
    EXPECT_EQ(axis.MinExponent(), c.minExponent) << what;
    EXPECT_EQ(axis.NumberOfDivisions(), c.divisions) << what;
    EXPECT_EQ(axis.DivisionWidth(), c.width) << what;
  }
}

TEST_F(SetAxisTest, LogarithmicFitLeavesTheWidthToTheLayoutUnderAutoSize) {
  g.SetAutoSize(true);
  TAxis& axis = LogAxis();
  g.SetAxis(axis, 0, 0.5f, 2000, true);
  EXPECT_EQ(axis.MinExponent(), -1);
  EXPECT_EQ(axis.NumberOfDivisions(), 5);
  EXPECT_EQ(axis.DivisionWidth(), 64);
}

TEST_F(SetAxisTest, LogarithmicWithoutAutoScaleTruncatesTheExponent) {
  struct Case {
    float v1;
    int divisions, minExponent, count;
  };
  const Case cases[] = {{-2.7f, 4, -2, 4}, {3.9f, -2, 3, 2}, {1, 0, 1, 3}};
  for (const Case& c : cases) {
    TAxis& axis = LogAxis();
    g.SetAxis(axis, c.divisions, c.v1, 123, false);
    EXPECT_EQ(axis.MinExponent(), c.minExponent) << c.v1;
    EXPECT_EQ(axis.NumberOfDivisions(), c.count) << c.v1;
    EXPECT_EQ(axis.DivisionWidth(), 64) << c.v1;
  }
}

TEST_F(SetAxisTest, ZeroDivisionWidthSkipsTheOriginAdjustment) {
  TAxis& axis = LinearAxis();
  axis.SetDivWidth(0);
  g.SetAxis(axis, 4, 9.5f, 0, true);
  EXPECT_EQ(axis.OriginValue(), 16.0);  // the round scale's origin, not stepped down
  EXPECT_EQ(axis.ScalePerDivision(), -4.0);
}

// One SetAxis request of a table.
struct Request {
  const char* what;
  bool log;
  int divisions;
  float v1, v2;
  bool autoScale;
};

TEST_F(SetAxisTest, RequestsThatCannotBeMetChangeNothing) {
  const Request cases[] = {
      {"NaN bound", false, 4, kNaN, 10, true},
      {"infinite bound", false, 4, 0, kInf, true},
      {"NaN step", false, 4, 0, kNaN, false},
      {"infinite origin", false, 4, -kInf, 1, false},
      {"one division across zero", false, 1, -5, 5, true},
      {"one division across zero, reversed", false, -1, 5, -5, true},
      {"zero log bound", true, 4, 0, 100, true},
      {"negative log bound", true, 4, 10, -100, true},
      {"NaN log bound", true, 4, kNaN, 100, true},
      {"infinite log bound", true, 4, 1, kInf, true},
      {"NaN exponent", true, 4, kNaN, 0, false},
  };
  for (const Request& c : cases) {
    TAxis& axis = c.log ? LogAxis() : LinearAxis();
    axis.SetMinExponent(-1);
    g.SetAxis(axis, c.divisions, c.v1, c.v2, c.autoScale);
    EXPECT_EQ(axis.OriginValue(), 0.0) << c.what;
    EXPECT_EQ(axis.ScalePerDivision(), 10.0) << c.what;
    EXPECT_EQ(axis.NumberOfDivisions(), 3) << c.what;
    EXPECT_EQ(axis.DivisionWidth(), 64) << c.what;
    EXPECT_EQ(axis.MinExponent(), -1) << c.what;
  }
}

TEST_F(SetAxisTest, ExtremeRequestsEndAndLeaveAUsableAxis) {
  const float big = std::numeric_limits<float>::max();
  const float tiny = std::numeric_limits<float>::denorm_min();
  const Request cases[] = {
      {"whole float range", false, 10, -big, big, true},
      {"most divisions", false, INT_MAX, 0, 1, true},
      {"most negative divisions", false, INT_MIN, 0, 1, true},
      {"denormal range", false, 3, 0, tiny, true},
      {"huge origin, small step", false, 3, 1e30f, 1e-30f, false},
      {"huge step from the origin", false, 3, -big, big, false},
      {"log over the float range", true, 0, tiny, big, true},
      {"huge exponent", true, 3, 3e9f, 0, false},
  };
  for (const Request& c : cases) {
    TAxis& axis = c.log ? LogAxis() : LinearAxis();
    g.SetAxis(axis, c.divisions, c.v1, c.v2, c.autoScale);
    EXPECT_TRUE(std::isfinite(axis.OriginValue())) << c.what;
    EXPECT_TRUE(std::isfinite(axis.ScalePerDivision())) << c.what;
    EXPECT_NE(axis.ScalePerDivision(), 0.0) << c.what;
    EXPECT_GE(axis.NumberOfDivisions(), 1) << c.what;
    EXPECT_GE(axis.DivisionWidth(), 0) << c.what;
  }
}

}  // namespace
}  // namespace pelk
