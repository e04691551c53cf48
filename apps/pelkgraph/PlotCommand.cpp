// "plot": reads a table of numbers, fits the axes to the chosen columns and
// draws each series in its own colour.
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/AxisRange.h"
#include "common/ColumnChoice.h"
#include "pelkgraph/Commands.h"
#include "common/CsvReader.h"
#include "common/DataTable.h"
#include "common/Output.h"
#include "common/Picture.h"
#include "common/Series.h"

namespace pelk::cli {

namespace {

using Table = DataTable;

std::optional<ValueRange> RangeOf(const Table& table, const std::vector<std::size_t>& columns, bool log) {
  std::optional<ValueRange> range;
  for (std::size_t column : columns) range = CombinedRange(range, table.Range(column, log));
  return range;
}

// A value with all the digits a float holds.
std::string Shown(float value) {
  std::ostringstream text;
  text << std::setprecision(9) << value;
  return text.str();
}

AxisSpan SpanOf(const TAxis& axis) {
  return {axis.LogAxis(), axis.OriginValue(), axis.ScalePerDivision(), axis.MinExponent(), axis.NumberOfDivisions()};
}

void FitAxis(TPelkgraph& graph, TAxis& axis, int divisions, std::optional<ValueRange> range, const std::string& name,
             std::ostream& err) {
  if (!range) {
    throw std::runtime_error("no values to plot on the " + name + " axis" +
                             (axis.LogAxis() ? " (a logarithmic axis shows only positive values)" : ""));
  }
  const ValueRange fitted = Widened(*range, axis.LogAxis());
  graph.SetAxis(axis, divisions, fitted.lo, fitted.hi, true);
  if (!AxisCovers(SpanOf(axis), *range)) {
    err << "pelkgraph: warning: the " << name << " axis cannot be fitted to the values from " << Shown(range->lo)
        << " to " << Shown(range->hi) << "; some are outside it" << std::endl;
  }
}

// Both logarithmic Y axes get the same number of decades, so that the second
// axis's numbers stay on the shared grid.
void MatchDecades(TAxis& y, TAxis& y2) {
  const int decades = std::max(y.NumberOfDivisions(), y2.NumberOfDivisions());
  y.SetNdivs(decades);
  y2.SetNdivs(decades);
}

void ConfigureGraph(GraphPicture& picture, const PlotOptions& options, const Table& table) {
  TPelkgraph& graph = picture.Graph();
  if (options.size) picture.SetFixedSize(options.size->width, options.size->height);
  const CsvLayout& layout = table.csv.layout;
  const ColumnChoice& choice = table.choice;
  graph.SetTitle(options.title.value_or(std::filesystem::path(ShownName(options.input)).filename().string()));
  graph.SetSubtitle("");
  graph.SetIdentification("");
  graph.XAxis().SetAxisLabel(XAxisTitle(table));
  graph.YAxis().SetAxisLabel(AxisLabelOf(layout, choice.y));
  graph.XAxis().SetLog(options.logX);
  graph.YAxis().SetLog(options.logY);
  graph.YAxis2().SetLog(options.logY);
  graph.SetSecondYaxis(!choice.y2.empty());
  if (graph.SecondYaxis()) graph.YAxis2().SetAxisLabel(AxisLabelOf(layout, choice.y2));
}

void FitAxes(TPelkgraph& graph, const PlotOptions& options, const Table& table, std::ostream& err) {
  const ColumnChoice& choice = table.choice;
  FitAxis(graph, graph.XAxis(), options.divisions, RangeOf(table, {choice.x}, options.logX), "X", err);
  if (!choice.y.empty()) {
    FitAxis(graph, graph.YAxis(), options.divisions, RangeOf(table, choice.y, options.logY), "Y", err);
  }
  if (!choice.y2.empty()) {
    FitAxis(graph, graph.YAxis2(), options.divisions, RangeOf(table, choice.y2, options.logY), "second Y", err);
    if (choice.y.empty()) graph.SetAxis(graph.YAxis(), options.divisions, 0.0f, 1.0f, true);
    if (options.logY) MatchDecades(graph.YAxis(), graph.YAxis2());
  }
}

void DrawTable(TPelkgraph& graph, const Table& table) {
  SeriesTraces traces;
  std::vector<std::size_t> columns = table.choice.y;
  columns.insert(columns.end(), table.choice.y2.begin(), table.choice.y2.end());
  for (std::size_t i = 0; i < columns.size(); ++i) traces.Add(SeriesColor(i), i >= table.choice.y.size());
  ForEachRowBlock(table, [&](const CsvBlock& block) {
    const std::span<const float> x = table.Column(block, table.choice.x);
    for (std::size_t i = 0; i < columns.size(); ++i) traces.Draw(graph, i, x, table.Column(block, columns[i]));
  });
}

}  // namespace

void RunPlot(const PlotOptions& options, const CommandStreams& streams) {
  const Table table = ScanDataTable(options, streams.in, [&](long long rows) {
    streams.err << "pelkgraph: read " << rows << " rows" << std::endl;
  });
  GraphPicture picture(options.dpi);
  TPelkgraph& graph = picture.Graph();
  ConfigureGraph(picture, options, table);
  FitAxes(graph, options, table, streams.err);
  picture.Render();
  DrawTable(graph, table);
  if (const long long skipped = graph.SkippedPoints(); skipped > 0) {
    streams.err << "pelkgraph: " << skipped
                << " points not plotted (not finite, not positive on a logarithmic axis, or too far off the axes)"
                << std::endl;
  }
  SavePicture(graph, options.output);
  streams.out << options.output << std::endl;
  if (table.csv.badRows > 0) streams.err << "pelkgraph: skipped " << table.csv.badRows << " bad rows" << std::endl;
}

}  // namespace pelk::cli
