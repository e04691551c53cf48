// The command line of pelkgraph: commands, options, refusals and file names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Options.h"
#include "common/OutputName.h"

using namespace pelk::cli;

TEST(CliOptions, ParsesPlotOptions) {
  const Command c =
      ParseCommandLine({"plot",   "--x",    "time",    "data.csv", "--y",         "a",         "--y=2",
                        "--y2",   "c",      "--logx",  "--logy",   "--divisions", "8",         "--title",
                        "A -- B", "--size", "640x480", "-o",       "out.BMP",     "--dpi=144", "--skip-bad"});
  ASSERT_EQ(c.kind, CommandKind::Plot);
  const PlotOptions& p = c.plot;
  EXPECT_EQ(p.input, "data.csv");
  EXPECT_EQ(p.xColumn, "time");
  EXPECT_EQ(p.yColumns, (std::vector<std::string>{"a", "2"}));
  EXPECT_EQ(p.y2Columns, (std::vector<std::string>{"c"}));
  EXPECT_TRUE(p.logX && p.logY && p.skipBad);
  EXPECT_EQ(p.divisions, 8);
  EXPECT_EQ(p.title, "A -- B");
  EXPECT_EQ(p.size, (PixelSize{640, 480}));
  EXPECT_EQ(p.output, "out.BMP");
  EXPECT_EQ(p.dpi, 144);

  const Command defaults = ParseCommandLine({"plot", "-"});
  EXPECT_EQ(defaults.plot.input, "-");
  EXPECT_EQ(defaults.plot.output, "plot.png");
  EXPECT_EQ(defaults.plot.divisions, 0);
  EXPECT_FALSE(defaults.plot.size.has_value());
  EXPECT_FALSE(defaults.plot.title.has_value());

  const Command demo = ParseCommandLine({"demo", "-o", "pics/x.png", "--dpi", "600"});
  ASSERT_EQ(demo.kind, CommandKind::Demo);
  EXPECT_EQ(demo.demo.output, "pics/x.png");
  EXPECT_EQ(demo.demo.dpi, 600);
  EXPECT_EQ(ParseCommandLine({"demo"}).demo.output, "pelkgraph-demo");

  for (const std::vector<std::string>& help : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"help"}, {"plot", "--help"}, {"demo", "-h"}, {"plot", "--logx", "-h"}}) {
    EXPECT_EQ(ParseCommandLine(help).kind, CommandKind::Help);
  }
  // Help comes too late after a refused option.
  EXPECT_THROW(ParseCommandLine({"plot", "--bogus", "-h"}), UsageError);
}

