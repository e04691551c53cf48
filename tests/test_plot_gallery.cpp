// A gallery of the tool's pictures, written to the test directory: each is
// checked with the tool's own text boxes (no overlap, nothing past the edge,
// no neighbouring numbers alike) and for how much of each fitted axis its
// data fills.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "common/AxisFit.h"
#include "common/DataFile.h"
#include "common/Output.h"
#include "common/TextBoxes.h"
#include "pelkgraph/DemoGraphs.h"
#include "pelkgraph/Plot.h"

namespace fs = std::filesystem;
using namespace pelk;
using namespace pelk::cli;

namespace {

std::string Table(const std::string& header, int rows, const std::function<std::string(int)>& row) {
  std::string text = header + "\n";
  for (int i = 0; i < rows; ++i) text += row(i) + "\n";
  return text;
}

std::string SensorTable() {
  return Table("time,sensor,drift", 301, [](int i) {
    return std::to_string(i) + "," + std::to_string(static_cast<int>(511 + 512 * std::sin(i / 30.0))) + "," +
           std::to_string(i * i / 100.0);
  });
}

std::string Ramp(double from, double to, int rows) {
  return Table("x,y", rows, [&](int i) {
    std::ostringstream line;
    line.precision(9);
    line << from + (to - from) * i / (rows - 1) << "," << std::cos(i * 0.3) * (to - from) + from;
    return line.str();
  });
}

// How much of a linear axis the range fills.
double Filled(const TAxis& axis, ValueRange range) {
  return Coverage({axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions()}, Widened(range, false));
}

struct GalleryCase {
  const char* name;
  std::string csv;
  std::vector<std::string> arguments;  // after "plot -"
  bool legend = false;                 // a legend is drawn
};

}  // namespace

