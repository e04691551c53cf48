#include "common/CsvReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/IsoDate.h"
#include "common/PlainDecimal.h"
#include "common/PrintableText.h"

namespace pelk::cli {

namespace {

constexpr std::size_t kReadSize = 1 << 17;
constexpr double kSecondsPerDay = 86'400.0;

bool IsBlankChar(char c, char separator) { return c == ' ' || (c == '\t' && separator != '\t'); }

std::string_view Trim(std::string_view text, char separator) {
  while (!text.empty() && IsBlankChar(text.front(), separator)) text.remove_prefix(1);
  while (!text.empty() && IsBlankChar(text.back(), separator)) text.remove_suffix(1);
  return text;
}

// Blank lines and '#' comment lines hold no data.
bool HoldsNoData(std::string_view line) {
  std::size_t first = 0;
  while (first < line.size() && (line[first] == ' ' || line[first] == '\t')) ++first;
  return first == line.size() || line[first] == '#';
}

// Splits the bytes into lines in place, a large block at a time; a line
// longer than the limit is dropped and flagged. Unless the source asks for
// large reads, the buffer starts small and grows while reads fill it, so that
// short inputs need little memory.
class LineSplitter {
 public:
  explicit LineSplitter(ByteSource& source)
      : source_(source),
        capacity_(source.LargeReads() ? kBufferSize : kInitialSize),
        buffer_(std::make_unique_for_overwrite<char[]>(capacity_)) {}

  // The lines read whole that Next has not given yet, each with its LF; the
  // caller may take some with Consume instead of calling Next for them.
  std::string_view CompleteLines() const {
    return begin_ < complete_ ? std::string_view(buffer_.get() + begin_, complete_ - begin_) : std::string_view();
  }
  void Consume(std::size_t bytes) { begin_ += bytes; }

  // The next line without its end (LF or CRLF); false at the end of input.
  // The view holds until the next call.
  bool Next(std::string_view& line, bool& tooLong) {
    while (true) {
      const char* start = buffer_.get() + begin_;
      const std::size_t available = end_ - begin_;
      if (const void* newline = std::memchr(start, '\n', available)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(newline) - start);
        begin_ += length + 1;
        return Found(start, length, line, tooLong);
      }
      if (available > kMaxCsvLineLength) {
        DropRestOfLine();
        line = {};
        tooLong = true;
        return true;
      }
      if (atEnd_) {
        if (available == 0) return false;
        begin_ = end_;
        return Found(start, available, line, tooLong);
      }
      Refill();
    }
  }

 private:
  static bool Found(const char* start, std::size_t length, std::string_view& line, bool& tooLong) {
    tooLong = length > kMaxCsvLineLength;
    if (tooLong) length = 0;
    if (length > 0 && start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    return true;
  }

  // Keeps the unfinished line at the front and reads after it.
  void Refill() {
    const std::size_t kept = end_ - begin_;
    if ((lastReadFilled_ || kept > capacity_ / 2) && capacity_ < kBufferSize) {
      capacity_ = std::min(kBufferSize, capacity_ * 2);
      auto grown = std::make_unique_for_overwrite<char[]>(capacity_);
      std::memcpy(grown.get(), buffer_.get() + begin_, kept);
      buffer_ = std::move(grown);
    } else {
      std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
    }
    begin_ = 0;
    end_ = kept;
    const std::size_t space = capacity_ - end_;
    const std::size_t got = source_.Read(buffer_.get() + end_, space);
    lastReadFilled_ = got == space;
    atEnd_ = got == 0;
    end_ += got;
    FindCompleteLines();
  }

  void FindCompleteLines() {
    const void* last = ::memrchr(buffer_.get() + begin_, '\n', end_ - begin_);
    complete_ = last ? static_cast<std::size_t>(static_cast<const char*>(last) - buffer_.get()) + 1 : 0;
  }

  // Reads past the next newline, keeping what follows it.
  void DropRestOfLine() {
    begin_ = end_ = complete_ = 0;
    while (!atEnd_) {
      const std::size_t got = source_.Read(buffer_.get(), capacity_);
      atEnd_ = got == 0;
      if (const void* newline = std::memchr(buffer_.get(), '\n', got)) {
        begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.get()) + 1;
        end_ = got;
        FindCompleteLines();
        return;
      }
    }
  }

