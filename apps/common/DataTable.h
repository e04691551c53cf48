// The table a plot is drawn from: the chosen columns of a data file, either
// kept in memory or, for a regular file, summarised in a first pass and read
// again when drawn, so that memory does not grow with the number of rows.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/AxisRange.h"
#include "common/ColumnChoice.h"
#include "common/CsvReader.h"
#include "common/Options.h"

namespace pelk::cli {

struct DataTable {
  CsvTable csv;  // csv.values are empty when the rows are read again
  ColumnChoice choice;
  std::string shownName;             // the path, or "<stdin>"
  std::vector<ColumnRanges> ranges;  // ranges[k] of column csv.columns[k]
  std::shared_ptr<const InputFile> file;  // the file read again, when the rows are not kept
  bool skipBad = false;

  // The values of a column read (csv.columns is ascending); kept rows only.
  std::span<const float> Column(std::size_t column) const;
  std::vector<float>& Column(std::size_t column);
  // The values of a column read in a block of rows.
  std::span<const float> Column(const CsvBlock& block, std::size_t column) const;
  // The ranges of a column read.
  const ColumnRanges& Ranges(std::size_t column) const;
};

// The name a data file is shown by: the path, or "<stdin>" for "-".
std::string ShownName(const std::string& input);

// Reads options.input ("-" reads `in`) with the options' columns and keeps
// every row. Failures throw std::runtime_error naming the file and, for a
// bad row, the line ("FILE:LINE: what is wrong").
DataTable ReadDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress);

// As ReadDataTable, but the rows of a regular file are not kept: the first
// pass finds the counts and ranges, and ForEachRowBlock reads them again.
DataTable ScanDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress);

// Passes every row in order, in blocks of CsvBlockRows (the last may be
// shorter), from memory or from the file. Throws std::runtime_error when
// the file no longer reads as it did.
void ForEachRowBlock(const DataTable& table, const std::function<void(const CsvBlock&)>& onBlock);

// The X axis's title: the X column's, and for dates since when they count
// ("date (days since 2024-03-01)").
std::string XAxisTitle(const DataTable& table);

}  // namespace pelk::cli
