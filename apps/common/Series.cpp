#include "common/Series.h"

#include <algorithm>
#include <array>

namespace pelk::cli {

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
  for (std::size_t i = 0; i < count; ++i) {
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
  }
  if (count > 0) {
    trace.lastX = x[count - 1];
    trace.lastY = y[count - 1];
  }
  graph.SetUseSecondYAxis(false);
}

}  // namespace pelk::cli
