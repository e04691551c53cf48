// Drawing data series on a graph, each in its own pen colour.
#pragma once

#include <cstddef>
#include <span>

#include "core/Pelkgraph.h"

namespace pelk::cli {

// The pen colour of the index-th series: a fixed palette of colours that
// stand apart from the grid and the backgrounds, repeating.
TColor SeriesColor(std::size_t index);

// Draws y against x (paired up to the shorter) as a polyline in axis values;
// points the graph cannot map leave a gap, and a point alone between gaps is
// drawn as a dot. secondY puts the series on the second Y axis.
void DrawSeries(TPelkgraph& graph, std::span<const float> x, std::span<const float> y, TColor color, bool secondY);

}  // namespace pelk::cli
