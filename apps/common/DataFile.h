// A data file for a plot: the columns the plot options choose, read with the
// CSV reader, and the graph settings they give.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "common/ColumnChoice.h"
#include "common/CsvReader.h"
#include "common/Options.h"
#include "common/PlotData.h"
#include "core/Pelkgraph.h"

namespace pelk::view {

struct DataFile {
  std::string shownName;  // the file's name in messages and the title
  cli::CsvLayout layout;
  cli::ColumnChoice choice;
  std::string xTitle;  // the X column's title; for dates, since when
  PlotData data;
  long long badRows = 0;  // malformed rows skipped
};

// Reads the data file (or `in` for "-"), reporting the rows read so far to
// onProgress (may be empty). Throws std::runtime_error with "FILE:LINE: what
// is wrong" for a malformed line, and for a file that cannot be read or holds
// no data rows.
DataFile ReadDataFile(const cli::PlotOptions& options, std::istream& in,
                      const std::function<void(long long rows)>& onProgress);
// The same reading standard input for "-".
DataFile ReadDataFile(const cli::PlotOptions& options);

// Title, subtitle, identification, axis labels, logarithmic axes and the
// second Y axis from the options and the columns; then fits the axes to the
// data. Returns the notes of the fit (axes that cannot show every value).
std::vector<std::string> SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file);

}  // namespace pelk::view
