// What a plot draws: the columns chosen, and the ranges its axes are fitted to.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/AxisRange.h"
#include "common/ColumnChoice.h"

using namespace pelk::cli;

TEST(CliColumns, ChoosesXAndSeries) {
  const CsvLayout named{',', {"t", "a", "b", "3"}, 4};
  const CsvLayout unnamed{',', {}, 3};
  using Columns = std::vector<std::size_t>;
  struct Case {
    const CsvLayout* layout;
    std::string x;
    std::vector<std::string> y, y2;
    std::size_t expectedX;
    Columns expectedY, expectedY2, used;
  };
  const Case cases[] = {
      {&named, "", {}, {}, 0, {1, 2, 3}, {}, {0, 1, 2, 3}},
      {&named, "b", {}, {}, 2, {0, 1, 3}, {}, {0, 1, 2, 3}},
      {&named, "t", {"b"}, {}, 0, {2}, {}, {0, 2}},
      {&named, "", {}, {"a"}, 0, {2, 3}, {1}, {0, 1, 2, 3}},
      {&named, "", {"2"}, {"2"}, 0, {1}, {1}, {0, 1}},
      {&named, "", {"3"}, {}, 0, {3}, {}, {0, 3}},  // the name "3" before the number 3
      {&named, "4", {"1"}, {}, 3, {0}, {}, {0, 3}},
      {&named, "T", {"B"}, {"A"}, 0, {2}, {1}, {0, 1, 2}},  // names match ignoring case
      {&unnamed, "3", {}, {}, 2, {0, 1}, {}, {0, 1, 2}},
      {&unnamed, "", {}, {"2", "3"}, 0, {}, {1, 2}, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const ColumnChoice choice = ChooseColumns(*c.layout, c.x, c.y, c.y2);
    EXPECT_EQ(choice.x, c.expectedX);
    EXPECT_EQ(choice.y, c.expectedY);
    EXPECT_EQ(choice.y2, c.expectedY2);
    EXPECT_EQ(ColumnsUsed(choice), c.used);
  }
  for (const char* missing : {"tt", "0", "5", "-1", "1.0", ""}) {
    EXPECT_THROW(ChooseColumns(named, "t", {missing}, {}), ColumnError) << missing;
  }
  EXPECT_THROW(ChooseColumns(CsvLayout{',', {}, 1}, "", {}, {}), ColumnError);
  EXPECT_EQ(ColumnTitle(named, 1), "a");
  EXPECT_EQ(ColumnTitle(unnamed, 1), "column 2");
  EXPECT_EQ(ColumnTitle(CsvLayout{',', {"x", ""}, 2}, 1), "column 2");

  EXPECT_EQ(AxisLabelOf(named, {1, 2}), "a, b");
  EXPECT_EQ(AxisLabelOf(unnamed, {0, 1, 2}, 12), "column 1,...");
  // "é" is two bytes: the cut backs up to before it rather than split it.
  const CsvLayout accented{',', {"abcdéfghij"}, 1};
  EXPECT_EQ(AxisLabelOf(accented, {0}, 8), "abcd...");
  EXPECT_EQ(AxisLabelOf(accented, {0}, 9), "abcdé...");
  EXPECT_EQ(AxisLabelOf(accented, {0}, 2), "...");
}

TEST(CliAxisRange, PlottableRangesAndWidening) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    std::vector<float> values;
    bool log;
    std::optional<ValueRange> range;
  };
  const Case cases[] = {
      {{3, -1, 2}, false, ValueRange{-1, 3}},
      {{3, -1, 2}, true, ValueRange{2, 3}},
      {{nan, 5, inf, -inf, 4}, false, ValueRange{4, 5}},
      {{0, -2, nan}, true, std::nullopt},
      {{}, false, std::nullopt},
      {{7}, false, ValueRange{7, 7}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlottableRange(c.values, c.log), c.range);

  EXPECT_EQ(CombinedRange(ValueRange{1, 2}, ValueRange{-3, 0}), (ValueRange{-3, 2}));
  EXPECT_EQ(CombinedRange(std::nullopt, ValueRange{1, 2}), (ValueRange{1, 2}));
  EXPECT_EQ(CombinedRange(std::nullopt, std::nullopt), std::nullopt);

  EXPECT_EQ(Widened({1, 2}, false), (ValueRange{1, 2}));
  EXPECT_EQ(Widened({0, 0}, false), (ValueRange{-1, 1}));
  EXPECT_EQ(Widened({-4, -4}, false), (ValueRange{-6, -2}));
  EXPECT_EQ(Widened({5, 5}, true), (ValueRange{0.5f, 50}));
}

TEST(CliAxisRange, CoverageOfFittedAxes) {
  struct Case {
    AxisSpan axis;
    ValueRange range;
    bool covered;
  };
  const Case cases[] = {
      {{false, 0, 2, 0, 5}, {0, 10}, true},      {{false, 0, 2, 0, 5}, {0, 10.01f}, false},
      {{false, 0, 2, 0, 5}, {-0.01f, 5}, false}, {{false, 10, -2, 0, 5}, {0, 10}, true},  // a scale running downwards
      {{false, 0, 2, 0, 5}, {0, 10.001f}, true},  // within a thousandth of a division
      {{true, 0, 0, -1, 3}, {0.1f, 100}, true},  {{true, 0, 0, -1, 3}, {0.1f, 101}, false},
      {{true, 0, 0, 0, 3}, {0.5f, 100}, false},  {{false, std::nan(""), 1, 0, 3}, {0, 1}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AxisCovers(c.axis, c.range), c.covered) << c.range.lo << ".." << c.range.hi;
  }
}

TEST(CliColumns, AColumnNotThereListsTheColumnsThereAre) {
  std::vector<std::string> many;
  for (int i = 1; i <= 25; ++i) many.push_back(std::string(1, 'c').append(std::to_string(i)));
  struct Case {
    CsvLayout layout;
    std::string wanted;
    std::string message;
  };
  const Case cases[] = {
      {{',', {"time", "volts"}, 2}, "amps", "no column 'amps' (the columns are 'time', 'volts')"},
      {{',', {}, 3}, "amps", "no column 'amps' (the table has 3 unnamed columns; give a number from 1 to 3)"},
      {{',', {"a\x1b[2Jb", "\xff"}, 2}, "z\x07", "no column 'z\\x07' (the columns are 'a\\x1B[2Jb', '\\xFF')"},
      {{',', many, 25}, "c0", "no column 'c0' (the columns are 'c1', 'c2', 'c3', 'c4', 'c5', 'c6', 'c7', 'c8', "
                               "'c9', 'c10', 'c11', 'c12', 'c13', 'c14', 'c15', 'c16', 'c17', 'c18', 'c19', 'c20' "
                               "and 5 more)"},
  };
  for (const Case& c : cases) {
    try {
      ChooseColumns(c.layout, "", {c.wanted}, {});
      ADD_FAILURE() << "no error for " << c.wanted;
    } catch (const ColumnError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}
