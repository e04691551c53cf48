// Reading columns of numbers from delimited text. The separator (tab,
// semicolon or comma) is detected on the first data line; a first row that
// is not all numbers (or dates) names the columns; '#' comment lines and
// blank lines are skipped. Only the columns asked for are read, in single
// precision; the others may hold anything.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteSource.h"
#include "common/NumberText.h"

namespace pelk::cli {

// The shape of the table, known once the first data line has been read.
struct CsvLayout {
  char separator = ',';
  std::vector<std::string> names;  // the header row's names; empty without one
  std::size_t fieldCount = 0;
  friend bool operator==(const CsvLayout&, const CsvLayout&) = default;
};

// A malformed line: its number (1-based) and what is wrong with it.
class CsvError : public std::runtime_error {
 public:
  CsvError(long long line, const std::string& what) : std::runtime_error(what), line_(line) {}
  long long Line() const { return line_; }

 private:
  long long line_;
};

// The columns to read (0-based, ascending, distinct), and the one among
// them that may hold ISO 8601 dates instead of numbers.
struct CsvColumns {
  CsvColumns() = default;
  CsvColumns(std::vector<std::size_t> chosen, std::optional<std::size_t> dates = std::nullopt)
      : columns(std::move(chosen)), timeColumn(dates) {}
  std::vector<std::size_t> columns;
  std::optional<std::size_t> timeColumn;
};

struct CsvReadOptions {
  // Skip malformed rows (counting them) instead of stopping at the first.
  bool skipBad = false;
  // Chooses the columns to read once the layout is known; every column when
  // unset. It may throw to refuse the layout.
  std::function<CsvColumns(const CsvLayout&)> selectColumns;
  // Called after every progressInterval data rows with the rows read so far.
  std::function<void(long long rows)> onProgress;
  long long progressInterval = 1'000'000;
};

// A time column that holds dates: its values count days (or seconds, when
// its first value has a time of day) since its first value.
struct CsvTimeOrigin {
  std::string first;     // the first value as written: "2024-03-01"
  bool seconds = false;  // counted in seconds rather than days
  friend bool operator==(const CsvTimeOrigin&, const CsvTimeOrigin&) = default;
};

// What a read found, beside the values.
struct CsvSummary {
  CsvLayout layout;
  std::vector<std::size_t> columns;  // the columns read, 0-based
  std::optional<CsvTimeOrigin> timeOrigin;
  long long rows = 0;     // data rows read
  long long badRows = 0;  // malformed rows skipped
};

// Consecutive rows: values[k][i] is column columns[k] of the block's row i.
struct CsvBlock {
  std::span<const std::span<const float>> values;
  std::size_t rows = 0;
};

// The rows passed on in one block when that many columns are read: 8192,
// fewer for wide tables, so that a block holds at most 2^20 values.
constexpr std::size_t CsvBlockRows(std::size_t columns) {
  constexpr std::size_t kRows = 8192;
  constexpr std::size_t kValues = std::size_t{1} << 20;
  return columns == 0 ? kRows : std::max<std::size_t>(1, std::min(kRows, kValues / columns));
}

// Lines longer than this are malformed (they would otherwise be held whole).
inline constexpr std::size_t kMaxCsvLineLength = 1 << 20;

// Reads the bytes, passing the rows on in blocks, in order. Throws CsvError
// for the first malformed line unless options.skipBad is set.
CsvSummary ReadCsvBlocks(ByteSource& source, const CsvReadOptions& options,
                         const std::function<void(const CsvBlock&)>& onBlock);

struct CsvTable : CsvSummary {
  std::vector<std::vector<float>> values;  // values[k] holds column columns[k]
};

// Reads the whole stream and keeps its rows. A stream without data rows
// gives an empty table.
CsvTable ReadCsv(std::istream& in, const CsvReadOptions& options = {});

// The separator of a line: the first of tab, semicolon and comma it holds
// (outside quotes); comma when it holds none.
char DetectSeparator(std::string_view line);

// Splits lines into fields, trimmed of spaces; a field in double quotes may
// hold the separator, and "" inside it stands for one quote. The fields view
// the line, or a copy for quoted ones, until the next Split.
class FieldSplitter {
 public:
  const std::vector<std::string_view>& Split(std::string_view line, char separator);

 private:
  std::vector<std::string_view> fields_;
  std::string unquoted_;
};

}  // namespace pelk::cli
