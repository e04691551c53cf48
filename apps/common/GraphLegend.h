// The legend of a plot drawn onto a graph on the screen or on the printed page.
#pragma once

#include <optional>
#include <vector>

#include "common/Legend.h"

namespace pelk::cli {

// Draws the legend onto the control's canvas and keeps it in the picture
// (SaveCanvas); returns the corner it went to and the boxes of its names,
// nothing when there is no legend to show or it does not fit.
struct PlacedLegend {
  Corner corner = Corner::TopRight;
  std::vector<TextBox> names;
};
std::optional<PlacedLegend> DrawScreenLegend(TPelkgraph& graph, const view::PlotData& data, LegendPlace place,
                                             double scale);

// Draws the legend in the corner on the printer page of the graph printed by
// PrintGrids; `scale` as on the screen.
void DrawPrintedLegend(TPelkgraph& graph, const view::PlotData& data, Corner corner, double scale);

}  // namespace pelk::cli
