#include "common/Series.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelk::cli {

namespace {

// A value an axis can show: finite, and positive on a logarithmic axis.
bool Showable(float value, bool log) { return std::isfinite(value) && (!log || value > 0.0f); }

}  // namespace

TColor SeriesColor(std::size_t index) {
  static constexpr std::array<TColor, 8> kPalette{clBlue, clRed, clGreen, clFuchsia, clTeal, clMaroon, clNavy, clOlive};
  return kPalette[index % kPalette.size()];
}

void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, TColor color, bool secondY) {
  SeriesTraces traces;
  traces.Add(color, secondY);
  traces.Draw(graph, 0, x, y);
}

void SeriesTraces::Add(TColor color, bool secondY) { traces_.push_back({color, secondY}); }

void SeriesTraces::Draw(TPelkgraph& graph, std::size_t series, std::span<const float> x, std::span<const float> y) {
  Trace& trace = traces_.at(series);
  const std::size_t count = std::min(x.size(), y.size());
  graph.SetPlotColor(trace.color);
  graph.SetUseSecondYAxis(trace.secondY);
  // Another series moved the pen: back to where this one stopped.
  if (trace.open && lastDrawn_ != series) graph.MoveScaledTo(trace.lastX, trace.lastY);
  lastDrawn_ = series;
  const bool logX = graph.XAxis().LogAxis();
  const bool logY = (trace.secondY ? graph.YAxis2() : graph.YAxis()).LogAxis();
  for (std::size_t i = 0; i < count;) {
    if (trace.open) {
      // A run of values the axes can show goes in one call. (A point in it
      // beyond the pixel range breaks the line there as the graph does.)
      std::size_t end = i;
      while (end < count && Showable(x[end], logX) && Showable(y[end], logY)) ++end;
      if (end > i) {
        graph.LineScaledTo(x.subspan(i, end - i), y.subspan(i, end - i));
        i = end;
        continue;
      }
    }
    const long long skippedBefore = graph.SkippedPoints();
    if (trace.open) {
      graph.LineScaledTo(x[i], y[i]);
    } else {
      graph.MoveScaledTo(x[i], y[i]);
    }
    const bool drawn = graph.SkippedPoints() == skippedBefore;
    // A segment starts with a dot, so that a point between gaps shows too.
    if (drawn && !trace.open) graph.LineScaledTo(x[i], y[i]);
    trace.open = drawn;
    ++i;
  }
  if (count > 0) {
    trace.lastX = x[count - 1];
    trace.lastY = y[count - 1];
  }
  graph.SetUseSecondYAxis(false);
}

}  // namespace pelk::cli
