// The options that shape a plot: labels, ranges, logarithmic axes, the looks
// of each series, the legend and the printed page; colours by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Options.h"
#include "common/SeriesColors.h"

using namespace pelk;
using namespace pelk::cli;

TEST(CliPlotLooks, OptionsReachTheirSeriesAndAxes) {
  const Command c = ParseCommandLine(
      {"plot", "d.csv", "--name", "first", "--width", "2", "--color", "red", "--color", "#102030", "--y", "a",
       "--style", "dot", "--y2", "b", "--points", "--color", "navy", "--y", "c", "--name", "third", "--xlabel", "t",
       "--ylabel", "v", "--y2label", "w", "--subtitle", "s", "--id", "i", "--xrange", "0:10", "--yrange=-1:1",
       "--y2range", "5:-5", "--logy2", "--legend", "bl"});
  const PlotOptions& p = c.plot;
  // Before any --y the looks go to the series in turn, one per use of an option.
  ASSERT_EQ(p.yLooks.size(), 2u);
  EXPECT_EQ(p.yLooks[0].name, "first");
  EXPECT_EQ(p.yLooks[0].width, 2);
  EXPECT_EQ(p.yLooks[0].color, clRed);
  EXPECT_EQ(p.yLooks[1].color, TColor{0x302010});
  // After one, to the series it named, on its own axis.
  EXPECT_EQ(p.yLooks[0].style, LineStyle::Dot);
  ASSERT_EQ(p.y2Looks.size(), 1u);
  EXPECT_TRUE(p.y2Looks[0].points);
  EXPECT_EQ(p.y2Looks[0].color, clNavy);
  EXPECT_EQ(p.yLooks[1].name, "third");
  EXPECT_FALSE(p.yLooks[1].points);
  EXPECT_EQ(p.xLabel, "t");
  EXPECT_EQ(p.yLabel, "v");
  EXPECT_EQ(p.y2Label, "w");
  EXPECT_EQ(p.subtitle, "s");
  EXPECT_EQ(p.id, "i");
  EXPECT_EQ(p.xRange, (ValueRange{0.0f, 10.0f}));
  EXPECT_EQ(p.yRange, (ValueRange{-1.0f, 1.0f}));
  EXPECT_EQ(p.y2Range, (ValueRange{5.0f, -5.0f}));
  EXPECT_TRUE(p.logY2);
  EXPECT_FALSE(p.logY);
  EXPECT_EQ(p.legend, LegendPlace::BottomLeft);

  const Command print = ParseCommandLine({"print", "demo", "-o", "out.PDF", "--paper", "a4", "--dpi", "300", "--left",
                                          "0.5", "--top", "2", "--width", "6.5", "--mono"});
  ASSERT_EQ(print.kind, CommandKind::Print);
  EXPECT_TRUE(print.printDemo);
  EXPECT_EQ(print.plot.print.paper, PaperKind::A4);
  EXPECT_EQ(print.plot.print.dpi, 300);
  EXPECT_FLOAT_EQ(print.plot.print.left, 0.5f);
  EXPECT_FLOAT_EQ(print.plot.print.top, 2.0f);
  EXPECT_FLOAT_EQ(print.plot.print.width, 6.5f);
  EXPECT_TRUE(print.plot.print.monochrome);
  EXPECT_EQ(print.plot.dpi, 0);  // the screen keeps its resolution
  // There a series' width is --line-width.
  EXPECT_EQ(ParseCommandLine({"print", "d.csv", "-o", "g.pdf", "--line-width", "3"}).plot.yLooks.at(0).width, 3);
  // A document on plot and demo takes the printer path too.
  EXPECT_EQ(ParseCommandLine({"plot", "d.csv", "-o", "g.svg"}).plot.output, "g.svg");
  EXPECT_EQ(ParseCommandLine({"demo", "-o", "g.ps", "--paper", "a4"}).demo.print.paper, PaperKind::A4);
}

TEST(CliPlotLooks, ColoursByNameAndValue) {
  struct Case {
    const char* text;
    std::optional<TColor> color;
  };
  const Case cases[] = {{"red", clRed},       {"NAVY", clNavy},       {"Teal", clTeal},  {"#FF0000", clRed},
                        {"#0000ff", clBlue},  {"#123456", 0x563412},  {"", std::nullopt}, {"#", std::nullopt},
                        {"123456", std::nullopt}, {"#1234567", std::nullopt}, {"#12 456", std::nullopt},
                        {"redd", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseColor(c.text), c.color) << c.text;
  // Every name listed is known.
  std::string names(ColorNames());
  for (std::size_t start = 0; start < names.size();) {
    const std::size_t end = std::min(names.find(", ", start), names.size());
    EXPECT_TRUE(ParseColor(names.substr(start, end - start)).has_value()) << names.substr(start, end - start);
    start = end + 2;
  }
}
