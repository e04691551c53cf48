// Drawing data series on a graph, each with its own pen.
#pragma once

#include <span>

#include "common/Options.h"
#include "core/Pelkgraph.h"

namespace pelk::cli {

struct SeriesPen {
  TColor color = clBlue;
  int width = 1;  // pixels
  LineStyle style = LineStyle::Solid;
  bool points = false;  // a mark at every point
  int markRadius = 3;   // pixels from the point to the mark's edge
};

// Draws y against x (paired up to the shorter) as a polyline in axis values;
// points the graph cannot map leave a gap, and a point alone between gaps is
// drawn as a dot. A series of one point, and every point with pen.points, is
// marked with a small square. secondY puts the series on the second Y axis.
void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, const SeriesPen& pen,
                bool secondY);

TPenStyle PenStyleOf(LineStyle style);

}  // namespace pelk::cli
