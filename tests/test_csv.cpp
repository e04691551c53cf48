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
