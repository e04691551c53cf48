// Fitting the programs' axes to data: divisions and round steps chosen
// together so the data fills the axis, exact ranges, shared divisions of the
// two Y axes, and number formats that tell neighbouring numbers apart.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/AxisDecimals.h"
#include "common/AxisFit.h"
#include "common/PlotData.h"
#include "platform/Forms.h"
#include "render/AxisNumbers.h"

using namespace pelk;
using namespace pelk::cli;

namespace {

view::SeriesData SeriesOf(std::vector<float> y, bool secondY = false) {
  view::SeriesData series;
  series.y = std::move(y);
  series.secondY = secondY;
  return series;
}

// Whether the step is 1, 2, 4 or 5 times a power of ten.
bool IsRoundStep(double step) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(std::fabs(step)) + 1e-9));
  const double mantissa = std::fabs(step) / magnitude;
  for (double round : {1.0, 2.0, 4.0, 5.0, 10.0}) {
    if (std::fabs(mantissa - round) < 1e-5 * round) return true;
  }
  return false;
}

std::vector<std::string> NumberTexts(const TAxis& axis) {
  const double ln10 = std::log(10.0);
  const LinearAxisNumbers numbers{axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions(),
                                  axis.NumberOfFixed(), axis.NumberOfDecimals()};
  const CommonExponent exponent = AxisCommonExponent(numbers, ln10);
  std::vector<std::string> texts;
  for (int i = 0; i <= numbers.divisions; ++i) texts.push_back(AxisDivisionText(numbers, exponent, i, ln10));
  return texts;
}

}  // namespace

