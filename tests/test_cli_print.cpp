// pelkgraph printing and resolution: documents written through the printer
// path and read back, paper sizes, monochrome pages, failures naming the
// file, and pictures at twice the resolution twice the size.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DocumentReadBack.h"
#include "TempDirTest.h"
#include "common/DataFile.h"
#include "pelkgraph/Commands.h"
#include "pelkgraph/Plot.h"

using namespace pelk;
using namespace pelk::cli;

namespace {

const char kSensorCsv[] =
    "time,sensor,drift\n0,511,0\n50,1023,25\n100,420,100\n150,0,225\n200,700,400\n250,1000,625\n300,230,900\n";

class CliPrint : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    std::ofstream(PathOf("sensor.csv")) << kSensorCsv;
  }
  // Runs the command line as the program does; returns its standard error.
  std::string Run(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) {
      if (argument.ends_with(".csv") || argument.find('.') != std::string::npos) argument = PathOf(argument);
    }
    const Command command = ParseCommandLine(arguments);
    std::istringstream in;
    std::ostringstream out, err;
    const CommandStreams streams{in, out, err};
    if (command.kind == CommandKind::Demo || command.printDemo) {
      DemoOptions demo = command.demo;
      if (command.printDemo) {
        demo.output = command.plot.output;
        demo.print = command.plot.print;
      }
      RunDemo(demo, streams);
    } else {
      RunPlot(command.plot, streams);
    }
    return err.str();
  }
  std::string Tool(const std::string& tool, const std::string& file) {
    return RunCommand(tool + " '" + PathOf(file) + "'" + (tool == "pdftotext" ? " -" : "")).output;
  }
};

// Pixels of the page that are neither white nor grey.
long ColouredPixels(const Surface& page) {
  long count = 0;
  for (int y = 0; y < page.Height(); ++y) {
    for (int x = 0; x < page.Width(); ++x) {
      const std::uint32_t p = page.Get(x, y);
      count += !((p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == ((p >> 16) & 0xFF));
    }
  }
  return count;
}

}  // namespace

