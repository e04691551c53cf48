// Reading columns of numbers from delimited text. The separator (tab,
// semicolon or comma) is detected on the first data line; a first row that is
// not all numbers names the columns; '#' comment lines and blank lines are
// skipped. Only the columns asked for are stored, in single precision.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::cli {

// The shape of the table, known once the first data line has been read.
struct CsvLayout {
  char separator = ',';
  std::vector<std::string> names;  // the header row's names; empty without one
  std::size_t fieldCount = 0;
};

// A malformed line: its number (1-based) and what is wrong with it.
class CsvError : public std::runtime_error {
 public:
  CsvError(long long line, const std::string& what) : std::runtime_error(what), line_(line) {}
  long long Line() const { return line_; }

 private:
  long long line_;
};

struct CsvReadOptions {
  // Skip malformed rows (counting them) instead of stopping at the first.
  bool skipBad = false;
  // Chooses the columns to store (0-based) once the layout is known; every
  // column when unset. It may throw to refuse the layout.
  std::function<std::vector<std::size_t>(const CsvLayout&)> selectColumns;
  // Called after every progressInterval data rows with the rows read so far.
  std::function<void(long long rows)> onProgress;
  long long progressInterval = 1'000'000;
};

struct CsvTable {
  CsvLayout layout;
  std::vector<std::size_t> columns;        // the stored columns, 0-based
  std::vector<std::vector<float>> values;  // values[k] holds column columns[k]
  long long rows = 0;                      // data rows stored
  long long badRows = 0;                   // malformed rows skipped
};

// Lines longer than this are malformed (they would otherwise be held whole).
inline constexpr std::size_t kMaxCsvLineLength = 1 << 20;

// Reads the whole stream. Throws CsvError for the first malformed line unless
// options.skipBad is set. A stream without data rows gives an empty table.
CsvTable ReadCsv(std::istream& in, const CsvReadOptions& options = {});

// The separator of a line: the first of tab, semicolon and comma it holds
// (outside quotes); comma when it holds none.
char DetectSeparator(std::string_view line);

// Splits a line into fields, trimmed of spaces; a field in double quotes may
// hold the separator, and "" inside it stands for one quote. Reuses the
// strings already in fields.
void SplitFields(std::string_view line, char separator, std::vector<std::string>& fields);

// A decimal number (optional sign, exponent, "inf", "nan"); nullopt for
// anything else. Out-of-range magnitudes become infinity or zero.
std::optional<double> ParseNumber(std::string_view field);

// Narrows to single precision; magnitudes beyond its range become infinity.
float ToFloat(double value);

}  // namespace pelk::cli