TEST(PlotAxisFit, DataFillsMostOfEveryAxis) {
  struct Case {
    const char* name;
    ValueRange range;
  };
  const Case cases[] = {
      {"points 0..3", {0.0f, 3.0f}},
      {"points 1..4", {1.0f, 4.0f}},
      {"sensor x", {0.0f, 300.0f}},
      {"sensor y", {0.0f, 1023.0f}},
      {"tiny", {1e-6f, 2e-4f}},
      {"tinier still", {3.1e-30f, 3.4e-30f}},
      {"huge", {2e30f, 9e37f}},
      {"near the float limit", {-3e38f, 3e38f}},
      {"negative", {-870.0f, -12.0f}},
      {"spanning zero", {-7.0f, 23.0f}},
      {"narrow far from zero", {1000.0f, 1000.5f}},
      {"constant", {42.0f, 42.0f}},
      {"a single zero", {0.0f, 0.0f}},
      {"a single negative value", {-0.25f, -0.25f}},
      {"awkward", {0.013f, 0.0271f}},
      {"just over a power of ten", {0.0f, 10.01f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<LinearScale> scale = FitLinearScale(c.range, 0);
    ASSERT_TRUE(scale.has_value());
    EXPECT_GE(scale->divisions, kFewestFittedDivisions);
    EXPECT_LE(scale->divisions, kMostFittedDivisions);
    const ValueRange shown = Widened(c.range, false);
    const AxisSpan span{false, scale->origin, scale->step, 0, scale->divisions};
    EXPECT_TRUE(AxisCovers(span, shown)) << scale->origin << " + " << scale->divisions << " x " << scale->step;
    EXPECT_GE(Coverage(*scale, shown), kLeastCoverage) << scale->origin << " + " << scale->divisions << " x "
                                                       << scale->step;
    EXPECT_TRUE(IsRoundStep(scale->step)) << scale->step;
  }
  EXPECT_FALSE(FitLinearScale({0.0f, INFINITY}, 0).has_value());
  EXPECT_FALSE(FitLinearScale({NAN, 1.0f}, 0).has_value());
}

TEST(PlotAxisFit, FixedCountsAndExactRanges) {
  struct Case {
    ValueRange range;
    int divisions;
  };
  for (const Case& c : {Case{{0.0f, 9.5f}, 4}, Case{{3.0f, 97.0f}, 5}, Case{{-7.0f, 23.0f}, 3}, Case{{0.0f, 1.0f}, 7}}) {
    SCOPED_TRACE(c.divisions);
    const std::optional<LinearScale> scale = FitLinearScale(c.range, c.divisions);
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(scale->divisions, c.divisions);
    EXPECT_TRUE(AxisCovers({false, scale->origin, scale->step, 0, scale->divisions}, c.range));
    EXPECT_TRUE(IsRoundStep(scale->step)) << scale->step;
  }
  // An exact range runs from its first bound to its second, backwards too.
  for (const ValueRange range : {ValueRange{0.0f, 7.0f}, ValueRange{-1.0f, 1.0f}, ValueRange{100.0f, 0.0f}}) {
    for (int divisions : {0, 4}) {
      const LinearScale scale = ExactLinearScale(range, divisions);
      EXPECT_DOUBLE_EQ(scale.origin, range.lo);
      EXPECT_NEAR(scale.origin + scale.divisions * scale.step, range.hi, 1e-9);
      if (divisions > 0) {
        EXPECT_EQ(scale.divisions, divisions);
      }
      EXPECT_GE(scale.divisions, divisions > 0 ? divisions : kFewestFittedDivisions);
    }
  }
  // Chosen counts give steps of one significant digit where there is one.
  EXPECT_EQ(ExactLinearScale({0.0f, 7.0f}, 0).divisions, 7);
  EXPECT_DOUBLE_EQ(ExactLinearScale({0.0f, 1.0f}, 0).step, 0.2);
}

TEST(PlotAxisFit, TwoYAxesShareTheirDivisions) {
  struct Case {
    ValueRange y, y2;
  };
  const Case cases[] = {{{0.0f, 1023.0f}, {-30.0f, 3.0f}}, {{0.0f, 3.0f}, {100.0f, 900.0f}}, {{5.0f, 5.0f}, {0.0f, 1.0f}}};
  for (const Case& c : cases) {
    const int d = SharedDivisions(c.y, c.y2, false, false);
    EXPECT_GE(d, kFewestFittedDivisions);
    EXPECT_LE(d, kMostFittedDivisions);
    // No other count suits both axes better.
    const auto worse = [&](int divisions) {
      return std::min(Coverage(*FitLinearScale(c.y, divisions), Widened(c.y, false)),
                      Coverage(*FitLinearScale(c.y2, divisions), Widened(c.y2, false)));
    };
    for (int other = kFewestFittedDivisions; other <= kMostFittedDivisions; ++other) {
      EXPECT_LE(worse(other), worse(d) + 1e-9) << other << " beats " << d;
    }
  }

  // On a graph the second axis writes its numbers on the first one's divisions.
  TForm form(nullptr);
  TPelkgraph graph(&form);
  graph.SetSecondYaxis(true);
  view::PlotData data;
  data.x = {0.0f, 1.0f, 2.0f};
  data.series = {SeriesOf({0.0f, 500.0f, 1023.0f}), SeriesOf({-30.0f, 0.0f, 3.0f}, true)};
  EXPECT_TRUE(view::FitAxesToData(graph, view::RangesOf(data), {}).empty());
  EXPECT_EQ(graph.YAxis().NumberOfDivisions(), graph.YAxis2().NumberOfDivisions());
  // A logarithmic second axis shows as many decades as the first has divisions.
  graph.YAxis2().SetLog(true);
  data.series[1].y = {0.01f, 1.0f, 1000.0f};
  EXPECT_TRUE(view::FitAxesToData(graph, view::RangesOf(data), {}).empty());
  EXPECT_EQ(graph.YAxis().NumberOfDivisions(), graph.YAxis2().NumberOfDivisions());
  EXPECT_LE(graph.YAxis2().MinExponent(), -2);
  EXPECT_GE(graph.YAxis2().MinExponent() + graph.YAxis2().NumberOfDivisions(), 3);
}

TEST(PlotAxisFit, NeighbouringNumbersReadDifferently) {
  struct Case {
    const char* name;
    ValueRange range;
    int divisions;
  };
  const Case cases[] = {
      {"microseconds", {1e-6f, 2e-4f}, 0},    {"thousands", {0.0f, 1023.0f}, 0}, {"narrow", {1000.0f, 1000.5f}, 0},
      {"tiny steps", {0.5f, 0.5003f}, 0},     {"many", {0.0f, 1.0f}, 40},        {"negative", {-0.003f, -0.001f}, 0},
      {"millions", {0.0f, 4.5e6f}, 0},         {"huge", {0.0f, 8e12f}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm form(nullptr);
    TPelkgraph graph(&form);
    view::PlotData data;
    data.x = {c.range.lo, c.range.hi};
    data.series = {SeriesOf({0.0f, 1.0f})};
    view::FitAxesToData(graph, view::RangesOf(data), {c.divisions, std::nullopt, std::nullopt, std::nullopt});
    const std::vector<std::string> texts = NumberTexts(graph.XAxis());
    for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_NE(texts[i - 1], texts[i]) << i;
    // Moderate numbers are written whole, without a power of ten.
    if (std::fabs(c.range.hi) >= 1.0f && std::fabs(c.range.hi) < 1e6f) {
      EXPECT_FALSE(AxisCommonExponent({graph.XAxis().OriginValue(), graph.XAxis().ScalePerDivision(),
                                       graph.XAxis().NumberOfDivisions(), graph.XAxis().NumberOfFixed(),
                                       graph.XAxis().NumberOfDecimals()},
                                      std::log(10.0))
                       .applied);
    }
  }
}

TEST(PlotAxisFit, AxesWithoutValuesTheyCanShowAreRefused) {
  struct Case {
    const char* name;
    std::vector<float> x, y;
    bool logY;
    std::string message;
  };
  const Case cases[] = {
      {"Y not finite", {1.0f, 2.0f}, {NAN, INFINITY}, false, "no values to plot on the Y axis"},
      {"Y not positive on a logarithmic axis", {1.0f, 2.0f}, {-1.0f, 0.0f}, true, "only positive values"},
      {"X not finite", {NAN, NAN}, {1.0f, 2.0f}, false, "no values to plot on the X axis"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm form(nullptr);
    TPelkgraph graph(&form);
    graph.YAxis().SetLog(c.logY);
    view::PlotData data;
    data.x = c.x;
    data.series = {SeriesOf(c.y)};
    try {
      view::FitAxesToData(graph, view::RangesOf(data), {});
      ADD_FAILURE() << "fitted";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}
