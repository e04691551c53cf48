// The table a plot is drawn from: the chosen columns of a data file.
#pragma once

#include <functional>
#include <istream>
#include <span>
#include <string>

#include "common/ColumnChoice.h"
#include "common/CsvReader.h"
#include "common/Options.h"

namespace pelk::cli {

struct DataTable {
  CsvTable csv;
  ColumnChoice choice;
  std::string shownName;  // the path, or "<stdin>"

  // The values of a column read (csv.columns is ascending).
  std::span<const float> Column(std::size_t column) const;
  std::vector<float>& Column(std::size_t column);
};

// The name a data file is shown by in messages.
std::string ShownName(const std::string& input);

// Reads options.input ("-" reads `in`) with the options' columns. Failures
// throw std::runtime_error naming the file and, for a bad row, the line.
DataTable ReadDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress);

}  // namespace pelk::cli
