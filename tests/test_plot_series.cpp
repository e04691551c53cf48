// Series drawn in parts, with runs of points in one call, against a plain
// reference that draws every point with its own call; and the legend's count
// of the points its frames would cover.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include "GraphFixture.h"
#include "SurfaceDifference.h"
#include "common/Legend.h"
#include "common/Series.h"

using namespace pelk;
using namespace pelk::cli;

namespace {

// The series as points one by one: a move then a dot where a segment
// starts, a line to each point after a drawn one, a mark where asked.
void ReferenceSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, const SeriesPen& pen,
                     bool secondY) {
  graph.SetPlotColor(pen.color);
  graph.SetPenWidth(pen.width);
  graph.SetPenStyle(PenStyleOf(pen.style));
  graph.SetUseSecondYAxis(secondY);
  bool open = false;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const long long before = graph.SkippedPoints();
    if (open) {
      graph.LineScaledTo(x[i], y[i]);
    } else {
      graph.MoveScaledTo(x[i], y[i]);
    }
    const bool drawn = graph.SkippedPoints() == before;
    if (drawn && !open) graph.LineScaledTo(x[i], y[i]);
    if (drawn && (pen.points || x.size() == 1)) MarkPoint(graph, pen.markRadius);
    open = drawn;
  }
  graph.SetUseSecondYAxis(false);
  graph.SetPenStyle(psSolid);
  graph.SetPenWidth(1);
}

struct Walk {
  std::vector<float> x, y;
};

// A random walk with gaps (NaN, infinities, values a logarithmic axis cannot
// show), points alone between gaps, and far-off values.
Walk RandomWalk(std::uint32_t seed, std::size_t count, float farOff) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> step(-1.0f, 1.0f);
  std::uniform_int_distribution<int> kind(0, 99);
  Walk walk;
  float y = 5.0f;
  for (std::size_t i = 0; i < count; ++i) {
    y += step(random);
    float value = y;
    switch (kind(random)) {
      case 0: value = std::numeric_limits<float>::quiet_NaN(); break;
      case 1: value = std::numeric_limits<float>::infinity(); break;
      case 2: value = -std::fabs(y); break;
      case 3: value = farOff; break;
      default: break;
    }
    walk.x.push_back(static_cast<float>(i) * 0.25f);
    walk.y.push_back(value);
  }
  return walk;
}

struct Drawn {
  std::unique_ptr<GraphFixture> fixture;
  long long skipped = 0;
  int xGraph = 0, yGraph = 0;
};

struct SeriesCase {
  const char* name;
  SeriesPen pen;
  bool logY = false;
  float farOff = 1e3f;  // far off a Y axis showing about 0 .. 10
  bool secondY = false;
};

Drawn DrawCase(const SeriesCase& c, const Walk& walk, bool reference, std::uint32_t partSeed) {
  Drawn drawn{std::make_unique<GraphFixture>(400, 300), 0, 0, 0};
  TPelkgraph& graph = drawn.fixture->g();
  graph.SetSecondYaxis(c.secondY);
  graph.YAxis().SetLog(c.logY);
  graph.YAxis2().SetLog(c.logY);
  graph.SetAxis(graph.XAxis(), 5, 0.0f, walk.x.back(), true);
  for (TAxis* axis : {&graph.YAxis(), &graph.YAxis2()}) {
    graph.SetAxis(*axis, c.logY ? 0 : 5, c.logY ? 0.1f : -10.0f, c.logY ? 100.0f : 20.0f, true);
  }
  graph.Refresh();
  if (reference) {
    ReferenceSeries(graph, walk.x, walk.y, c.pen, c.secondY);
  } else {
    SeriesTrace trace(graph, c.pen, c.secondY,
                      {RangesOf(walk.x), RangesOf(walk.y), static_cast<long long>(walk.x.size())});
    // Parts of random lengths, some empty.
    std::mt19937 random(partSeed);
    std::uniform_int_distribution<std::size_t> length(0, 700);
    for (std::size_t first = 0; first < walk.x.size();) {
      const std::size_t n = std::min(walk.x.size() - first, length(random));
      trace.Draw(std::span(walk.x).subspan(first, n), std::span(walk.y).subspan(first, n));
      first += n;
    }
  }
  drawn.skipped = graph.SkippedPoints();
  drawn.xGraph = graph.XGraph();
  drawn.yGraph = graph.YGraph();
  return drawn;
}

}  // namespace

