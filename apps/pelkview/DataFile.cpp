#include "pelkview/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace pelk::view {

namespace {

std::istream& OpenInput(const std::string& input, const std::string& shown, std::ifstream& file) {
  if (input == "-") return std::cin;
  std::error_code ignored;
  if (std::filesystem::is_directory(input, ignored)) throw std::runtime_error(shown + ": is a directory");
  file.open(input, std::ios::binary);
  if (!file) throw std::runtime_error(shown + ": cannot open: " + std::strerror(errno));
  return file;
}

// The stored values of a column (csv.columns is ascending).
std::vector<float>& ColumnValues(cli::CsvTable& csv, std::size_t column) {
  const auto found = std::lower_bound(csv.columns.begin(), csv.columns.end(), column);
  return csv.values[static_cast<std::size_t>(found - csv.columns.begin())];
}

// The chosen columns as series: each column's values are moved at their last
// use and copied before it.
PlotData PlotDataOf(cli::CsvTable& csv, const cli::ColumnChoice& choice) {
  std::vector<std::size_t> uses{choice.x};
  uses.insert(uses.end(), choice.y.begin(), choice.y.end());
  uses.insert(uses.end(), choice.y2.begin(), choice.y2.end());
  std::size_t next = 0;
  const auto take = [&]() -> std::vector<float> {
    const std::size_t column = uses[next++];
    std::vector<float>& values = ColumnValues(csv, column);
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
  DataFile file;
  file.shownName = options.input == "-" ? "<stdin>" : options.input;
  std::ifstream stream;
  std::istream& in = OpenInput(options.input, file.shownName, stream);

  cli::CsvReadOptions read;
  read.skipBad = options.skipBad;
  read.selectColumns = [&](const cli::CsvLayout& layout) {
    file.choice = cli::ChooseColumns(layout, options.xColumn, options.yColumns, options.y2Columns);
    return cli::ColumnsUsed(file.choice);
  };
  cli::CsvTable csv;
  try {
    csv = cli::ReadCsv(in, read);
  } catch (const cli::CsvError& e) {
    throw std::runtime_error(file.shownName + ":" + std::to_string(e.Line()) + ": " + e.what());
  } catch (const cli::ColumnError& e) {
    throw std::runtime_error(file.shownName + ": " + e.what());
  }
  if (csv.rows == 0) {
    std::string message = file.shownName + ": no data rows";
    if (csv.badRows > 0) message += " (skipped " + std::to_string(csv.badRows) + " bad rows)";
    throw std::runtime_error(message);
  }
  file.layout = csv.layout;
  file.badRows = csv.badRows;
  file.data = PlotDataOf(csv, file.choice);
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