TEST_F(CliPrint, DocumentsCarryTheGraphAsText) {
  struct Case {
    std::vector<std::string> arguments;
    std::string file;
    std::vector<std::string> texts;  // pdftotext finds them
    std::string pageSize;            // in pdfinfo's words
  };
  const Case cases[] = {
      {{"print", "sensor.csv", "-o", "p.pdf", "--title", "Printed sensor"},
       "p.pdf",
       {"Printed sensor", "sensor", "drift", "1200", "300", "time"},
       "(letter)"},
      {{"print", "demo", "-o", "d.pdf", "--paper", "a4"},
       "d.pdf",
       {"The default axes", "Logarithmic X axis", "Numbers with a common power of ten"},
       "(A4)"},
      {{"plot", "sensor.csv", "-o", "q.pdf", "--legend", "none", "--id", "run 7", "--ylabel", "Level"},
       "q.pdf",
       {"run 7", "time", "Level"},
       "(letter)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(Run(c.arguments), "");
    const std::string info = Tool("pdfinfo", c.file);
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find(c.pageSize), std::string::npos) << info;
    const std::string text = Tool("pdftotext", c.file);
    for (const std::string& expected : c.texts) EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  // The series' names are printed in the legend, and not without one.
  EXPECT_EQ(Tool("pdftotext", "q.pdf").find("drift"), std::string::npos);

  // PostScript and SVG through the same path.
  Run({"plot", "sensor.csv", "-o", "p.ps"});
  EXPECT_EQ(ReadText(PathOf("p.ps")).rfind("%!PS", 0), 0u);
  Run({"demo", "-o", "d.svg"});
  const std::string svg = ReadText(PathOf("d.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(CliPrint, ColourAndMonochromePages) {
  Run({"print", "sensor.csv", "-o", "colour.pdf", "--dpi", "100"});
  Run({"print", "sensor.csv", "-o", "mono.pdf", "--dpi", "100", "--mono"});
  const Surface colour = RasterisePdfPage(PathOf("colour.pdf"), 100, 1, PathOf("colour"));
  const Surface mono = RasterisePdfPage(PathOf("mono.pdf"), 100, 1, PathOf("mono"));
  ASSERT_GT(colour.Width(), 0);
  ASSERT_EQ(mono.Width(), colour.Width());
  // The data and its legend lines print in colour, and in black on a monochrome page.
  EXPECT_GT(ColouredPixels(colour), 200);
  EXPECT_EQ(ColouredPixels(mono), 0);
  // The graph sits one inch from the top-left corner, as the settings say.
  const auto firstInkRow = [](const Surface& page) {
    for (int y = 0; y < page.Height(); ++y) {
      for (int x = 0; x < page.Width(); ++x) {
        if (IsInk(page.Get(x, y))) return y;
      }
    }
    return -1;
  };
  EXPECT_NEAR(firstInkRow(colour), 100, 2);
}

TEST_F(CliPrint, FailuresNameTheFileAndLeaveNothingBehind) {
  const std::string missing = PathOf("no/such/dir/out.pdf");
  try {
    Run({"print", "sensor.csv", "-o", missing});
    ADD_FAILURE() << "printed";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
  // A size too small is refused before anything is written.
  try {
    Run({"plot", "sensor.csv", "--size", "80x60", "-o", "small.png"});
    ADD_FAILURE() << "plotted";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("the smallest size that fits is"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{"sensor.csv"});
  // Messages count in the singular and the plural.
  std::ofstream(PathOf("gaps.csv")) << "x,y\n1,1\n2,nan\n3,3\n4,inf\n5,2\n";
  EXPECT_NE(Run({"plot", "gaps.csv", "-o", "gaps.png"}).find("2 points not plotted"), std::string::npos);
  std::ofstream(PathOf("gap.csv")) << "x,y\n1,1\n2,nan\n3,3\n";
  EXPECT_NE(Run({"plot", "gap.csv", "-o", "gap.png"}).find("1 point not plotted"), std::string::npos);
}

TEST_F(CliPrint, TwiceTheResolutionIsTwiceTheSize) {
  std::istringstream data(kSensorCsv);
  const auto draw = [&](int dpi) {
    PlotOptions options = ParseCommandLine({"plot", "-", "--points", "--width", "2"}).plot;
    options.dpi = dpi;
    std::istringstream in(kSensorCsv);
    std::ostringstream err;
    return DrawPlot(options, view::ReadDataFile(options, in, nullptr, view::RowKeeping::Keep), err);
  };
  const DrawnPlot single = draw(96);
  const DrawnPlot twice = draw(192);
  const TPelkgraph& a = single.picture->Graph();
  const TPelkgraph& b = twice.picture->Graph();
  struct Distance {
    const char* name;
    int at96, at192;
  };
  const Distance distances[] = {
      {"width", a.Width(), b.Width()},
      {"height", a.Height(), b.Height()},
      {"x origin", a.Xorigin(), b.Xorigin()},
      {"y origin", a.Yorigin(), b.Yorigin()},
      {"x end", a.Xend(), b.Xend()},
      {"y end", a.Yend(), b.Yend()},
      {"x division", a.XAxis().DivisionWidth(), b.XAxis().DivisionWidth()},
      {"y tick", a.YAxis().TicLength(), b.YAxis().TicLength()},
      {"x number offset", a.XAxis().NumberOffset(), b.XAxis().NumberOffset()},
      {"label offset", a.YAxis().AxisLabelOffset(), b.YAxis().AxisLabelOffset()},
      {"margin", a.LRmargin(), b.LRmargin()},
      {"title offset", a.TitleOffset(), b.TitleOffset()},
  };
  for (const Distance& d : distances) EXPECT_NEAR(d.at192, 2 * d.at96, 1) << d.name;
  ASSERT_TRUE(single.legend && twice.legend);
  EXPECT_EQ(single.legend->corner, twice.legend->corner);
  EXPECT_NEAR(twice.legend->names[0].rect.Left, 2 * single.legend->names[0].rect.Left, 2);
  EXPECT_NEAR(twice.legend->names[0].rect.Height(), 2 * single.legend->names[0].rect.Height(), 2);
}