TEST(PlotSeries, PartsAndRunsDrawWhatPointByPointCallsDraw) {
  const SeriesCase cases[] = {
      {"thin solid", {clBlue, 1, LineStyle::Solid, false, 3}},
      {"dashed", {clRed, 1, LineStyle::Dash, false, 3}},
      {"wide", {clGreen, 3, LineStyle::Solid, false, 3}},
      {"marked points", {clNavy, 1, LineStyle::Solid, true, 2}},
      {"logarithmic", {clBlue, 1, LineStyle::Solid, false, 3}, true},
      {"second axis", {clTeal, 1, LineStyle::DashDot, false, 3}, false, 1e3f, true},
      // Values beyond the pixel range: the graph skips them, so runs are not taken.
      {"beyond the pixel range", {clBlue, 1, LineStyle::Solid, false, 3}, false, 1e30f},
      {"logarithmic, beyond the pixel range", {clBlue, 1, LineStyle::Solid, false, 3}, true, 1e38f},
  };
  for (const SeriesCase& c : cases) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
      SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
      const Walk walk = RandomWalk(seed, 3000, c.farOff);
      const Drawn want = DrawCase(c, walk, true, seed);
      const Drawn got = DrawCase(c, walk, false, seed);
      EXPECT_GT(want.skipped, 0);
      EXPECT_EQ(got.skipped, want.skipped);
      EXPECT_EQ(got.xGraph, want.xGraph);
      EXPECT_EQ(got.yGraph, want.yGraph);
      if (const auto difference = FirstDifference(got.fixture->Image(), want.fixture->Image())) {
        ADD_FAILURE() << *difference;
      }
    }
  }
  // A series of one point is marked.
  const Walk one{{2.0f}, {3.0f}};
  const SeriesCase single{"one point", {clRed, 1, LineStyle::Solid, false, 3}};
  const Drawn want = DrawCase(single, one, true, 1);
  const Drawn got = DrawCase(single, one, false, 1);
  EXPECT_FALSE(FirstDifference(got.fixture->Image(), want.fixture->Image()).has_value());
}

TEST(PlotSeries, TheLegendCountsThePointsEachFrameCovers) {
  GraphFixture fixture(400, 300);
  TPelkgraph& graph = fixture.g();
  graph.SetSecondYaxis(true);
  graph.SetAxis(graph.XAxis(), 4, 0.0f, 100.0f, true);
  graph.SetAxis(graph.YAxis(), 4, 0.0f, 100.0f, true);
  graph.SetAxis(graph.YAxis2(), 4, 0.0f, 1.0f, true);
  graph.Refresh();
  const TRect area{graph.Xorigin(), graph.Yend(), graph.Xend(), graph.Yorigin()};
  const CornerFrames frames = *LegendFrames(area, LegendMetricsFor(1.0, 14), 50, 2);
  // Each frame's centre as axis values, three times in the top left frame,
  // once beyond the axes and once not finite.
  std::vector<float> x, y, y2;
  const auto add = [&](const TRect& r) {
    float vx = 0, vy = 0;
    int ox = 0, oy = 0;
    graph.GetValues((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, vx, vy, ox, oy);
    x.push_back(vx);
    y.push_back(vy);
    y2.push_back(vy / 100.0f);
  };
  for (const TRect& frame : frames) add(frame);
  for (int i = 0; i < 2; ++i) add(frames[static_cast<std::size_t>(Corner::TopLeft)]);
  x.push_back(1e6f);
  y.push_back(50.0f);
  y2.push_back(0.5f);
  x.push_back(NAN);
  y.push_back(50.0f);
  y2.push_back(0.5f);
  CornerCounts covered{};
  CountCoveredPoints(graph, x, y, false, frames, covered);
  EXPECT_EQ(covered, (CornerCounts{3, 1, 1, 1}));
  // Points on the second axis are placed by its own scale.
  CountCoveredPoints(graph, x, y2, true, frames, covered);
  EXPECT_EQ(covered, (CornerCounts{6, 2, 2, 2}));
}
