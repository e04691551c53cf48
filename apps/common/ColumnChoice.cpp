#include "common/ColumnChoice.h"

#include <algorithm>

#include "common/Options.h"
#include "common/PrintableText.h"

namespace pelk::cli {

namespace {

// At most this many names are listed when a column is not found.
constexpr std::size_t kNamesListed = 20;

std::string ColumnsThereAre(const CsvLayout& layout) {
  const std::string count = std::to_string(layout.fieldCount);
  if (layout.names.empty()) return "the table has " + count + " unnamed columns; give a number from 1 to " + count;
  std::string list = "the columns are ";
  for (std::size_t i = 0; i < layout.names.size() && i < kNamesListed; ++i) {
    if (i > 0) list += ", ";
    list += QuotedExcerpt(layout.names[i], 32, '\'');
  }
  if (layout.names.size() > kNamesListed) list += " and " + std::to_string(layout.names.size() - kNamesListed) + " more";
  return list;
}

std::size_t ColumnOrThrow(const std::string& wanted, const CsvLayout& layout) {
  if (const std::optional<std::size_t> column = FindColumn(wanted, layout)) return *column;
  throw ColumnError("no column " + QuotedExcerpt(wanted, 64, '\'') + " (" + ColumnsThereAre(layout) + ")");
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::size_t> ColumnsOrThrow(const std::vector<std::string>& wantedColumns, const CsvLayout& layout) {
  std::vector<std::size_t> columns;
  for (const std::string& wanted : wantedColumns) columns.push_back(ColumnOrThrow(wanted, layout));
  return columns;
}

bool Contains(const std::vector<std::size_t>& columns, std::size_t column) {
  return std::find(columns.begin(), columns.end(), column) != columns.end();
}

}  // namespace

std::optional<std::size_t> FindColumn(std::string_view wanted, const CsvLayout& layout) {
  auto named = std::find(layout.names.begin(), layout.names.end(), wanted);
  if (named == layout.names.end()) {
    named = std::find_if(layout.names.begin(), layout.names.end(),
                         [wanted](const std::string& name) { return EqualIgnoringCase(name, wanted); });
  }
  if (named != layout.names.end()) return static_cast<std::size_t>(named - layout.names.begin());
  const int highest = static_cast<int>(std::min<std::size_t>(layout.fieldCount, 1'000'000'000));
  if (const std::optional<int> number = ParseBoundedInt(wanted, 1, highest)) {
    return static_cast<std::size_t>(*number - 1);
  }
  return std::nullopt;
}

ColumnChoice ChooseColumns(const CsvLayout& layout, const std::string& x, const std::vector<std::string>& y,
                           const std::vector<std::string>& y2) {
  if (layout.fieldCount == 0) throw ColumnError("the table has no columns");
  ColumnChoice choice;
  choice.x = x.empty() ? 0 : ColumnOrThrow(x, layout);
  choice.y = ColumnsOrThrow(y, layout);
  choice.y2 = ColumnsOrThrow(y2, layout);
  if (y.empty()) {
    for (std::size_t column = 0; column < layout.fieldCount; ++column) {
      if (column != choice.x && !Contains(choice.y2, column)) choice.y.push_back(column);
    }
  }
  if (choice.y.empty() && choice.y2.empty()) {
    throw ColumnError("nothing to plot against the X column (the table has " + std::to_string(layout.fieldCount) +
                      (layout.fieldCount == 1 ? " column)" : " columns)"));
  }
  return choice;
}

std::vector<std::size_t> ColumnsUsed(const ColumnChoice& choice) {
  std::vector<std::size_t> columns{choice.x};
  columns.insert(columns.end(), choice.y.begin(), choice.y.end());
  columns.insert(columns.end(), choice.y2.begin(), choice.y2.end());
  std::sort(columns.begin(), columns.end());
  columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
  return columns;
}

std::string ColumnTitle(const CsvLayout& layout, std::size_t column) {
  if (column < layout.names.size() && !layout.names[column].empty()) return layout.names[column];
  return "column " + std::to_string(column + 1);
}

std::string AxisLabelOf(const CsvLayout& layout, const std::vector<std::size_t>& columns, std::size_t maxLength) {
  std::string label;
  for (std::size_t column : columns) {
    if (!label.empty()) label += ", ";
    label += ColumnTitle(layout, column);
  }
  if (label.size() <= maxLength) return label;
  const std::string ellipsis = "...";
  const std::size_t cut = Utf8CutLength(label, maxLength > ellipsis.size() ? maxLength - ellipsis.size() : 0);
  return label.substr(0, cut) + ellipsis;
}

}  // namespace pelk::cli