  static constexpr std::size_t kInitialSize = 1 << 12;
  // At most room for the longest line and a read after it.
  static constexpr std::size_t kBufferSize = kMaxCsvLineLength + kReadSize + 1;

  ByteSource& source_;
  std::size_t capacity_;
  std::unique_ptr<char[]> buffer_;  // filled only by reads
  bool lastReadFilled_ = false;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t complete_ = 0;  // just past the last LF read
  bool atEnd_ = false;
};

bool IsValue(std::string_view field) { return ParseNumber(field) || ParseIsoDateTime(field); }

std::string FieldMessage(std::size_t index, std::string_view field, const char* expected) {
  const std::string which = "field " + std::to_string(index + 1);
  if (field.empty()) return which + " is empty";
  return which + " is not " + expected + ": " + QuotedExcerpt(field);
}

std::string FieldCountMessage(std::size_t expected, std::size_t found) {
  return "expected " + std::to_string(expected) + " fields, found " + std::to_string(found);
}

// Turns lines into rows of the chosen columns and passes them on in blocks.
class RowReader {
 public:
  RowReader(const CsvReadOptions& options, const std::function<void(const CsvBlock&)>& onBlock)
      : options_(options),
        onBlock_(onBlock),
        rowsToProgress_(options.onProgress && options.progressInterval > 0 ? options.progressInterval : -1) {}

  void Line(long long number, std::string_view line) {
    if (HoldsNoData(line)) return;
    if (!started_) {
      FirstLines(number, line);
    } else {
      GeneralRow(number, line);
    }
  }

  // Reads the leading rows of whole lines (each ending in LF) that take the
  // fast way, counting their lines; gives the bytes read.
  std::size_t FastRows(std::string_view lines, long long& number) {
    if (!started_ || timeKind_ == TimeKind::Dates) return 0;
    const char* p = lines.data();
    const char* const end = p + lines.size();
    while (p != end && FastRow(p, end)) ++number;
    return static_cast<std::size_t>(p - lines.data());
  }

  void Bad(long long number, const std::string& what) {
    if (!options_.skipBad) throw CsvError(number, what);
    ++summary_.badRows;
  }

  CsvSummary Finish() {
    Flush();
    return std::move(summary_);
  }

 private:
  enum class TimeKind { Undecided, Numbers, Dates };

  // Before the first data line: a header row, or the first data line itself,
  // which fixes the separator and the field count.
  void FirstLines(long long number, std::string_view line) {
    const char separator = DetectSeparator(line);
    const std::vector<std::string_view>& fields = splitter_.Split(line, separator);
    if (!header_ && !std::all_of(fields.begin(), fields.end(), IsValue)) {
      header_ = std::string(line);
      headerLine_ = number;
      return;
    }
    CsvLayout layout{separator, {}, fields.size()};
    if (header_) {
      const std::vector<std::string_view>& names = splitter_.Split(*header_, separator);
      layout.names.assign(names.begin(), names.end());
      if (layout.names.size() != layout.fieldCount) {
        Bad(number, FieldCountMessage(layout.names.size(), layout.fieldCount) + " (the header on line " +
                        std::to_string(headerLine_) + " names " + std::to_string(layout.names.size()) + ")");
        return;
      }
    }
    Start(std::move(layout));
    GeneralRow(number, line);
  }

  void Start(CsvLayout layout) {
    summary_.layout = std::move(layout);
    const std::size_t fieldCount = summary_.layout.fieldCount;
    CsvColumns chosen;
    if (options_.selectColumns) {
      chosen = options_.selectColumns(summary_.layout);
    } else {
      for (std::size_t i = 0; i < fieldCount; ++i) chosen.columns.push_back(i);
    }
    const std::vector<std::size_t>& columns = chosen.columns;
    if (!std::is_sorted(columns.begin(), columns.end()) ||
        std::adjacent_find(columns.begin(), columns.end()) != columns.end() ||
        (!columns.empty() && columns.back() >= fieldCount)) {
      throw std::out_of_range("the columns to read must be ascending, distinct and in the table");
    }
    summary_.columns = columns;
    timeColumn_ = chosen.timeColumn;
    blockCapacity_ = CsvBlockRows(columns.size());
    block_.resize(columns.size());
    fieldColumn_.assign(fieldCount, nullptr);
    GrowBlock();
    blockViews_.resize(columns.size());
    started_ = true;
  }

