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
SeriesStyle StyleOf(bool secondY, std::size_t column, std::size_t xColumn, const cli::CsvLayout& layout,
                    const cli::SeriesLook& look) {
  SeriesStyle style;
  style.secondY = secondY;
  style.name = look.name.value_or(cli::ColumnTitle(layout, column));
  // The palette runs over the columns beside X.
  style.pen.color = look.color.value_or(cli::SeriesColor(column > xColumn ? column - 1 : column));
  style.pen.width = look.width.value_or(1);
  style.pen.style = look.style.value_or(cli::LineStyle::Solid);
  style.pen.points = look.points;
  return style;
}

void AddSeries(DataFile& file, const std::vector<std::size_t>& columns, const std::vector<cli::SeriesLook>& looks,
               bool secondY) {
  const cli::DataTable& table = file.table;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const cli::SeriesLook look = i < looks.size() ? looks[i] : cli::SeriesLook{};
    file.series.push_back(StyleOf(secondY, columns[i], table.choice.x, table.csv.layout, look));
    file.seriesColumns.push_back(columns[i]);
  }
}

// An axis label given, or the titles of the axis's columns.
std::string LabelOf(const std::optional<std::string>& given, const cli::CsvLayout& layout,
                    const std::vector<std::size_t>& columns) {
  return given.value_or(cli::AxisLabelOf(layout, columns));
}

}  // namespace

DataFile ReadDataFile(const cli::PlotOptions& options, std::istream& in,
                      const std::function<void(long long rows)>& onProgress, RowKeeping keeping) {
  DataFile file;
  file.table = keeping == RowKeeping::Keep ? cli::ReadDataTable(options, in, onProgress)
                                           : cli::ScanDataTable(options, in, onProgress);
  file.xTitle = cli::XAxisTitle(file.table);
  AddSeries(file, file.table.choice.y, options.yLooks, false);
  AddSeries(file, file.table.choice.y2, options.y2Looks, true);
  return file;
}

DataFile ReadDataFile(const cli::PlotOptions& options) {
  return ReadDataFile(options, std::cin, nullptr, RowKeeping::Keep);
}

PlotRanges RangesOf(const DataFile& file) {
  PlotRanges ranges{file.table.Ranges(file.table.choice.x), {}};
  for (std::size_t i = 0; i < file.series.size(); ++i) {
    ranges.series.push_back({file.table.Ranges(file.seriesColumns[i]), file.series[i].secondY});
  }
  return ranges;
}

cli::SeriesExtent ExtentOf(const DataFile& file, std::size_t series) {
  const cli::DataTable& table = file.table;
  return {table.Ranges(table.choice.x), table.Ranges(file.seriesColumns.at(series)), table.csv.rows};
}

void ForEachSeriesBlock(const DataFile& file, std::size_t series,
                        const std::function<void(std::span<const float> x, std::span<const float> y)>& onBlock) {
  const cli::DataTable& table = file.table;
  const std::size_t column = file.seriesColumns.at(series);
  cli::ForEachRowBlock(table, [&](const cli::CsvBlock& block) {
    onBlock(table.Column(block, table.choice.x), table.Column(block, column));
  });
}

PlotData TakePlotData(DataFile&& file) {
  cli::DataTable& table = file.table;
  // Each column's values are moved at their last use and copied before it.
  std::vector<std::size_t> uses{table.choice.x};
  uses.insert(uses.end(), file.seriesColumns.begin(), file.seriesColumns.end());
  std::size_t next = 0;
  const auto take = [&]() -> std::vector<float> {
    const std::size_t column = uses[next++];
    std::vector<float>& values = table.Column(column);
    const bool usedLater = std::find(uses.begin() + static_cast<std::ptrdiff_t>(next), uses.end(), column) != uses.end();
    return usedLater ? values : std::move(values);
  };
  PlotData data;
  data.x = take();
  for (SeriesStyle& style : file.series) {
    SeriesData& series = data.series.emplace_back();
    static_cast<SeriesStyle&>(series) = std::move(style);
    series.y = take();
  }
  return data;
}

std::vector<std::string> SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file) {
  const cli::ColumnChoice& choice = file.table.choice;
  const cli::CsvLayout& layout = file.table.csv.layout;
  if (options.form) ReadFormFile(*options.form, graph);
  // Without a form the tool's own defaults apply; with one, only what was asked.
  const bool defaults = !options.form;
  if (options.title || defaults) {
    graph.SetTitle(options.title.value_or(std::filesystem::path(file.ShownName()).filename().string()));
  }
  if (options.subtitle || defaults) graph.SetSubtitle(options.subtitle.value_or(""));
  if (options.id || defaults) graph.SetIdentification(options.id.value_or(""));
  if (options.xLabel || defaults) graph.XAxis().SetAxisLabel(options.xLabel.value_or(file.xTitle));
  if (options.yLabel || defaults) graph.YAxis().SetAxisLabel(LabelOf(options.yLabel, layout, choice.y));
  if (options.logX || defaults) graph.XAxis().SetLog(options.logX);
  if (options.logY || defaults) graph.YAxis().SetLog(options.logY);
  if (options.logY2 || defaults) graph.YAxis2().SetLog(options.logY2);
  if (!choice.y2.empty() || defaults) graph.SetSecondYaxis(!choice.y2.empty());
  if (!choice.y2.empty() && (options.y2Label || defaults)) {
    graph.YAxis2().SetAxisLabel(LabelOf(options.y2Label, layout, choice.y2));
  }
  if (options.form && options.keepAxes) return {};
  return FitAxesToData(graph, RangesOf(file), {options.divisions, options.xRange, options.yRange, options.y2Range});
}

}  // namespace pelk::view
