#include "common/Series.h"

#include <algorithm>
#include <cmath>

#include "common/GraphMapping.h"

namespace pelk::cli {

namespace {

// A value the axis can show: finite, and positive on a logarithmic axis.
bool Showable(float value, bool log) { return std::isfinite(value) && (!log || value > 0.0f); }

// Pixels this far from zero leave room for every offset the graph adds.
constexpr float kSafePixel = 1 << 24;

// Whether every showable value in the range maps to a pixel the graph can
// draw to: the mapping is monotonic, so the ends decide.
bool MapsSafely(const AxisMap& map, const std::optional<ValueRange>& range) {
  if (!range) return true;
  const float lo = map.UncheckedPixel(range->lo), hi = map.UncheckedPixel(range->hi);
  return std::fabs(lo) < kSafePixel && std::fabs(hi) < kSafePixel;
}

}  // namespace

void MarkPoint(TPelkgraph& graph, int radius) {
  const int x = graph.XGraph(), y = graph.YGraph();
  const TPenStyle style = graph.PenStyle();
  graph.SetPenStyle(psSolid);
  graph.MoveTo(x - radius, y - radius);
  graph.LineTo(x + radius, y - radius);
  graph.LineTo(x + radius, y + radius);
  graph.LineTo(x - radius, y + radius);
  graph.LineTo(x - radius, y - radius);
  graph.SetPenStyle(style);
  graph.MoveTo(x, y);
}

TPenStyle PenStyleOf(LineStyle style) {
  switch (style) {
    case LineStyle::Dash: return psDash;
    case LineStyle::Dot: return psDot;
    case LineStyle::DashDot: return psDashDot;
    case LineStyle::Solid: break;
  }
  return psSolid;
}

SeriesTrace::SeriesTrace(TPelkgraph& graph, const SeriesPen& pen, bool secondY, const SeriesExtent& extent)
    : graph_(graph),
      markRadius_(pen.markRadius),
      mark_(pen.points || extent.points == 1),
      logX_(graph.XAxis().LogAxis()),
      logY_((secondY && graph.SecondYaxis() ? graph.YAxis2() : graph.YAxis()).LogAxis()),
      previousStyle_(graph.PenStyle()),
      previousWidth_(graph.PenWidth()) {
  graph.SetPlotColor(pen.color);
  graph.SetPenWidth(pen.width);
  graph.SetPenStyle(PenStyleOf(pen.style));
  graph.SetUseSecondYAxis(secondY);
  // A run in one call draws what its calls one by one draw as long as none
  // of its points is skipped: each is showable and maps well inside the
  // pixel range. The printer has no faster way, so it takes the calls.
  runs_ = !mark_ && graph.ScreenEnabled() && !graph.PrinterEnabled() &&
          MapsSafely(XMapOf(graph), extent.x.For(logX_)) && MapsSafely(YMapOf(graph, secondY), extent.y.For(logY_));
}

SeriesTrace::~SeriesTrace() {
  graph_.SetUseSecondYAxis(false);
  graph_.SetPenStyle(previousStyle_);
  graph_.SetPenWidth(previousWidth_);
}

std::size_t SeriesTrace::RunEnd(std::span<const float> x, std::span<const float> y, std::size_t first) const {
  std::size_t end = first;
  while (end < x.size() && Showable(x[end], logX_) && Showable(y[end], logY_)) ++end;
  return end;
}

void SeriesTrace::DrawPoint(float x, float y) {
  const long long skippedBefore = graph_.SkippedPoints();
  if (segmentOpen_) {
    graph_.LineScaledTo(x, y);
  } else {
    graph_.MoveScaledTo(x, y);
  }
  const bool drawn = graph_.SkippedPoints() == skippedBefore;
  // A segment starts with a dot, so that a point between gaps shows too.
  if (drawn && !segmentOpen_) graph_.LineScaledTo(x, y);
  if (drawn && mark_) MarkPoint(graph_, markRadius_);
  segmentOpen_ = drawn;
}

void SeriesTrace::Draw(std::span<const float> x, std::span<const float> y) {
  const std::size_t count = std::min(x.size(), y.size());
  x = x.first(count);
  y = y.first(count);
  for (std::size_t i = 0; i < count;) {
    if (runs_ && segmentOpen_) {
      if (const std::size_t end = RunEnd(x, y, i); end > i) {
        graph_.LineScaledTo(x.subspan(i, end - i), y.subspan(i, end - i));
        i = end;
        continue;
      }
    }
    DrawPoint(x[i], y[i]);
    ++i;
  }
}

void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, const SeriesPen& pen,
                bool secondY) {
  const std::size_t count = std::min(x.size(), y.size());
  x = x.first(count);
  y = y.first(count);
  SeriesTrace trace(graph, pen, secondY, {RangesOf(x), RangesOf(y), static_cast<long long>(count)});
  trace.Draw(x, y);
}

}  // namespace pelk::cli
