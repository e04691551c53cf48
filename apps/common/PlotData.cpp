#include "common/PlotData.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <stdexcept>

#include "common/AxisDecimals.h"
#include "common/AxisFit.h"

namespace pelk::view {

namespace {

std::optional<cli::ValueRange> RangeOfSeries(const PlotRanges& data, bool secondY, bool log) {
  std::optional<cli::ValueRange> range;
  for (const SeriesRanges& series : data.series) {
    if (series.secondY == secondY) range = cli::CombinedRange(range, series.values.For(log));
  }
  return range;
}

bool HasSeriesOn(const PlotRanges& data, bool secondY) {
  return std::any_of(data.series.begin(), data.series.end(),
                     [secondY](const SeriesRanges& series) { return series.secondY == secondY; });
}

// A value with all the digits a float holds.
std::string Shown(float value) {
  std::ostringstream text;
  text << std::setprecision(9) << value;
  return text.str();
}

cli::AxisSpan SpanOf(const TAxis& axis) {
  return {axis.LogAxis(), axis.OriginValue(), axis.ScalePerDivision(), axis.MinExponent(), axis.NumberOfDivisions()};
}

void SetLinearScale(TAxis& axis, const cli::LinearScale& scale) {
  axis.SetNdivs(scale.divisions);
  axis.SetOrgVal(scale.origin);
  axis.SetScale(scale.step);
  axis.SetNfixed(FixedDigitsFor(axis));
  axis.SetNdecs(DecimalsToTellApart(axis, 0));
}

// The counts of divisions a linear axis may take: one, or a range.
struct DivisionChoice {
  int fewest = cli::kFewestFittedDivisions;
  int most = cli::kMostFittedDivisions;
};
DivisionChoice ChoiceOf(int divisions) {
  return divisions > 0 ? DivisionChoice{divisions, divisions} : DivisionChoice{};
}

// Fits one axis; a note when some values stay outside it.
std::optional<std::string> FitAxis(TPelkgraph& graph, TAxis& axis, DivisionChoice divisions,
                                   std::optional<cli::ValueRange> data, std::optional<cli::ValueRange> asked,
                                   const std::string& name) {
  if (!data && !asked) {
    throw std::runtime_error("no values to plot on the " + name + " axis" +
                             (axis.LogAxis() ? " (a logarithmic axis shows only positive values)" : ""));
  }
  if (axis.LogAxis()) {
    const cli::ValueRange range = cli::Widened(asked.value_or(*data), true);
    if (!(range.lo > 0.0f && range.hi > 0.0f)) {
      throw std::runtime_error("the range of the " + name + " axis must be positive: it is logarithmic");
    }
    const long long failedBefore = graph.FailedAxisFits();
    graph.SetAxis(axis, 0, range.lo, range.hi, true);
    if (graph.FailedAxisFits() != failedBefore) {
      throw std::runtime_error("the " + name + " axis cannot be fitted to the values from " + Shown(range.lo) +
                               " to " + Shown(range.hi));
    }
  } else if (asked) {
    SetLinearScale(axis, cli::ExactLinearScale(*asked, divisions.fewest == divisions.most ? divisions.fewest : 0));
  } else if (const auto scale = cli::FitLinearScale(*data, divisions.fewest, divisions.most)) {
    SetLinearScale(axis, *scale);
  }
  if (asked || !data || cli::AxisCovers(SpanOf(axis), *data)) return std::nullopt;
  return "the " + name + " axis cannot be fitted to the values from " + Shown(data->lo) + " to " + Shown(data->hi) +
         "; some are outside it";
}

}  // namespace

cli::SeriesPen ScaledPen(cli::SeriesPen pen, double scale) {
  pen.width = std::max(1, static_cast<int>(std::lround(pen.width * scale)));
  pen.markRadius = std::max(1, static_cast<int>(std::lround(pen.markRadius * scale)));
  return pen;
}

void DrawPlotData(TPelkgraph& graph, const PlotData& data, double scale) {
  for (const SeriesData& series : data.series) {
    cli::DrawSeries(graph, data.x, series.y, ScaledPen(series.pen, scale), series.secondY);
  }
}

PlotRanges RangesOf(const PlotData& data) {
  PlotRanges ranges{cli::RangesOf(data.x), {}};
  for (const SeriesData& series : data.series) ranges.series.push_back({cli::RangesOf(series.y), series.secondY});
  return ranges;
}

std::vector<std::string> FitAxesToData(TPelkgraph& graph, const PlotRanges& data, const AxisFitSettings& settings) {
  std::vector<std::string> notes;
  const auto fit = [&](TAxis& axis, DivisionChoice divisions, std::optional<cli::ValueRange> values,
                       std::optional<cli::ValueRange> asked, const std::string& name) {
    if (auto note = FitAxis(graph, axis, divisions, values, asked, name)) notes.push_back(std::move(*note));
  };
  TAxis& y = graph.YAxis();
  TAxis& y2 = graph.YAxis2();
  const DivisionChoice asGiven = ChoiceOf(settings.divisions);
  fit(graph.XAxis(), asGiven, data.x.For(graph.XAxis().LogAxis()), settings.x, "X");
  const bool secondY = HasSeriesOn(data, true);
  std::optional<cli::ValueRange> yValues = RangeOfSeries(data, false, y.LogAxis());
  const std::optional<cli::ValueRange> y2Values = RangeOfSeries(data, true, y2.LogAxis());
  // Without series of its own the first Y axis only carries the grid.
  if (!HasSeriesOn(data, false) && secondY && !settings.y) yValues = cli::ValueRange{0.0f, 1.0f};
  if (!secondY) {
    fit(y, asGiven, yValues, settings.y, "Y");
    return notes;
  }
  // The second Y axis writes its numbers on the first one's divisions: two
  // linear axes take the count that suits both, a linear axis beside a
  // logarithmic one at least as many divisions as that one has decades,
  // which then shows as many.
  if (y.LogAxis() == y2.LogAxis()) {
    DivisionChoice shared = asGiven;
    if (!y.LogAxis() && settings.divisions == 0 && yValues && y2Values) {
      const int d = cli::SharedDivisions(settings.y.value_or(*yValues), settings.y2.value_or(*y2Values),
                                         settings.y.has_value(), settings.y2.has_value());
      shared = {d, d};
    }
    fit(y, shared, yValues, settings.y, "Y");
    fit(y2, y.LogAxis() ? asGiven : DivisionChoice{y.NumberOfDivisions(), y.NumberOfDivisions()}, y2Values,
        settings.y2, "second Y");
    MatchLogDecades(graph);
    return notes;
  }
  TAxis& logAxis = y.LogAxis() ? y : y2;
  TAxis& linearAxis = y.LogAxis() ? y2 : y;
  const bool logIsFirst = &logAxis == &y;
  fit(logAxis, asGiven, logIsFirst ? yValues : y2Values, logIsFirst ? settings.y : settings.y2,
      logIsFirst ? "Y" : "second Y");
  const int decades = logAxis.NumberOfDivisions();
  const DivisionChoice linear = settings.divisions > 0 ? asGiven
                                                       : DivisionChoice{std::max(decades, cli::kFewestFittedDivisions),
                                                                        std::max(decades, cli::kMostFittedDivisions)};
  fit(linearAxis, linear, logIsFirst ? y2Values : yValues, logIsFirst ? settings.y2 : settings.y,
      logIsFirst ? "second Y" : "Y");
  logAxis.SetNdivs(linearAxis.NumberOfDivisions());
  return notes;
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
