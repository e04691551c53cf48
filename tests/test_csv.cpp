// The table reader of the command-line tool: layouts, malformed rows, skipping.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "common/CsvReader.h"

using namespace pelk::cli;

namespace {

CsvTable Read(const std::string& text, CsvReadOptions options = {}) {
  std::istringstream in(text);
  return ReadCsv(in, options);
}

constexpr float kInf = std::numeric_limits<float>::infinity();

}  // namespace

TEST(CsvReader, ReadsEachLayout) {
  struct Case {
    const char* what;
    std::string text;
    char separator;
    std::vector<std::string> names;
    std::vector<std::vector<float>> columns;
  };
  const Case cases[] = {
      {"comma, header", "x,y\n1,2\n3,4\n", ',', {"x", "y"}, {{1, 3}, {2, 4}}},
      {"semicolon, no header", "1;2;3\n4;5;6\n", ';', {}, {{1, 4}, {2, 5}, {3, 6}}},
      {"tab, header with spaces",
       "time s\tvolts\n0\t-1.5\n1\t2e3\n",
       '\t',
       {"time s", "volts"},
       {{0, 1}, {-1.5f, 2000}}},
      {"comments, blanks, CRLF",
       "# made by hand\r\n\r\nx,y\r\n  # note\r\n1,2\r\n\r\n3,4\r\n",
       ',',
       {"x", "y"},
       {{1, 3}, {2, 4}}},
      {"quoted names hold the separator", "\"a,b\",\"say \"\"hi\"\"\"\n1,2\n", ',', {"a,b", "say \"hi\""}, {{1}, {2}}},
      {"byte order mark, no final newline", "\xEF\xBB\xBFx;y\n1;2", ';', {"x", "y"}, {{1}, {2}}},
      {"spaces, signs, exponents", " +1 , -2.5E-1 \n .5,  7.\n", ',', {}, {{1, 0.5f}, {-0.25f, 7}}},
      {"out of float range", "1e300,-1e300\n1e-400,5\n", ',', {}, {{kInf, 0}, {-kInf, 5}}},
      {"single column", "v\n1\n2\n", ',', {"v"}, {{1, 2}}},
      {"header split by its data's separator", "a;b,c\n1;2\n", ';', {"a", "b,c"}, {{1}, {2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CsvTable table = Read(c.text);
    EXPECT_EQ(table.layout.separator, c.separator);
    EXPECT_EQ(table.layout.names, c.names);
    EXPECT_EQ(table.values, c.columns);
    EXPECT_EQ(table.rows, static_cast<long long>(c.columns.front().size()));
    EXPECT_EQ(table.badRows, 0);
  }
}

TEST(CsvReader, KeepsNonFiniteValues) {
  const CsvTable table = Read("x,y\n1,nan\n2,inf\n3,-Infinity\n");
  ASSERT_EQ(table.values.size(), 2u);
  EXPECT_TRUE(std::isnan(table.values[1][0]));
  EXPECT_EQ(table.values[1][1], kInf);
  EXPECT_EQ(table.values[1][2], -kInf);
}

TEST(CsvReader, MalformedRowStopsWithLineAndReason) {
  struct Case {
    std::string text;
    long long line;
    std::string message;
  };
  const Case cases[] = {
      {"x,y\n1,2\n3\n", 3, "expected 2 fields, found 1"},
      {"# c\n\nx,y\n1,2\n\n# c\n3,4,5\n", 7, "expected 2 fields, found 3"},
      {"1,2\n3,abc\n", 2, "field 2 is not a number: \"abc\""},
      {"1,2\n,4\n", 2, "field 1 is empty"},
      {"1,2\n3,4.5.6\n", 2, "field 2 is not a number"},
      {"x,y\nunits,volts\n1,2\n", 2, "field 1 is not a number: \"units\""},
      {"x,y,z\n1,2\n", 2, "expected 3 fields, found 2 (the header on line 1 names 3)"},
      {"x,y\r\n1,2\r\n3;4\r\n", 3, "expected 2 fields, found 1"},
      {"1,2\n1,0x10\n", 2, "field 2 is not a number"},
      {"1,2\n1,++2\n", 2, "field 2 is not a number"},
      {"1,2\n" + std::string(kMaxCsvLineLength + 10, '1') + "\n3,4\n", 2, "line is longer than"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    try {
      Read(c.text);
      ADD_FAILURE() << "no error";
    } catch (const CsvError& e) {
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(CsvReader, SkipBadCountsTheRowsLeftOut) {
  struct Case {
    std::string text;
    long long rows;
    long long bad;
    std::vector<float> y;
  };
  const Case cases[] = {
      {"x,y\n1,2\n3\n4,five\n6,7\n", 2, 2, {2, 7}},
      {"x,y\nunits,volts\n1,2\n", 1, 1, {2}},
      {"x,y,z\n1,2\n3,4\n", 0, 2, {}},
      {"1,2\n" + std::string(kMaxCsvLineLength * 2, '9') + "\n3,4\n", 2, 1, {2, 4}},
      {"1,2\n3,4\n", 2, 0, {2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    CsvReadOptions options;
    options.skipBad = true;
    const CsvTable table = Read(c.text, options);
    EXPECT_EQ(table.rows, c.rows);
    EXPECT_EQ(table.badRows, c.bad);
    if (c.rows > 0) {
      EXPECT_EQ(table.values.at(1), c.y);
    }
  }
}

TEST(CsvReader, StoresOnlyTheChosenColumnsAndReportsProgress) {
  std::string text = "a,b,c\n";
  for (int i = 1; i <= 7; ++i)
    text += std::to_string(i) + "," + std::to_string(10 * i) + "," + std::to_string(-i) + "\n";
  std::vector<long long> progress;
  CsvLayout seen;
  CsvReadOptions options;
  options.selectColumns = [&](const CsvLayout& layout) {
    seen = layout;
    return std::vector<std::size_t>{0, 2};
  };
  options.onProgress = [&](long long rows) { progress.push_back(rows); };
  options.progressInterval = 3;
  const CsvTable table = Read(text, options);
  EXPECT_EQ(seen.fieldCount, 3u);
  EXPECT_EQ(seen.names, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(table.columns, (std::vector<std::size_t>{0, 2}));
  ASSERT_EQ(table.values.size(), 2u);
  EXPECT_EQ(table.values[1], (std::vector<float>{-1, -2, -3, -4, -5, -6, -7}));
  EXPECT_EQ(progress, (std::vector<long long>{3, 6}));
}

TEST(CsvReader, InputsWithoutDataGiveAnEmptyTable) {
  for (const char* text : {"", "\n\n", "# only a comment\n", "x,y\n", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(text);
    const CsvTable table = Read(text);
    EXPECT_EQ(table.rows, 0);
    EXPECT_TRUE(table.values.empty());
  }
}

TEST(CsvFields, SeparatorSplittingAndNumbers) {
  EXPECT_EQ(DetectSeparator("1,2;3"), ';');
  EXPECT_EQ(DetectSeparator("1;2\t3"), '\t');
  EXPECT_EQ(DetectSeparator("\"a;b\",c"), ',');
  EXPECT_EQ(DetectSeparator("42"), ',');

  struct Split {
    std::string line;
    char separator;
    std::vector<std::string> fields;
  };
  const Split splits[] = {
      {"", ',', {""}},
      {"a,,b,", ',', {"a", "", "b", ""}},
      {" a \t, b", ',', {"a", "b"}},
      {" a \t b", '\t', {"a", "b"}},
      {"\"x\" tail,y", ',', {"xtail", "y"}},
      {"\"open,end", ',', {"open,end"}},
  };
  FieldSplitter splitter;
  for (const Split& s : splits) {
    const std::vector<std::string_view>& fields = splitter.Split(s.line, s.separator);
    EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), s.fields) << s.line;
  }

  struct Number {
    const char* text;
    std::optional<double> value;
  };
  const Number numbers[] = {{"0", 0.0},           {"-0.5", -0.5},       {"+3", 3.0},           {" 1e3 ", 1000.0},
                            {"", std::nullopt},   {"+", std::nullopt},  {"1,5", std::nullopt}, {"abc", std::nullopt},
                            {"1e", std::nullopt}, {"- 1", std::nullopt}};
  for (const Number& n : numbers) EXPECT_EQ(ParseNumber(n.text), n.value) << n.text;
  EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ToFloat(1e39), kInf);
  EXPECT_EQ(ToFloat(-1e39), -kInf);
  EXPECT_EQ(ToFloat(0.25), 0.25f);
}

TEST(CsvReader, TimeColumnOfDatesCountsFromItsFirstValue) {
  struct Case {
    std::string text;
    std::optional<CsvTimeOrigin> origin;
    std::vector<float> x;
  };
  const Case cases[] = {
      {"day,v\n2024-03-01,1\n2024-03-02,2\n2024-02-28,3\n", CsvTimeOrigin{"2024-03-01", false}, {0, 1, -2}},
      {"2024-03-01T12:00,1\n2024-03-01T12:01:30.5Z,2\n2024-03-02,3\n",
       CsvTimeOrigin{"2024-03-01T12:00", true},
       {0, 90.5f, 43'200}},
      {"t,v\n\"2024-01-01\",1\n2024-01-01T06:00,2\n", CsvTimeOrigin{"2024-01-01", false}, {0, 0.25f}},
      {"t,v\n5,1\n7,2\n", std::nullopt, {5, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CsvReadOptions options;
    options.selectColumns = [](const CsvLayout&) { return CsvColumns({0, 1}, 0); };
    const CsvTable table = Read(c.text, options);
    EXPECT_EQ(table.timeOrigin, c.origin);
    EXPECT_EQ(table.values.at(0), c.x);
  }
  // Once the column holds dates (or numbers) it holds only those; columns
  // that may not hold dates refuse them.
  const struct {
    std::string text;
    CsvColumns columns;
    std::string message;
  } refusals[] = {
      {"2024-03-01,1\n7,2\n", CsvColumns({0, 1}, 0), "line 2: field 1 is not a date: \"7\""},
      {"7,1\n2024-03-01,2\n", CsvColumns({0, 1}, 0), "line 2: field 1 is not a number: \"2024-03-01\""},
      {"t,v\nnoon,1\n", CsvColumns({0, 1}, 0), "line 2: field 1 is not a number or a date: \"noon\""},
      {"1,2024-03-01\n", CsvColumns({0, 1}, 0), "line 1: field 2 is not a number: \"2024-03-01\""},
  };
  for (const auto& r : refusals) {
    CsvReadOptions options;
    options.selectColumns = [&](const CsvLayout&) { return r.columns; };
    try {
      Read(r.text, options);
      ADD_FAILURE() << "no error for " << r.text;
    } catch (const CsvError& e) {
      EXPECT_EQ("line " + std::to_string(e.Line()) + ": " + e.what(), r.message);
    }
  }
}

TEST(CsvReader, ColumnsNotReadMayHoldAnything) {
  const std::string text =
      "when,label,a,b\n"
      "2024-03-01,\"x, y\",1,2\n"
      "2024-03-02,# not a comment,3,4\n"
      "yesterday,,5,6\n"
      "\x1b[2J,\"\"\"quoted\"\"\",7,8\n";
  CsvReadOptions options;
  options.selectColumns = [](const CsvLayout& layout) {
    EXPECT_EQ(layout.names, (std::vector<std::string>{"when", "label", "a", "b"}));
    return std::vector<std::size_t>{2, 3};
  };
  const CsvTable table = Read(text, options);
  EXPECT_EQ(table.values, (std::vector<std::vector<float>>{{1, 3, 5, 7}, {2, 4, 6, 8}}));
  EXPECT_EQ(table.badRows, 0);
}

TEST(CsvReader, EveryWayOfWritingARowReadsTheSame) {
  // Rows the fast way takes and rows only the general way reads, mixed, so
  // that each gives the other's values.
  const std::string rows[] = {
      "1.5,-2", " 1.5 , -2 ", "\"1.5\",\"-2\"", "15e-1,-2.0", "+1.5,-2.", "1.50000000000000000000,-2", "1.5,-2\r",
  };
  std::string text = "x,y\n";
  for (const std::string& row : rows) text += row + "\n";
  const CsvTable table = Read(text);
  EXPECT_EQ(table.values.at(0), std::vector<float>(std::size(rows), 1.5f));
  EXPECT_EQ(table.values.at(1), std::vector<float>(std::size(rows), -2.0f));

  // Many rows: lines straddle the reader's blocks; every value arrives in
  // order and the line numbers stay right.
  std::string many;
  const int count = 300'000;
  for (int i = 0; i < count; ++i) many += std::to_string(i) + (i % 1000 == 0 ? " ," : ",") + std::to_string(i % 7) + ".5\n";
  many += "oops,1\n";
  CsvReadOptions skip;
  skip.skipBad = true;
  const CsvTable big = Read(many, skip);
  ASSERT_EQ(big.rows, count);
  EXPECT_EQ(big.badRows, 1);
  for (int i = 0; i < count; ++i) {
    if (big.values[0][i] != static_cast<float>(i) || big.values[1][i] != static_cast<float>(i % 7) + 0.5f) {
      FAIL() << "row " << i << " reads " << big.values[0][i] << ", " << big.values[1][i];
    }
  }
  try {
    Read(many);
    ADD_FAILURE() << "no error";
  } catch (const CsvError& e) {
    EXPECT_EQ(e.Line(), count + 1);
  }
}

TEST(CsvReader, MessagesShowHostileBytesEscaped) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"1,2\n3,\x1b]0;owned\x07\n", "field 2 is not a number: \"\\x1B]0;owned\\x07\""},
      {"1,2\n3,\xff\xfe\n", "field 2 is not a number: \"\\xFF\\xFE\""},
      {"1,2\n3,caf\xc3\xa9\n", "field 2 is not a number: \"caf\xc3\xa9\""},
      {"1,2\n3," + std::string(40, 'z') + "\n", "field 2 is not a number: \"" + std::string(32, 'z') + "...\""},
  };
  for (const auto& c : cases) {
    try {
      Read(c.text);
      ADD_FAILURE() << "no error";
    } catch (const CsvError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

TEST(CsvReader, AWideTableIsReadInSmallerBlocks) {
  // 400,000 columns: a block of 8192 rows would need 13 GB.
  std::string line;
  for (int i = 0; i < 400'000; ++i) line += i == 0 ? "7" : ",7";
  const std::string text = line + "\n" + line + "\n" + line + "\n";
  std::istringstream in(text);
  StreamSource source(in);
  std::size_t blocks = 0;
  const CsvSummary summary = ReadCsvBlocks(source, {}, [&](const CsvBlock& block) {
    ++blocks;
    EXPECT_EQ(block.values.size(), 400'000u);
    EXPECT_EQ(block.values.back().front(), 7.0f);
  });
  EXPECT_EQ(summary.rows, 3);
  EXPECT_EQ(blocks, 2u);  // at most 2^20 values a block: two rows, then one
}

TEST(CsvReader, BlankLinesAreNoRowsWhatEverIsRead) {
  // One column that is not read: blank lines still hold no row.
  for (const char* text : {"a\nx\n\nz\n", "a\r\nx\r\n\r\nz\r\n"}) {
    CsvReadOptions options;
    options.selectColumns = [](const CsvLayout&) { return std::vector<std::size_t>{}; };
    EXPECT_EQ(Read(text, options).rows, 2) << text;
  }
}
