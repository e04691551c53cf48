#include "common/Series.h"

#include <algorithm>
#include <array>

namespace pelk::cli {

TColor SeriesColor(std::size_t index) {
  static constexpr std::array<TColor, 8> kPalette{clBlue, clRed, clGreen, clFuchsia, clTeal, clMaroon, clNavy, clOlive};
  return kPalette[index % kPalette.size()];
}

void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, TColor color, bool secondY) {
  const std::size_t count = std::min(x.size(), y.size());
  graph.SetPlotColor(color);
  graph.SetUseSecondYAxis(secondY);
  bool segmentOpen = false;  // the previous point was drawn
  for (std::size_t i = 0; i < count; ++i) {
    const long long skippedBefore = graph.SkippedPoints();
    if (segmentOpen) {
      graph.LineScaledTo(x[i], y[i]);
    } else {
      graph.MoveScaledTo(x[i], y[i]);
    }
    const bool drawn = graph.SkippedPoints() == skippedBefore;
    // A segment starts with a dot, so that a point between gaps shows too.
    if (drawn && !segmentOpen) graph.LineScaledTo(x[i], y[i]);
    segmentOpen = drawn;
  }
  graph.SetUseSecondYAxis(false);
}

}  // namespace pelk::cli