TEST(PlotGallery, EveryPictureKeepsItsTextsApartAndFillsItsAxes) {
  const fs::path dir = fs::path(PELK_TEST_BINARY_DIR) / "gallery";
  fs::create_directories(dir);
  const std::string points = "x,y\n0,1\n1,2\n2,4\n3,3\n";
  const GalleryCase cases[] = {
      {"points", points, {}},
      {"sensor", SensorTable(), {"--title", "Sensor and drift"}, true},
      {"microseconds", Ramp(1e-6, 2e-4, 50), {"--title", "Short times"}},
      {"huge", Ramp(2e30, 9e33, 40), {"--title", "Huge values"}},
      {"negative", Ramp(-870, -12, 40), {"--title", "Below zero"}},
      {"across zero", Ramp(-7, 23, 40), {"--title", "Across zero"}},
      {"constant", "x,y\n0,5\n1,5\n2,5\n", {"--title", "A constant"}},
      {"single point", "x,y\n3,7\n", {"--title", "One point"}},
      {"at 192 dpi", SensorTable(), {"--dpi", "192", "--title", "Twice the resolution"}, true},
      {"at 300 dpi", points, {"--dpi", "300", "--title", "300 dpi"}},
      {"long title at a fixed size",
       SensorTable(),
       {"--size", "420x320", "--title", "A title far too long to be set in the title font at this size of picture"},
       true},
      {"second axis", SensorTable(), {"--y", "sensor", "--y2", "drift", "--title", "Two Y axes"}, true},
      {"logarithmic Y only",
       SensorTable(),
       {"--y", "drift", "--y2", "sensor", "--logy", "--title", "Logarithmic Y, linear second Y"},
       true},
      {"logarithmic second Y", SensorTable(), {"--y", "sensor", "--y2", "drift", "--logy2", "--title", "Log Y2"}, true},
      {"ranges asked for",
       SensorTable(),
       {"--xrange", "50:250", "--yrange", "-100:1100", "--title", "Ranges", "--legend", "bl"},
       true},
      {"series looks",
       SensorTable(),
       {"--y", "sensor", "--color", "navy", "--style", "dash", "--name", "Sensor (counts)", "--y", "drift", "--color",
        "#C04000", "--width", "3", "--points", "--title", "Looks"},
       true},
      {"labels and lines",
       points,
       {"--title", "Labelled", "--subtitle", "a subtitle", "--id", "run 7", "--xlabel", "Time (s)", "--ylabel",
        "Level (m)", "--legend", "tr"},
       true},
      {"fixed divisions", SensorTable(), {"--divisions", "8", "--legend", "none", "--title", "Eight divisions"}},
      {"logarithmic X", Ramp(1, 5000, 60), {"--logx", "--title", "Logarithmic X"}},
      {"small fixed size", points, {"--size", "300x240", "--title", "Small"}},
      {"wide numbers", "x,y\n1000000.1,1\n1000000.9,2\n", {"--divisions", "10", "--title", "Wide numbers"}},
  };
  for (const GalleryCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> arguments{"plot", "-"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const PlotOptions options = ParseCommandLine(arguments).plot;
    std::istringstream in(c.csv);
    const view::DataFile file = view::ReadDataFile(options, in, nullptr, view::RowKeeping::Keep);
    std::ostringstream warnings;
    const DrawnPlot drawn = DrawPlot(options, file, warnings);
    TPelkgraph& graph = drawn.picture->Graph();
    std::string name = c.name;
    std::replace(name.begin(), name.end(), ' ', '-');
    SavePicture(graph, (dir / (name + ".png")).string());

    EXPECT_EQ(warnings.str(), "");
    if (options.size) {
      EXPECT_EQ(graph.Width(), options.size->width);
      EXPECT_EQ(graph.Height(), options.size->height);
    }
    std::vector<TextBox> boxes = GraphTextBoxes(graph);
    EXPECT_EQ(drawn.legend.has_value(), c.legend);
    if (drawn.legend) {
      boxes.insert(boxes.end(), drawn.legend->names.begin(), drawn.legend->names.end());
      for (const TextBox& box : drawn.legend->names) {
        EXPECT_TRUE(box.rect.Left > graph.Xorigin() && box.rect.Right < graph.Xend() && box.rect.Top > graph.Yend() &&
                    box.rect.Bottom < graph.Yorigin())
            << box.text;
      }
    }
    for (const std::string& problem : TextProblems(boxes, graph.Width(), graph.Height())) ADD_FAILURE() << problem;

    if (options.divisions != 0) continue;
    const view::PlotRanges ranges = view::RangesOf(file);
    if (!graph.XAxis().LogAxis() && !options.xRange) {
      EXPECT_GE(Filled(graph.XAxis(), *ranges.x.linear), kLeastCoverage);
    }
    for (std::size_t i = 0; i < file.series.size(); ++i) {
      const view::SeriesStyle& series = file.series[i];
      const TAxis& axis = series.secondY ? graph.YAxis2() : graph.YAxis();
      const bool asked = series.secondY ? options.y2Range.has_value() : options.yRange.has_value();
      if (axis.LogAxis() || asked || file.series.size() > 1) continue;
      EXPECT_GE(Filled(axis, *ranges.series[i].values.linear), kLeastCoverage) << series.name;
    }
  }
}

TEST(PlotGallery, DemoGraphsKeepTheirTextsApartAtEveryResolution) {
  const fs::path dir = fs::path(PELK_TEST_BINARY_DIR) / "gallery";
  fs::create_directories(dir);
  for (int dpi : {96, 120, 144, 192}) {
    for (std::size_t i = 0; i < kDemoGraphs; ++i) {
      SCOPED_TRACE(std::to_string(dpi) + " dpi, graph " + std::to_string(i + 1));
      const std::unique_ptr<GraphPicture> picture = DrawDemoGraph(i, dpi);
      TPelkgraph& graph = picture->Graph();
      SavePicture(graph, (dir / ("demo-" + std::to_string(i + 1) + "-" + std::to_string(dpi) + ".png")).string());
      for (const std::string& problem : TextProblems(GraphTextBoxes(graph), graph.Width(), graph.Height())) {
        ADD_FAILURE() << problem;
      }
    }
  }
}
