#include "common/PlotData.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "common/AxisRange.h"
#include "common/Series.h"

namespace pelk::view {

namespace {

std::optional<cli::ValueRange> RangeOfSeries(const PlotData& data, bool secondY, bool log) {
  std::optional<cli::ValueRange> range;
  for (const SeriesData& series : data.series) {
    if (series.secondY == secondY) range = cli::CombinedRange(range, cli::PlottableRange(series.y, log));
  }
  return range;
}

bool HasSeriesOn(const PlotData& data, bool secondY) {
  return std::any_of(data.series.begin(), data.series.end(),
                     [secondY](const SeriesData& series) { return series.secondY == secondY; });
}

void FitAxis(TPelkgraph& graph, TAxis& axis, int divisions, std::optional<cli::ValueRange> range,
             const std::string& name) {
  if (!range) {
    throw std::runtime_error("no values to plot on the " + name + " axis" +
                             (axis.LogAxis() ? " (a logarithmic axis shows only positive values)" : ""));
  }
  const cli::ValueRange fitted = cli::Widened(*range, axis.LogAxis());
  graph.SetAxis(axis, divisions, fitted.lo, fitted.hi, true);
}

}  // namespace

void DrawPlotData(TPelkgraph& graph, const PlotData& data) {
  for (std::size_t i = 0; i < data.series.size(); ++i) {
    const SeriesData& series = data.series[i];
    cli::DrawSeries(graph, data.x, series.y, cli::SeriesColor(i), series.secondY);
  }
}

void FitAxesToData(TPelkgraph& graph, const PlotData& data, int divisions) {
  FitAxis(graph, graph.XAxis(), divisions, cli::PlottableRange(data.x, graph.XAxis().LogAxis()), "X");
  const bool firstY = HasSeriesOn(data, false);
  const bool secondY = HasSeriesOn(data, true);
  if (firstY) FitAxis(graph, graph.YAxis(), divisions, RangeOfSeries(data, false, graph.YAxis().LogAxis()), "Y");
  if (secondY) {
    FitAxis(graph, graph.YAxis2(), divisions, RangeOfSeries(data, true, graph.YAxis2().LogAxis()), "second Y");
    if (!firstY) graph.SetAxis(graph.YAxis(), divisions, 0.0f, 1.0f, true);
    MatchLogDecades(graph);
  }
}

void MatchLogDecades(TPelkgraph& graph) {
  TAxis& y = graph.YAxis();
  TAxis& y2 = graph.YAxis2();
  if (!graph.SecondYaxis() || !y.LogAxis() || !y2.LogAxis()) return;
  const int decades = std::max(y.NumberOfDivisions(), y2.NumberOfDivisions());
  y.SetNdivs(decades);
  y2.SetNdivs(decades);
}

}  // namespace pelk::view
