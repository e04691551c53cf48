// A data file for a plot: the columns the plot options choose, read with the
// CSV reader, the series they make and the graph settings they give.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <span>
#include <string>
#include <vector>

#include "common/DataTable.h"
#include "common/Options.h"
#include "common/PlotData.h"
#include "common/Series.h"
#include "core/Pelkgraph.h"

namespace pelk::view {

struct DataFile {
  cli::DataTable table;  // the chosen columns' rows, kept or read again
  std::string xTitle;    // the X column's title; for dates, since when
  std::vector<SeriesStyle> series;         // the Y columns', then the second Y columns'
  std::vector<std::size_t> seriesColumns;  // the column each series shows

  const std::string& ShownName() const { return table.shownName; }  // in messages and the title
  long long BadRows() const { return table.csv.badRows; }           // malformed rows skipped
};

// Whether the rows of a regular file stay in memory or are read again each
// time they are passed on (so that memory does not grow with the rows).
// Standard input and pipes are always kept.
enum class RowKeeping { Keep, ReadAgain };

// Reads the data file (or `in` for "-"), reporting the rows read so far to
// onProgress (may be empty). Throws std::runtime_error with "FILE:LINE: what
// is wrong" for a malformed line, and for a file that cannot be read or holds
// no data rows.
DataFile ReadDataFile(const cli::PlotOptions& options, std::istream& in,
                      const std::function<void(long long rows)>& onProgress, RowKeeping keeping);
// The same keeping the rows, reading standard input for "-".
DataFile ReadDataFile(const cli::PlotOptions& options);

// The ranges of the file's X column and series.
PlotRanges RangesOf(const DataFile& file);
// What drawing one series in parts needs to know of it.
cli::SeriesExtent ExtentOf(const DataFile& file, std::size_t series);
// Passes the X values and one series' Y values in blocks of rows, in order.
// Throws std::runtime_error when a file read again no longer reads as it did.
void ForEachSeriesBlock(const DataFile& file, std::size_t series,
                        const std::function<void(std::span<const float> x, std::span<const float> y)>& onBlock);
// The series with their values, taken from a file whose rows are kept.
PlotData TakePlotData(DataFile&& file);

// Title, subtitle, identification, axis labels, logarithmic axes and the
// second Y axis from the options and the columns; then fits the axes to the
// data. Returns the notes of the fit (axes that cannot show every value).
std::vector<std::string> SetUpGraphForData(TPelkgraph& graph, const cli::PlotOptions& options, const DataFile& file);

}  // namespace pelk::view