TEST(CliOptions, RefusalsNameTheOption) {
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"draw"}, "unknown command 'draw'"},
      {{"--verbose"}, "unknown option '--verbose'"},
      {{"plot"}, "plot needs a data file"},
      {{"plot", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
      {{"plot", "a.csv", "--colour", "red"}, "unknown option '--colour'"},
      {{"plot", "a.csv", "--x"}, "option '--x' needs a value"},
      {{"plot", "a.csv", "--y", "--logx"}, "option '--y' needs a value"},
      {{"plot", "a.csv", "--title="}, "option '--title' needs a value"},
      {{"plot", "a.csv", "--logx=yes"}, "option '--logx' takes no value"},
      {{"plot", "a.csv", "--divisions", "0"}, "option '--divisions'"},
      {{"plot", "a.csv", "--divisions", "5x"}, "option '--divisions'"},
      {{"plot", "a.csv", "--dpi", "-96"}, "option '--dpi'"},
      {{"plot", "a.csv", "--dpi", "99999999999"}, "option '--dpi'"},
      {{"plot", "a.csv", "--size", "100"}, "option '--size'"},
      {{"plot", "a.csv", "--size", "20000x10"}, "option '--size'"},
      {{"plot", "a.csv", "--size", "8000x8000"}, "option '--size'"},
      {{"plot", "a.csv", "-o", "graph.gif"}, "option '-o'"},
      {{"plot", "a.csv", "-o", ".png"}, "option '-o'"},
      {{"plot", "a.csv", "--title", std::string(kMaxTitleLength + 1, 't')}, "option '--title'"},
      {{"demo", "extra"}, "unexpected argument 'extra'"},
      {{"demo", "--logx"}, "unknown option '--logx'"},
      {{"demo", "-o"}, "option '-o' needs a value"},
      {{"plot", "d.csv", "--color", "reddish"}, "option '--color' needs a colour name"},
      {{"plot", "d.csv", "--color", "#12345"}, "option '--color'"},
      {{"plot", "d.csv", "--color", "#12345g"}, "option '--color'"},
      {{"plot", "d.csv", "--width", "0"}, "option '--width' needs a whole number from 1 to 50"},
      {{"print", "d.csv", "-o", "g.pdf", "--line-width", "51"}, "option '--line-width' needs a whole number from 1 to 50"},
      {{"plot", "d.csv", "--style", "wavy"}, "option '--style' needs one of solid, dash, dot, dashdot, not 'wavy'"},
      {{"plot", "d.csv", "--legend", "middle"}, "option '--legend' needs one of auto, none, tl, tr, bl, br"},
      {{"plot", "d.csv", "--xrange", "3:3"}, "option '--xrange' needs two different finite numbers"},
      {{"plot", "d.csv", "--yrange", "1:inf"}, "option '--yrange'"},
      {{"plot", "d.csv", "--y2range", "1"}, "option '--y2range'"},
      {{"plot", "d.csv", "--yrange", "a:b"}, "option '--yrange'"},
      {{"plot", "d.csv", "--points=yes"}, "option '--points' takes no value"},
      {{"plot", "d.csv", "--subtitle", std::string(kMaxTitleLength + 1, 's')}, "option '--subtitle' takes at most"},
      {{"plot", "d.csv", "-o", "g.pdfx"}, "option '-o' needs a file name ending in .bmp, .png, .pdf, .ps or .svg"},
      {{"print", "d.csv"}, "print needs -o FILE.pdf"},
      {{"print", "d.csv", "-o", "g.png"}, "option '-o' needs a file name ending in .pdf, .ps or .svg"},
      {{"print", "-o", "g.pdf"}, "print needs a data file"},
      {{"print", "d.csv", "-o", "g.pdf", "--dpi", "71"}, "option '--dpi' needs a whole number from 72 to 1200"},
      {{"print", "d.csv", "-o", "g.pdf", "--paper", "legal"}, "option '--paper' needs one of letter, a4"},
      {{"print", "d.csv", "-o", "g.pdf", "--left", "-1"}, "option '--left' needs inches from 0 to 100"},
      {{"print", "d.csv", "-o", "g.pdf", "--width", "1e9"}, "option '--width' needs inches"},
      {{"print", "d.csv", "-o", "g.pdf", "--mono=1"}, "option '--mono' takes no value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      ParseCommandLine(c.arguments);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(CliOptions, NumbersAndSizes) {
  struct SizeCase {
    const char* text;
    std::optional<PixelSize> size;
  };
  const SizeCase sizes[] = {{"640x480", PixelSize{640, 480}},
                            {"1X1", PixelSize{1, 1}},
                            {"4096x4096", PixelSize{4096, 4096}},
                            {"16384x1024", PixelSize{16384, 1024}},
                            {"4097x4096", std::nullopt},
                            {"16385x1", std::nullopt},
                            {"0x5", std::nullopt},
                            {"x5", std::nullopt},
                            {"5x", std::nullopt},
                            {"5x5x5", std::nullopt},
                            {" 5x5", std::nullopt},
                            {"+5x5", std::nullopt}};
  for (const SizeCase& c : sizes) EXPECT_EQ(ParsePixelSize(c.text), c.size) << c.text;
  EXPECT_EQ(ParseBoundedInt("7", 1, 7), 7);
  EXPECT_EQ(ParseBoundedInt("8", 1, 7), std::nullopt);
  EXPECT_EQ(ParseBoundedInt("", 0, 7), std::nullopt);
  EXPECT_EQ(ParseBoundedInt("2147483648", 0, 2147483647), std::nullopt);
}

TEST(CliOutputNames, FormatsAndDemoNames) {
  struct Case {
    const char* path;
    std::optional<ImageFormat> format;
    const char* base;
  };
  const Case cases[] = {{"a.png", ImageFormat::Png, "a"},
                        {"dir/A.PnG", ImageFormat::Png, "dir/A"},
                        {"b.bmp", ImageFormat::Bmp, "b"},
                        {"c.png.bmp", ImageFormat::Bmp, "c.png"},
                        {"d.jpeg", std::nullopt, "d.jpeg"},
                        {"png", std::nullopt, "png"},
                        {".png", std::nullopt, ".png"},
                        {"dir/.bmp", std::nullopt, "dir/.bmp"},
                        {"", std::nullopt, ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(ImageFormatOf(c.path), c.format) << c.path;
    EXPECT_EQ(WithoutImageExtension(c.path), c.base) << c.path;
  }
  EXPECT_EQ(NumberedFileName("out", 2, ImageFormat::Png), "out-2.png");
  EXPECT_EQ(NumberedFileName("dir/x", 10, ImageFormat::Bmp), "dir/x-10.bmp");
}