  // The common row: plain decimals in the chosen fields, no quotes, blanks
  // or comment mark about the fields. Reads the line at p (which ends in LF
  // before end) and moves p past it; false, leaving p, sends the line the
  // general way, which decides.
  bool FastRow(const char*& pos, const char* end) {
    const char separator = summary_.layout.separator;
    const char* p = pos;
    if (*p == '#' || *p == '\r' || *p == '\n') return false;  // comments and blank lines
    const std::size_t last = summary_.layout.fieldCount - 1;
    for (std::size_t field = 0;; ++field) {
      if (float* column = fieldColumn_[field]) {
        const std::optional<double> value = ScanPlainDecimal(p, end);
        if (!value) return false;
        column[blockRows_] = static_cast<float>(*value);
      } else {
        if (*p == '"' || *p == ' ' || *p == '\t') return false;
        while (*p != separator && *p != '\n') ++p;
      }
      if (field == last) break;
      if (*p != separator) return false;
      ++p;
    }
    if (*p == '\r') ++p;
    if (*p != '\n' || static_cast<std::size_t>(p - pos) > kMaxCsvLineLength) return false;
    pos = p + 1;
    if (timeKind_ == TimeKind::Undecided && timeColumn_) timeKind_ = TimeKind::Numbers;
    RowDone();
    return true;
  }

  // Any row: split, checked field by field, with messages for what is wrong.
  void GeneralRow(long long number, std::string_view line) {
    const std::vector<std::string_view>& fields = splitter_.Split(line, summary_.layout.separator);
    if (fields.size() != summary_.layout.fieldCount) {
      Bad(number, FieldCountMessage(summary_.layout.fieldCount, fields.size()));
      return;
    }
    std::optional<IsoDateTime> firstDate;
    for (std::size_t k = 0; k < summary_.columns.size(); ++k) {
      const std::size_t column = summary_.columns[k];
      const std::string_view field = fields[column];
      const bool mayBeDate = column == timeColumn_ && timeKind_ != TimeKind::Numbers;
      std::optional<double> value = mayBeDate ? TimeValue(field, firstDate) : ParseNumber(field);
      if (!value && mayBeDate && timeKind_ == TimeKind::Undecided) value = ParseNumber(field);
      if (!value) {
        const char* expected = !mayBeDate ? "a number" : timeKind_ == TimeKind::Dates ? "a date" : "a number or a date";
        Bad(number, FieldMessage(column, field, expected));
        return;
      }
      block_[k][blockRows_] = ToFloat(*value);
    }
    if (timeColumn_ && timeKind_ == TimeKind::Undecided) DecideTimeKind(fields[*timeColumn_], firstDate);
    RowDone();
  }

  // A date's distance from the column's first date; the first date itself
  // (while undecided) is kept in firstDate.
  std::optional<double> TimeValue(std::string_view field, std::optional<IsoDateTime>& firstDate) {
    const std::optional<IsoDateTime> moment = ParseIsoDateTime(field);
    if (!moment) return std::nullopt;
    if (timeKind_ == TimeKind::Undecided) {
      firstDate = moment;
      return 0.0;
    }
    const double seconds = SecondsBetween(timeOrigin_, *moment);
    return summary_.timeOrigin->seconds ? seconds : seconds / kSecondsPerDay;
  }

  // Settled by the first good row: dates when its time field held one.
  void DecideTimeKind(std::string_view field, const std::optional<IsoDateTime>& firstDate) {
    if (!firstDate) {
      timeKind_ = TimeKind::Numbers;
      return;
    }
    timeKind_ = TimeKind::Dates;
    timeOrigin_ = *firstDate;
    summary_.timeOrigin = CsvTimeOrigin{std::string(field), firstDate->hasTime};
  }

