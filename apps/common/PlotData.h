// The data a viewer graph shows: series of Y values against one X column,
// drawn each in its own colour, and the axes fitted to them.
#pragma once

#include <string>
#include <vector>

#include "core/Pelkgraph.h"

namespace pelk::view {

struct SeriesData {
  std::vector<float> y;
  bool secondY = false;  // on the second Y axis
};

struct PlotData {
  std::vector<float> x;
  std::vector<SeriesData> series;
};

// Draws every series in its own colour, in axis values.
void DrawPlotData(TPelkgraph& graph, const PlotData& data);

// Fits the X axis, the Y axis and, with second-axis series, the second Y axis
// to the values they show, with the given number of linear divisions. Throws
// std::runtime_error when an axis has no value it can show.
void FitAxesToData(TPelkgraph& graph, const PlotData& data, int divisions);

// Gives two logarithmic Y axes the same number of decades, so that the second
// axis's numbers stay on the shared grid; otherwise does nothing.
void MatchLogDecades(TPelkgraph& graph);

}  // namespace pelk::view
