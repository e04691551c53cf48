#include "common/Series.h"

#include <algorithm>

namespace pelk::cli {

namespace {

// A square around the pen's place in plot pixels, leaving the pen there.
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

}  // namespace

TPenStyle PenStyleOf(LineStyle style) {
  switch (style) {
    case LineStyle::Dash: return psDash;
    case LineStyle::Dot: return psDot;
    case LineStyle::DashDot: return psDashDot;
    case LineStyle::Solid: break;
  }
  return psSolid;
}

void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, const SeriesPen& pen,
                bool secondY) {
  const std::size_t count = std::min(x.size(), y.size());
  const bool mark = pen.points || count == 1;
  const TPenStyle previousStyle = graph.PenStyle();
  const int previousWidth = graph.PenWidth();
  graph.SetPlotColor(pen.color);
  graph.SetPenWidth(pen.width);
  graph.SetPenStyle(PenStyleOf(pen.style));
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
    if (drawn && mark) MarkPoint(graph, pen.markRadius);
    segmentOpen = drawn;
  }
  graph.SetUseSecondYAxis(false);
  graph.SetPenStyle(previousStyle);
  graph.SetPenWidth(previousWidth);
}

}  // namespace pelk::cli
