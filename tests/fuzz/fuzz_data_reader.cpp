// libFuzzer target for the data reader. The first byte chooses the options
// (skipping bad rows, the columns read, a time column); the rest is the data.
// Checks that the reader never fails other than with a message for a line,
// that messages hold no control characters, and that a blank appended to
// each line (which the fields are trimmed of) changes nothing: that sends
// every row the general way instead of the fast one, so both must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>

#include "common/CsvReader.h"

namespace {

using namespace pelk::cli;

struct Outcome {
  bool failed = false;
  long long errorLine = 0;
  std::string message;
  CsvTable table;
};

CsvReadOptions OptionsFrom(std::uint8_t choice) {
  CsvReadOptions options;
  options.skipBad = (choice & 1) != 0;
  options.progressInterval = 1 + (choice >> 5);
  options.onProgress = [](long long rows) {
    if (rows <= 0) std::abort();
  };
  const bool everyOther = (choice & 2) != 0;
  const bool timeColumn = (choice & 4) != 0;
  options.selectColumns = [=](const CsvLayout& layout) {
    std::vector<std::size_t> columns;
    for (std::size_t i = 0; i < layout.fieldCount; i += everyOther ? 2 : 1) columns.push_back(i);
    return CsvColumns(columns, timeColumn ? std::optional<std::size_t>(0) : std::nullopt);
  };
  return options;
}

Outcome Read(const std::string& text, const CsvReadOptions& options) {
  Outcome outcome;
  std::istringstream in(text);
  try {
    outcome.table = ReadCsv(in, options);
  } catch (const CsvError& e) {
    outcome.failed = true;
    outcome.errorLine = e.Line();
    outcome.message = e.what();
    for (unsigned char c : outcome.message) {
      if (c < 0x20 || c == 0x7F) std::abort();  // a raw control character reached a message
    }
  }
  return outcome;
}

// Each line with a blank after it, where that cannot change its fields: not
// after a carriage return (the line end) nor on lines with quotes (an
// unclosed quoted field keeps its blanks), nor near the length limit.
std::string WithTrailingBlanks(std::string_view text) {
  std::string spaced;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    spaced += line;
    const bool safe = !line.empty() && line.back() != '\r' && line.find('"') == std::string_view::npos &&
                      line.size() + 1 < kMaxCsvLineLength && !(start == 0 && line.starts_with("\xEF\xBB\xBF"));
    if (safe) spaced += ' ';
    if (end == text.size()) break;
    spaced += '\n';
    start = end + 1;
  }
  return spaced;
}

bool SameBits(const std::vector<std::vector<float>>& a, const std::vector<std::vector<float>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].size() != b[k].size() || std::memcmp(a[k].data(), b[k].data(), a[k].size() * sizeof(float)) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const CsvReadOptions options = OptionsFrom(data[0]);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Outcome plain = Read(text, options);
  const Outcome spaced = Read(WithTrailingBlanks(text), options);
  if (plain.failed != spaced.failed || plain.errorLine != spaced.errorLine || plain.message != spaced.message) {
    std::abort();
  }
  if (plain.failed) return 0;
  const CsvTable& a = plain.table;
  const CsvTable& b = spaced.table;
  if (a.rows != b.rows || a.badRows != b.badRows || a.columns != b.columns || !(a.layout == b.layout) ||
      a.timeOrigin != b.timeOrigin || !SameBits(a.values, b.values)) {
    std::abort();
  }
  for (const std::vector<float>& column : a.values) {
    if (column.size() != static_cast<std::size_t>(a.rows)) std::abort();
  }
  return 0;
}
