// A data file for the viewer: the columns the plot options choose, read with
// pelkgraph's CSV reader, and the graph settings they give.
#pragma once

#include <string>

#include "core/Pelkgraph.h"
#include "common/ColumnChoice.h"
#include "common/CsvReader.h"
#include "common/Options.h"
#include "common/PlotData.h"

namespace pelk::view {

struct DataFile {
  std::string shownName;  // the file's name in messages and the title
  cli::CsvLayout layout;
  cli::ColumnChoice choice;
  PlotData data;
  long long badRows = 0;  // malformed rows skipped
};

// Reads the data file (or standard input for "-"). Throws std::runtime_error
// with "FILE:LINE: what is wrong" for a malformed line, and for a file that
// cannot be read or holds no data rows.
DataFile ReadDataFile(const cli::PlotOptions& options);

// Title, axis labels, logarithmic axes and the second Y axis from the options
// and the columns; then fits the axes to the data.
void SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file);

}  // namespace pelk::view
