#include "common/DataTable.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace pelk::cli {

namespace {

std::size_t ColumnIndex(const CsvTable& csv, std::size_t column) {
  const auto found = std::lower_bound(csv.columns.begin(), csv.columns.end(), column);
  return static_cast<std::size_t>(found - csv.columns.begin());
}

}  // namespace

std::span<const float> DataTable::Column(std::size_t column) const { return csv.values[ColumnIndex(csv, column)]; }

std::vector<float>& DataTable::Column(std::size_t column) { return csv.values[ColumnIndex(csv, column)]; }

std::string ShownName(const std::string& input) { return input == "-" ? "<stdin>" : input; }

DataTable ReadDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress) {
  DataTable table;
  table.shownName = ShownName(options.input);
  const std::string& shown = table.shownName;
  std::ifstream file;
  std::istream* source = &in;
  if (options.input != "-") {
    std::error_code ignored;
    if (std::filesystem::is_directory(options.input, ignored)) throw std::runtime_error(shown + ": is a directory");
    file.open(options.input, std::ios::binary);
    if (!file) throw std::runtime_error(shown + ": cannot open: " + std::strerror(errno));
    source = &file;
  }

  CsvReadOptions read;
  read.skipBad = options.skipBad;
  read.selectColumns = [&](const CsvLayout& layout) {
    table.choice = ChooseColumns(layout, options.xColumn, options.yColumns, options.y2Columns);
    return ColumnsUsed(table.choice);
  };
  read.onProgress = onProgress;
  try {
    table.csv = ReadCsv(*source, read);
  } catch (const CsvError& e) {
    throw std::runtime_error(shown + ":" + std::to_string(e.Line()) + ": " + e.what());
  } catch (const ColumnError& e) {
    throw std::runtime_error(shown + ": " + e.what());
  }
  if (table.csv.rows == 0) {
    std::string message = shown + ": no data rows";
    if (table.csv.badRows > 0) message += " (skipped " + std::to_string(table.csv.badRows) + " bad rows)";
    throw std::runtime_error(message);
  }
  return table;
}

}  // namespace pelk::cli