  void RowDone() {
    ++summary_.rows;
    if (++blockRows_ == blockCapacity_) {
      Flush();
    } else if (blockRows_ == blockRoom_) {
      GrowBlock();
    }
    if (--rowsToProgress_ == 0) {
      options_.onProgress(summary_.rows);
      rowsToProgress_ = options_.progressInterval;
    }
  }

  // Room for more rows in the block, up to its capacity: a short input does
  // not pay for a whole block.
  void GrowBlock() {
    blockRoom_ = std::min(blockCapacity_, std::max<std::size_t>(64, 2 * blockRows_));
    for (std::size_t k = 0; k < block_.size(); ++k) {
      block_[k].resize(blockRoom_);
      fieldColumn_[summary_.columns[k]] = block_[k].data();
    }
  }

  void Flush() {
    if (blockRows_ == 0) return;
    for (std::size_t k = 0; k < block_.size(); ++k) blockViews_[k] = std::span<const float>(block_[k].data(), blockRows_);
    onBlock_(CsvBlock{blockViews_, blockRows_});
    blockRows_ = 0;
  }

  const CsvReadOptions& options_;
  const std::function<void(const CsvBlock&)>& onBlock_;
  CsvSummary summary_;
  bool started_ = false;
  std::optional<std::string> header_;
  long long headerLine_ = 0;
  FieldSplitter splitter_;
  std::vector<float*> fieldColumn_;  // per field: the block column it is read into, or null
  std::optional<std::size_t> timeColumn_;
  TimeKind timeKind_ = TimeKind::Undecided;
  IsoDateTime timeOrigin_;
  std::vector<std::vector<float>> block_;
  std::vector<std::span<const float>> blockViews_;
  std::size_t blockRows_ = 0;
  std::size_t blockCapacity_ = 0;  // rows of a full block
  std::size_t blockRoom_ = 0;      // rows the block's columns hold now
  long long rowsToProgress_;  // counts down to the next progress report; never 0 without one
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

const std::vector<std::string_view>& FieldSplitter::Split(std::string_view line, char separator) {
  fields_.clear();
  unquoted_.clear();
  // Quoted fields are copied here; never longer than the line, so the views
  // into it stay valid while it fills.
  unquoted_.reserve(line.size());
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlankChar(line[i], separator)) ++i;
    if (i < line.size() && line[i] == '"') {
      // Quoted: up to the closing quote; "" stands for one quote.
      const std::size_t start = unquoted_.size();
      for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
          unquoted_ += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          unquoted_ += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      const std::size_t stop = std::min(line.find(separator, i), line.size());
      unquoted_ += Trim(line.substr(i, stop - i), separator);
      fields_.push_back(std::string_view(unquoted_).substr(start));
      i = stop;
    } else {
      const std::size_t stop = std::min(line.find(separator, i), line.size());
      fields_.push_back(Trim(line.substr(i, stop - i), separator));
      i = stop;
    }
    if (i >= line.size()) break;
    ++i;  // past the separator
  }
  return fields_;
}

CsvSummary ReadCsvBlocks(ByteSource& source, const CsvReadOptions& options,
                         const std::function<void(const CsvBlock&)>& onBlock) {
  RowReader reader(options, onBlock);
  LineSplitter lines(source);
  std::string_view line;
  bool tooLong = false;
  for (long long number = 1;; ++number) {
    lines.Consume(reader.FastRows(lines.CompleteLines(), number));
    if (!lines.Next(line, tooLong)) break;
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // UTF-8 byte order mark
    if (tooLong) {
      reader.Bad(number, "line is longer than " + std::to_string(kMaxCsvLineLength) + " characters");
      continue;
    }
    reader.Line(number, line);
  }
  return reader.Finish();
}

CsvTable ReadCsv(std::istream& in, const CsvReadOptions& options) {
  CsvTable table;
  StreamSource source(in);
  const CsvSummary summary = ReadCsvBlocks(source, options, [&table](const CsvBlock& block) {
    table.values.resize(block.values.size());
    for (std::size_t k = 0; k < block.values.size(); ++k) {
      table.values[k].insert(table.values[k].end(), block.values[k].begin(), block.values[k].end());
    }
  });
  static_cast<CsvSummary&>(table) = summary;
  return table;
}

}  // namespace pelk::cli
