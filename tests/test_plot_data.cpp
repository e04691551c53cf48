// Data read for a plot in two passes (ranges first, then the rows again for
// drawing) against the rows kept in memory: the same ranges, rows and
// pictures; files that change or cannot be opened; series drawn in blocks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GraphFixture.h"
#include "TempDirTest.h"
#include "common/DataTable.h"
#include "common/Series.h"
#include "pelkgraph/Commands.h"

using namespace pelk;
using namespace pelk::cli;

namespace {

using DataPasses = TempDirTest;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Three series over more rows than one block holds, with gaps, a point
// alone between gaps and a bad row.
std::string SeriesText(int rows) {
  std::string text = "x,a,b,c\n";
  for (int i = 0; i < rows; ++i) {
    const std::string b = i % 5000 < 3 || i % 5000 == 4 ? "nan" : std::to_string(std::sin(i * 0.01) + 4);
    text += std::to_string(i) + "," + std::to_string(i % 97 * 0.01) + "," + b + "," + std::to_string(-i * 1e-4) + "\n";
    if (i == 777) text += "1,2\n";
  }
  return text;
}

std::string DatesText() {
  std::string text = "day,label,value\n";
  for (int day = 1; day <= 28; ++day) {
    text += "2024-02-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ",note " + std::to_string(day) + "," +
            std::to_string(day * day % 11) + "\n";
  }
  return text;
}

}  // namespace

TEST_F(DataPasses, TwoPassesDrawWhatOnePassDraws) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> y, y2;
    bool logY;
  };
  const Case cases[] = {
      {"three series across blocks", SeriesText(20'000), {}, {}, false},
      {"second axis, logarithmic", SeriesText(9'000), {}, {"a"}, true},
      {"dates beside text", DatesText(), {"Value"}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(PathOf("data.csv"), c.text);
    PlotOptions options;
    options.title = "same title";
    options.skipBad = true;
    options.yColumns = c.y;
    options.y2Columns = c.y2;
    options.logY = c.logY;
    std::ostringstream out, err;
    std::istringstream noInput;
    options.input = PathOf("data.csv");
    options.output = PathOf("two-pass.png");
    RunPlot(options, {noInput, out, err});
    std::istringstream standardInput(c.text);
    options.input = "-";
    options.output = PathOf("one-pass.png");
    RunPlot(options, {standardInput, out, err});
    const std::string twoPass = ReadBytes(PathOf("two-pass.png"));
    EXPECT_GT(twoPass.size(), 1000u);
    EXPECT_TRUE(twoPass == ReadBytes(PathOf("one-pass.png")));
  }
}

TEST_F(DataPasses, FirstPassFindsWhatTheKeptRowsHold) {
  WriteBytes(PathOf("data.csv"), SeriesText(30'000));
  PlotOptions options;
  options.input = PathOf("data.csv");
  options.skipBad = true;
  std::istringstream none;
  const DataTable kept = ReadDataTable(options, none, nullptr);
  const DataTable scanned = ScanDataTable(options, none, nullptr);
  EXPECT_TRUE(scanned.csv.values.empty());
  EXPECT_EQ(scanned.csv.rows, kept.csv.rows);
  EXPECT_EQ(scanned.csv.badRows, 1);
  ASSERT_EQ(scanned.csv.columns, kept.csv.columns);
  std::vector<std::vector<float>> again(scanned.csv.columns.size());
  ForEachRowBlock(scanned, [&](const CsvBlock& block) {
    EXPECT_LE(block.rows, CsvBlockRows(again.size()));
    for (std::size_t k = 0; k < again.size(); ++k) again[k].insert(again[k].end(), block.values[k].begin(), block.values[k].end());
  });
  for (std::size_t k = 0; k < again.size(); ++k) {
    const std::size_t column = scanned.csv.columns[k];
    SCOPED_TRACE(column);
    for (bool log : {false, true}) EXPECT_EQ(scanned.Ranges(column).For(log), PlottableRange(kept.Column(column), log));
    // NaN differs from itself: compare the bits.
    ASSERT_EQ(again[k].size(), kept.csv.values[k].size());
    EXPECT_EQ(std::memcmp(again[k].data(), kept.csv.values[k].data(), again[k].size() * sizeof(float)), 0);
  }
}

TEST_F(DataPasses, AFileThatChangesBetweenThePassesIsReported) {
  const std::string changes[] = {"x,y\n1,2\n", "x,y,z\n1,2,3\n2,3,4\n3,4,5\n", "x,y\n1,2\n2,3\n3,oops\n"};
  for (const std::string& changed : changes) {
    SCOPED_TRACE(changed);
    WriteBytes(PathOf("data.csv"), "x,y\n1,2\n2,3\n3,4\n");
    PlotOptions options;
    options.input = PathOf("data.csv");
    std::istringstream none;
    const DataTable table = ScanDataTable(options, none, nullptr);
    WriteBytes(PathOf("data.csv"), changed);
    try {
      ForEachRowBlock(table, [](const CsvBlock&) {});
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind(PathOf("data.csv") + ":", 0), 0u) << e.what();
    }
  }
}

TEST_F(DataPasses, APipeIsReadOnceAndKept) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string text = "x,y\n1,5\n2,6\n";
  ASSERT_EQ(::write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(ends[1]);
  PlotOptions options;
  options.input = "/dev/fd/" + std::to_string(ends[0]);
  std::istringstream none;
  const DataTable table = ScanDataTable(options, none, nullptr);
  ::close(ends[0]);
  std::vector<float> y;
  ForEachRowBlock(table, [&](const CsvBlock& block) { y.assign(block.values[1].begin(), block.values[1].end()); });
  EXPECT_EQ(y, (std::vector<float>{5, 6}));
}

TEST_F(DataPasses, MessagesNameTheFile) {
  std::filesystem::create_directory(PathOf("folder"));
  WriteBytes(PathOf("bad\x1b[31m.csv"), "x,y\n1,2\n3,\x1b]0;x\x07\n");
  WriteBytes(PathOf("dates.csv"), "t,v\n2024-03-01,1\n");
  struct Case {
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {"", "the data file name is empty"},
      {PathOf("missing.csv"), PathOf("missing.csv") + ": cannot open: No such file or directory"},
      {PathOf("folder"), PathOf("folder") + ": is a directory"},
      {PathOf("bad\x1b[31m.csv"), PathOf("bad\\x1B[31m.csv") + ":3: field 2 is not a number: \"\\x1B]0;x\\x07\""},
  };
  for (const Case& c : cases) {
    PlotOptions options;
    options.input = c.input;
    std::istringstream none;
    try {
      ScanDataTable(options, none, nullptr);
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  PlotOptions options;
  options.input = PathOf("dates.csv");
  std::istringstream none;
  EXPECT_EQ(XAxisTitle(ScanDataTable(options, none, nullptr)), "t (days since 2024-03-01)");
}

