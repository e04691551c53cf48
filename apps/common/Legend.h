// The legend: a framed box in a corner of the plot area naming each series
// beside a short line in its pen, in the corner that covers the fewest data
// points unless one is asked for.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/Options.h"
#include "common/PlotData.h"
#include "common/TextBoxes.h"
#include "core/Pelkgraph.h"

namespace pelk::cli {

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// Distances of the legend in device pixels.
struct LegendMetrics {
  int inset = 0;       // from the plot area's edges to the frame
  int padding = 0;     // inside the frame
  int sampleLength = 0;  // the line standing for a series
  int gap = 0;         // between the line and the name
  int rowHeight = 0;
  int frameWidth = 1;
};
// The metrics at a scale (device pixels per screen pixel at 96 dpi) for a
// font whose text cell is cellHeight pixels high.
LegendMetrics LegendMetricsFor(double scale, int cellHeight);

// The frame's rectangle for names of the given widest width, in a corner of
// the plot area (right and bottom excluded); nullopt when it does not fit.
std::optional<TRect> LegendFrame(const TRect& plotArea, Corner corner, const LegendMetrics& metrics,
                                 int widestName, int rows);

// The frames of the four corners, indexed by Corner (they have one size);
// nullopt when they do not fit.
using CornerFrames = std::array<TRect, 4>;
std::optional<CornerFrames> LegendFrames(const TRect& plotArea, const LegendMetrics& metrics, int widestName,
                                         int rows);

// How many data points each corner's frame holds, indexed by Corner.
using CornerCounts = std::array<long long, 4>;

// Adds the points of a series that fall inside each frame: (x[i], y[i]) in
// the control pixels of a graph laid out on the screen.
void CountCoveredPoints(const TPelkgraph& graph, std::span<const float> x, std::span<const float> y, bool secondY,
                        const CornerFrames& frames, CornerCounts& covered);

// The corner whose frame holds the fewest points (ties: top right, top
// left, bottom right, bottom left).
Corner FreestCorner(const CornerCounts& covered);

// The corner asked for, or the freest for Auto (which shows a legend only
// for two series or more); nullopt for None or when the frames do not fit.
std::optional<Corner> LegendCorner(LegendPlace place, int rows, bool fits, const CornerCounts& covered);

// Draws the legend of the series onto the canvas in the frame; `scale` is
// the canvas's pixels per screen pixel at 96 dpi. Returns the box of each
// name.
std::vector<TextBox> DrawLegend(TCanvas& canvas, const TRect& frame, const LegendMetrics& metrics,
                                std::span<const view::SeriesStyle> series, const TFont& font, double scale,
                                bool monochrome);

}  // namespace pelk::cli
