// Which columns of a table a plot draws: the X column and the series on each
// Y axis, named by header name or by number (from 1).
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/CsvReader.h"

namespace pelk::cli {

// A column that is not in the table.
class ColumnError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ColumnChoice {
  std::size_t x = 0;            // 0-based, as are the others
  std::vector<std::size_t> y;   // series on the Y axis
  std::vector<std::size_t> y2;  // series on the second Y axis
};

// A header name (an exact match first, then one ignoring the case of ASCII
// letters) or a column number from 1.
std::optional<std::size_t> FindColumn(std::string_view wanted, const CsvLayout& layout);

// Resolves the chosen columns; without Y columns asked for, every column
// other than X and the second-axis ones is a Y series. Throws ColumnError,
// which lists the columns there are for a column that is not there.
ColumnChoice ChooseColumns(const CsvLayout& layout, const std::string& x, const std::vector<std::string>& y,
                           const std::vector<std::string>& y2);

// The distinct columns a choice uses, ascending.
std::vector<std::size_t> ColumnsUsed(const ColumnChoice& choice);

// How a column is called on the graph: its header name, else "column N".
std::string ColumnTitle(const CsvLayout& layout, std::size_t column);

// The titles of the columns joined with ", ", cut (at a character boundary)
// to at most maxLength bytes with "..." when longer.
std::string AxisLabelOf(const CsvLayout& layout, const std::vector<std::size_t>& columns, std::size_t maxLength = 60);

}  // namespace pelk::cli
