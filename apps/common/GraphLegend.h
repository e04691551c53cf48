// The legend of a plot drawn onto a graph on the screen or on the printed page.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "common/Legend.h"

namespace pelk::cli {

// The corner the legend went to and the boxes of its names.
struct PlacedLegend {
  Corner corner = Corner::TopRight;
  std::vector<TextBox> names;
};

// The legend of a graph on the screen, placed once the data is drawn: in the
// corner asked for, or for Auto in the one whose frame covers the fewest of
// the points counted while they were drawn.
class ScreenLegend {
 public:
  // The graph is laid out on the screen; `scale` is its pixels per screen
  // pixel at 96 dpi.
  ScreenLegend(TPelkgraph& graph, std::vector<view::SeriesStyle> series, LegendPlace place, double scale);

  // Whether the corner depends on the data points, which Count then takes.
  bool CountsPoints() const { return counting_; }
  void Count(std::span<const float> x, std::span<const float> y, bool secondY);

  // Draws the legend onto the control's canvas and keeps it in the picture
  // (SaveCanvas); nothing when there is no legend to show or it does not fit.
  std::optional<PlacedLegend> Draw();

 private:
  TPelkgraph& graph_;
  std::vector<view::SeriesStyle> series_;
  LegendPlace place_;
  double scale_;
  LegendMetrics metrics_;
  std::optional<CornerFrames> frames_;
  bool counting_ = false;
  CornerCounts covered_{};
};

// Draws the legend in the corner on the printer page of the graph printed by
// PrintGrids; `scale` as on the screen.
void DrawPrintedLegend(TPelkgraph& graph, std::span<const view::SeriesStyle> series, Corner corner, double scale);

}  // namespace pelk::cli
