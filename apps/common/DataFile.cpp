#include "common/DataFile.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "common/DataTable.h"
#include "common/SeriesColors.h"

#include "core/FormFiles.h"
namespace pelk::view {

namespace {

// The series' pen and name: its column's colour and title, then what the
// options say.
SeriesData SeriesOf(std::vector<float> values, bool secondY, std::size_t column, std::size_t xColumn,
                    const cli::CsvLayout& layout, const cli::SeriesLook& look) {
  SeriesData series;
  series.y = std::move(values);
  series.secondY = secondY;
  series.name = look.name.value_or(cli::ColumnTitle(layout, column));
  // The palette runs over the columns beside X.
  series.pen.color = look.color.value_or(cli::SeriesColor(column > xColumn ? column - 1 : column));
  series.pen.width = look.width.value_or(1);
  series.pen.style = look.style.value_or(cli::LineStyle::Solid);
  series.pen.points = look.points;
  return series;
}

// The chosen columns as series: each column's values are moved at their last
// use and copied before it.
PlotData PlotDataOf(cli::DataTable& table, const cli::ColumnChoice& choice, const cli::PlotOptions& options) {
  std::vector<std::size_t> uses{choice.x};
  uses.insert(uses.end(), choice.y.begin(), choice.y.end());
  uses.insert(uses.end(), choice.y2.begin(), choice.y2.end());
  std::size_t next = 0;
  const auto take = [&]() -> std::vector<float> {
    const std::size_t column = uses[next++];
    std::vector<float>& values = table.Column(column);
    const bool usedLater = std::find(uses.begin() + static_cast<std::ptrdiff_t>(next), uses.end(), column) != uses.end();
    return usedLater ? values : std::move(values);
  };
  const auto lookOf = [](const std::vector<cli::SeriesLook>& looks, std::size_t i) {
    return i < looks.size() ? looks[i] : cli::SeriesLook{};
  };
  PlotData data;
  data.x = take();
  const cli::CsvLayout& layout = table.csv.layout;
  for (std::size_t i = 0; i < choice.y.size(); ++i) {
    data.series.push_back(SeriesOf(take(), false, choice.y[i], choice.x, layout, lookOf(options.yLooks, i)));
  }
  for (std::size_t i = 0; i < choice.y2.size(); ++i) {
    data.series.push_back(SeriesOf(take(), true, choice.y2[i], choice.x, layout, lookOf(options.y2Looks, i)));
  }
  return data;
}

// An axis label given, or the titles of the axis's columns.
std::string LabelOf(const std::optional<std::string>& given, const cli::CsvLayout& layout,
                    const std::vector<std::size_t>& columns) {
  return given.value_or(cli::AxisLabelOf(layout, columns));
}

}  // namespace

DataFile ReadDataFile(const cli::PlotOptions& options, std::istream& in,
                      const std::function<void(long long rows)>& onProgress) {
  cli::DataTable table = cli::ReadDataTable(options, in, onProgress);
  DataFile file;
  file.shownName = table.shownName;
  file.choice = table.choice;
  file.layout = table.csv.layout;
  file.xTitle = cli::XAxisTitle(table);
  file.badRows = table.csv.badRows;
  file.data = PlotDataOf(table, file.choice, options);
  return file;
}

DataFile ReadDataFile(const cli::PlotOptions& options) { return ReadDataFile(options, std::cin, nullptr); }

std::vector<std::string> SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file) {
  const cli::ColumnChoice& choice = file.choice;
  if (options.form) ReadFormFile(*options.form, graph);
  // Without a form the tool's own defaults apply; with one, only what was asked.
  const bool defaults = !options.form;
  if (options.title || defaults) {
    graph.SetTitle(options.title.value_or(std::filesystem::path(file.shownName).filename().string()));
  }
  if (options.subtitle || defaults) graph.SetSubtitle(options.subtitle.value_or(""));
  if (options.id || defaults) graph.SetIdentification(options.id.value_or(""));
  if (options.xLabel || defaults) graph.XAxis().SetAxisLabel(options.xLabel.value_or(file.xTitle));
  if (options.yLabel || defaults) graph.YAxis().SetAxisLabel(LabelOf(options.yLabel, file.layout, choice.y));
  if (options.logX || defaults) graph.XAxis().SetLog(options.logX);
  if (options.logY || defaults) graph.YAxis().SetLog(options.logY);
  if (options.logY2 || defaults) graph.YAxis2().SetLog(options.logY2);
  if (!choice.y2.empty() || defaults) graph.SetSecondYaxis(!choice.y2.empty());
  if (!choice.y2.empty() && (options.y2Label || defaults)) {
    graph.YAxis2().SetAxisLabel(LabelOf(options.y2Label, file.layout, choice.y2));
  }
  if (options.form && options.keepAxes) return {};
  return FitAxesToData(graph, file.data, {options.divisions, options.xRange, options.yRange, options.y2Range});
}

}  // namespace pelk::view
