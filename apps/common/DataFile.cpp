#include "common/DataFile.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "common/DataTable.h"

namespace pelk::view {

namespace {

// The chosen columns as series: each column's values are moved at their last
// use and copied before it.
PlotData PlotDataOf(cli::DataTable& table, const cli::ColumnChoice& choice) {
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
  PlotData data;
  data.x = take();
  for (std::size_t i = 0; i < choice.y.size(); ++i) data.series.push_back({take(), false});
  for (std::size_t i = 0; i < choice.y2.size(); ++i) data.series.push_back({take(), true});
  return data;
}

}  // namespace

DataFile ReadDataFile(const cli::PlotOptions& options) {
  cli::DataTable table = cli::ReadDataTable(options, std::cin, nullptr);
  DataFile file;
  file.shownName = table.shownName;
  file.choice = table.choice;
  file.layout = table.csv.layout;
  file.badRows = table.csv.badRows;
  file.data = PlotDataOf(table, file.choice);
  return file;
}

void SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file) {
  const cli::ColumnChoice& choice = file.choice;
  graph.SetTitle(options.title.value_or(std::filesystem::path(file.shownName).filename().string()));
  graph.SetSubtitle("");
  graph.SetIdentification("");
  graph.XAxis().SetAxisLabel(cli::AxisLabelOf(file.layout, {choice.x}));
  graph.YAxis().SetAxisLabel(cli::AxisLabelOf(file.layout, choice.y));
  graph.XAxis().SetLog(options.logX);
  graph.YAxis().SetLog(options.logY);
  graph.YAxis2().SetLog(options.logY);
  graph.SetSecondYaxis(!choice.y2.empty());
  if (graph.SecondYaxis()) graph.YAxis2().SetAxisLabel(cli::AxisLabelOf(file.layout, choice.y2));
  FitAxesToData(graph, file.data, options.divisions);
}

}  // namespace pelk::view
