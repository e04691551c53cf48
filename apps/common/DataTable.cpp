#include "common/DataTable.h"

#include <algorithm>
#include <stdexcept>

#include "common/PrintableText.h"

namespace pelk::cli {

namespace {

std::size_t ColumnIndex(const CsvSummary& csv, std::size_t column) {
  const auto found = std::lower_bound(csv.columns.begin(), csv.columns.end(), column);
  return static_cast<std::size_t>(found - csv.columns.begin());
}

// Runs a read, turning its failures into messages that start with the
// file's name (and the line, for a bad row).
template <typename Read>
auto NamingTheFile(const std::string& shownName, Read read) {
  const std::string shown = PrintableText(shownName);
  try {
    return read();
  } catch (const CsvError& e) {
    throw std::runtime_error(shown + ":" + std::to_string(e.Line()) + ": " + e.what());
  } catch (const ColumnError& e) {
    throw std::runtime_error(shown + ": " + e.what());
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(shown + ": " + e.what());
  }
}

void AddRanges(std::vector<ColumnRanges>& ranges, const CsvBlock& block) {
  ranges.resize(block.values.size());
  for (std::size_t k = 0; k < block.values.size(); ++k) ranges[k] = CombinedRanges(ranges[k], RangesOf(block.values[k]));
}

void AddRows(std::vector<std::vector<float>>& values, const CsvBlock& block) {
  values.resize(block.values.size());
  for (std::size_t k = 0; k < block.values.size(); ++k) {
    values[k].insert(values[k].end(), block.values[k].begin(), block.values[k].end());
  }
}

CsvColumns ColumnsToRead(const ColumnChoice& choice) { return {ColumnsUsed(choice), choice.x}; }

DataTable ReadTable(const PlotOptions& options, std::istream& in,
                    const std::function<void(long long rows)>& onProgress, bool keepFileRows) {
  DataTable table;
  table.shownName = ShownName(options.input);
  table.skipBad = options.skipBad;
  std::shared_ptr<const InputFile> file;
  std::unique_ptr<ByteSource> source;
  if (options.input == "-") {
    source = std::make_unique<StreamSource>(in);
  } else {
    file = std::make_shared<const InputFile>(options.input);
    source = std::make_unique<FileSource>(*file);
    if (!keepFileRows && file->Rereadable()) table.file = file;
  }
  const bool keepRows = !table.file;

  CsvReadOptions read;
  read.skipBad = options.skipBad;
  read.selectColumns = [&](const CsvLayout& layout) {
    table.choice = ChooseColumns(layout, options.xColumn, options.yColumns, options.y2Columns);
    return ColumnsToRead(table.choice);
  };
  read.onProgress = onProgress;
  const CsvSummary summary = NamingTheFile(table.shownName, [&] {
    return ReadCsvBlocks(*source, read, [&](const CsvBlock& block) {
      AddRanges(table.ranges, block);
      if (keepRows) AddRows(table.csv.values, block);
    });
  });
  static_cast<CsvSummary&>(table.csv) = summary;
  if (summary.rows == 0) {
    std::string message = PrintableText(table.shownName) + ": no data rows";
    if (summary.badRows > 0) message += " (skipped " + std::to_string(summary.badRows) + " bad rows)";
    throw std::runtime_error(message);
  }
  return table;
}

void ReplayKeptRows(const CsvTable& csv, const std::function<void(const CsvBlock&)>& onBlock) {
  std::vector<std::span<const float>> views(csv.values.size());
  const auto rows = static_cast<std::size_t>(csv.rows);
  const std::size_t blockRows = CsvBlockRows(views.size());
  for (std::size_t first = 0; first < rows; first += blockRows) {
    const std::size_t count = std::min(blockRows, rows - first);
    for (std::size_t k = 0; k < views.size(); ++k) views[k] = std::span<const float>(csv.values[k]).subspan(first, count);
    onBlock(CsvBlock{views, count});
  }
}

}  // namespace

std::span<const float> DataTable::Column(std::size_t column) const { return csv.values.at(ColumnIndex(csv, column)); }

std::vector<float>& DataTable::Column(std::size_t column) { return csv.values.at(ColumnIndex(csv, column)); }

std::span<const float> DataTable::Column(const CsvBlock& block, std::size_t column) const {
  return block.values[ColumnIndex(csv, column)];
}

const ColumnRanges& DataTable::Ranges(std::size_t column) const {
  return ranges.at(ColumnIndex(csv, column));
}

std::string ShownName(const std::string& input) { return input == "-" ? "<stdin>" : input; }

DataTable ReadDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress) {
  return ReadTable(options, in, onProgress, true);
}

DataTable ScanDataTable(const PlotOptions& options, std::istream& in,
                        const std::function<void(long long rows)>& onProgress) {
  return ReadTable(options, in, onProgress, false);
}

void ForEachRowBlock(const DataTable& table, const std::function<void(const CsvBlock&)>& onBlock) {
  if (!table.file) {
    ReplayKeptRows(table.csv, onBlock);
    return;
  }
  const std::string changed = "changed while it was read";
  CsvReadOptions read;
  read.skipBad = table.skipBad;
  read.selectColumns = [&](const CsvLayout& layout) {
    if (layout != table.csv.layout) throw std::runtime_error(changed);
    return ColumnsToRead(table.choice);
  };
  FileSource source(*table.file);
  const CsvSummary again = NamingTheFile(table.shownName, [&] { return ReadCsvBlocks(source, read, onBlock); });
  if (again.rows != table.csv.rows || again.timeOrigin != table.csv.timeOrigin) {
    throw std::runtime_error(PrintableText(table.shownName) + ": " + changed);
  }
}

std::string XAxisTitle(const DataTable& table) {
  std::string title = AxisLabelOf(table.csv.layout, {table.choice.x});
  if (const std::optional<CsvTimeOrigin>& origin = table.csv.timeOrigin) {
    title += std::string(" (") + (origin->seconds ? "seconds" : "days") + " since " + origin->first + ")";
  }
  return title;
}

}  // namespace pelk::cli
