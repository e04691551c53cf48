#include "common/CsvReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace pelk::cli {

namespace {

bool IsBlankChar(char c, char separator) { return c == ' ' || (c == '\t' && separator != '\t'); }

std::string_view Trim(std::string_view text, char separator) {
  while (!text.empty() && IsBlankChar(text.front(), separator)) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back(), separator)) text.remove_suffix(1);
  return text;
}

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool IsCommentLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] == '#';
}

// Reads lines in blocks; a line longer than the limit is cut and flagged.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : buffer_(in.rdbuf()) {}

  // The next line without its end (LF or CRLF); false at the end of input.
  bool Next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    bool any = false;
    while (true) {
      if (pos_ == end_ && !Fill()) break;
      any = true;
      const char* start = block_.data() + pos_;
      const void* newline = std::memchr(start, '\n', end_ - pos_);
      const std::size_t length =
          newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : end_ - pos_;
      Append(line, start, length, tooLong);
      pos_ += length;
      if (newline) {
        ++pos_;
        break;
      }
    }
    if (!any) return false;
    if (!tooLong && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

 private:
  bool Fill() {
    if (!buffer_) return false;
    const std::streamsize got = buffer_->sgetn(block_.data(), static_cast<std::streamsize>(block_.size()));
    pos_ = 0;
    end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return end_ > 0;
  }

  static void Append(std::string& line, const char* text, std::size_t length, bool& tooLong) {
    const std::size_t room = kMaxCsvLineLength - std::min(line.size(), kMaxCsvLineLength);
    if (length > room) tooLong = true;
    line.append(text, std::min(length, room));
  }

  std::streambuf* buffer_;
  std::array<char, 1 << 16> block_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

// A field as shown in a message: quoted, long ones shortened.
std::string Shown(std::string_view field) {
  constexpr std::size_t kShown = 32;
  std::string text(field.substr(0, kShown));
  if (field.size() > kShown) text += "...";
  return '"' + text + '"';
}

// Index of the first field that is not a number, or fields.size().
std::size_t FirstNonNumber(const std::vector<std::string>& fields, std::vector<double>& numbers) {
  numbers.resize(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::optional<double> number = ParseNumber(fields[i]);
    if (!number) return i;
    numbers[i] = *number;
  }
  return fields.size();
}

std::string NotANumberMessage(const std::vector<std::string>& fields, std::size_t index) {
  const std::string which = "field " + std::to_string(index + 1);
  if (fields[index].empty()) return which + " is empty";
  return which + " is not a number: " + Shown(fields[index]);
}

std::string FieldCountMessage(std::size_t expected, std::size_t found) {
  return "expected " + std::to_string(expected) + " fields, found " + std::to_string(found);
}

class TableReader {
 public:
  explicit TableReader(const CsvReadOptions& options) : options_(options) {}

  void Line(long long number, std::string_view line) {
    if (IsBlankLine(line) || IsCommentLine(line)) return;
    if (started_) {
      DataLine(number, line);
    } else {
      FirstLines(number, line);
    }
  }

  void Bad(long long number, const std::string& what) {
    if (!options_.skipBad) throw CsvError(number, what);
    ++table_.badRows;
  }

  CsvTable Take() { return std::move(table_); }

 private:
  // Before the first data line: a header row, or the first data line itself,
  // which fixes the separator and the field count.
  void FirstLines(long long number, std::string_view line) {
    const char separator = DetectSeparator(line);
    SplitFields(line, separator, fields_);
    const std::size_t bad = FirstNonNumber(fields_, numbers_);
    if (bad < fields_.size()) {
      if (!header_) {
        header_ = std::string(line);
        headerLine_ = number;
      } else {
        Bad(number, NotANumberMessage(fields_, bad));
      }
      return;
    }
    CsvLayout layout{separator, {}, fields_.size()};
    if (header_) {
      SplitFields(*header_, separator, layout.names);
      if (layout.names.size() != layout.fieldCount) {
        Bad(number, FieldCountMessage(layout.names.size(), layout.fieldCount) + " (the header on line " +
                        std::to_string(headerLine_) + " names " + std::to_string(layout.names.size()) + ")");
        return;
      }
    }
    Start(std::move(layout));
    Store();
  }

  void Start(CsvLayout layout) {
    table_.layout = std::move(layout);
    if (options_.selectColumns) {
      table_.columns = options_.selectColumns(table_.layout);
    } else {
      table_.columns.resize(table_.layout.fieldCount);
      for (std::size_t i = 0; i < table_.columns.size(); ++i) table_.columns[i] = i;
    }
    for (std::size_t column : table_.columns) {
      if (column >= table_.layout.fieldCount) throw std::out_of_range("column index beyond the table");
    }
    table_.values.resize(table_.columns.size());
    started_ = true;
  }

  void DataLine(long long number, std::string_view line) {
    SplitFields(line, table_.layout.separator, fields_);
    if (fields_.size() != table_.layout.fieldCount) {
      Bad(number, FieldCountMessage(table_.layout.fieldCount, fields_.size()));
      return;
    }
    const std::size_t bad = FirstNonNumber(fields_, numbers_);
    if (bad < fields_.size()) {
      Bad(number, NotANumberMessage(fields_, bad));
      return;
    }
    Store();
  }

  // Stores the chosen columns of the numbers just parsed.
  void Store() {
    for (std::size_t k = 0; k < table_.columns.size(); ++k) {
      table_.values[k].push_back(ToFloat(numbers_[table_.columns[k]]));
    }
    ++table_.rows;
    if (options_.onProgress && options_.progressInterval > 0 && table_.rows % options_.progressInterval == 0) {
      options_.onProgress(table_.rows);
    }
  }

  const CsvReadOptions& options_;
  CsvTable table_;
  bool started_ = false;
  std::optional<std::string> header_;
  long long headerLine_ = 0;
  std::vector<std::string> fields_;
  std::vector<double> numbers_;
};

}  // namespace

