// The legend: a framed box in a corner of the plot area naming each series
// beside a short line in its pen, in the corner that covers the fewest data
// points unless one is asked for.
#pragma once

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

// The corner whose frame holds the fewest of the points (ties: top right,
// top left, bottom right, bottom left); nullopt when no frame fits.
std::optional<Corner> FreestCorner(const TRect& plotArea, const LegendMetrics& metrics, int widestName, int rows,
                                   std::span<const TPoint> points);

// The corner asked for, or the freest for Auto (which shows a legend only
// for two series or more); nullopt for None or when nothing fits.
std::optional<Corner> LegendCorner(LegendPlace place, const TRect& plotArea, const LegendMetrics& metrics,
                                   int widestName, int rows, std::span<const TPoint> points);

// The control pixels of the data points of a graph laid out on the screen
// (those inside the plot area).
std::vector<TPoint> DataPoints(const TPelkgraph& graph, const view::PlotData& data);

// Draws the legend of the series onto the canvas in the frame; `scale` is
// the canvas's pixels per screen pixel at 96 dpi. Returns the box of each
// name.
std::vector<TextBox> DrawLegend(TCanvas& canvas, const TRect& frame, const LegendMetrics& metrics,
                                const view::PlotData& data, const TFont& font, double scale, bool monochrome);

}  // namespace pelk::cli
