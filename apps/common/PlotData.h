// The data a graph shows: series of Y values against one X column, drawn
// each with its own pen, and the axes fitted to them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/AxisRange.h"
#include "common/Series.h"
#include "core/Pelkgraph.h"

namespace pelk::view {

// How a series is drawn and named.
struct SeriesStyle {
  bool secondY = false;  // on the second Y axis
  std::string name;      // in the legend
  cli::SeriesPen pen;    // widths at 96 dpi
};

struct SeriesData : SeriesStyle {
  std::vector<float> y;
};

struct PlotData {
  std::vector<float> x;
  std::vector<SeriesData> series;
};

// Draws every series with its pen, in axis values; widths and marks are
// multiplied by `scale` (the screen's pixels per inch over 96).
void DrawPlotData(TPelkgraph& graph, const PlotData& data, double scale = 1.0);
// The pen with its width and mark multiplied by `scale`, at least a pixel.
cli::SeriesPen ScaledPen(cli::SeriesPen pen, double scale);

// The values a plot's axes are fitted to: those of X and of each series.
struct SeriesRanges {
  cli::ColumnRanges values;
  bool secondY = false;
};
struct PlotRanges {
  cli::ColumnRanges x;
  std::vector<SeriesRanges> series;
};
PlotRanges RangesOf(const PlotData& data);

// How the axes are fitted: a fixed number of linear divisions (0: chosen per
// axis) and ranges to show exactly instead of those of the data.
struct AxisFitSettings {
  int divisions = 0;
  std::optional<cli::ValueRange> x, y, y2;
};

// Fits the X axis, the Y axis and, with second-axis series, the second Y axis
// to the values they show: linear axes get a round scale the data fills to at
// least 70% (or the range asked for), logarithmic ones whole decades, and the
// decimals that tell neighbouring numbers apart. Throws std::runtime_error
// when an axis has no value it can show. Returns a note for every axis that
// could not be fitted to all of its values.
std::vector<std::string> FitAxesToData(TPelkgraph& graph, const PlotRanges& data, const AxisFitSettings& settings);

// Gives two logarithmic Y axes the same number of decades, so that the second
// axis's numbers stay on the shared grid; otherwise does nothing.
void MatchLogDecades(TPelkgraph& graph);

}  // namespace pelk::view