char DetectSeparator(std::string_view line) {
  bool quoted = false, tab = false, semicolon = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    tab = tab || c == '\t';
    semicolon = semicolon || c == ';';
  }
  if (tab) return '\t';
  if (semicolon) return ';';
  return ',';
}

void SplitFields(std::string_view line, char separator, std::vector<std::string>& fields) {
  std::size_t count = 0;
  std::size_t i = 0;
  while (true) {
    if (fields.size() <= count) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    while (i < line.size() && IsBlankChar(line[i], separator)) ++i;
    if (i < line.size() && line[i] == '"') {
      // Quoted: up to the closing quote; "" stands for one quote.
      for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
          field += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      const std::size_t stop = std::min(line.find(separator, i), line.size());
      field += Trim(line.substr(i, stop - i), separator);
      i = stop;
    } else {
      const std::size_t stop = std::min(line.find(separator, i), line.size());
      field = Trim(line.substr(i, stop - i), separator);
      i = stop;
    }
    if (i >= line.size()) break;
    ++i;  // past the separator
  }
  fields.resize(count);
}

std::optional<double> ParseNumber(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
  if (field.empty()) return std::nullopt;
  std::string_view digits = field;
  if (digits.front() == '+') {
    digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '-' || digits.front() == '+') return std::nullopt;
  }
  double value = 0.0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value, std::chars_format::general);
  if (stop != end) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // strtod gives the saturated value (infinity, or zero for underflow).
    const std::string copy(digits);
    return std::strtod(copy.c_str(), nullptr);
  }
  if (error != std::errc{}) return std::nullopt;
  return value;
}

float ToFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

CsvTable ReadCsv(std::istream& in, const CsvReadOptions& options) {
  TableReader reader(options);
  LineReader lines(in);
  std::string line;
  bool tooLong = false;
  for (long long number = 1; lines.Next(line, tooLong); ++number) {
    std::string_view text = line;
    if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 byte order mark
    if (tooLong) {
      reader.Bad(number, "line is longer than " + std::to_string(kMaxCsvLineLength) + " characters");
      continue;
    }
    reader.Line(number, text);
  }
  return reader.Take();
}

}  // namespace pelk::cli
