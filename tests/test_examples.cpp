// The example programs, run as a user runs them: the files they write, read
// back, and their messages and exit statuses.
#include <gtest/gtest.h>

#include <pelkgraph/pelkgraph.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "DocumentReadBack.h"
#include "PngReadBack.h"
#include "TempDirTest.h"

namespace pelk {
namespace {

namespace fs = std::filesystem;

using Examples = TempDirTest;

struct ProgramRun {
  int status = -1;
  std::string output;
};

// Runs the program in dir with the arguments (none of them may hold a quote).
// The helpers go unused in a build without the examples.
[[maybe_unused]] ProgramRun RunIn(const fs::path& dir, const std::string& program,
                                  const std::vector<std::string>& arguments) {
  // fontconfig keeps a cache past exit, as the installed-package test also allows.
  std::string command = "cd '" + dir.string() + "' && LSAN_OPTIONS=suppressions='" PELK_LSAN_SUPPRESSIONS "' '" +
                        program + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  const CommandResult result = RunCommand(command + " </dev/null");
  return {WIFEXITED(result.status) ? WEXITSTATUS(result.status) : -1, result.output};
}

[[maybe_unused]] void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Per column, the topmost row holding the colour (-1 where none does).
[[maybe_unused]] std::vector<int> TopRowsOf(const Surface& image, std::uint32_t rgb) {
  std::vector<int> rows(static_cast<std::size_t>(image.Width()), -1);
  for (int x = 0; x < image.Width(); ++x)
    for (int y = image.Height() - 1; y >= 0; --y)
      if (image.Get(x, y) == rgb) rows[static_cast<std::size_t>(x)] = y;
  return rows;
}

struct Trace {
  int firstColumn = -1, lastColumn = -1;  // columns holding the colour at the ends
  int gaps = 0;                           // columns between them without it
  int firstRow = -1, lastRow = -1;        // the top rows at the two ends
};

[[maybe_unused]] Trace TraceOf(const Surface& image, std::uint32_t rgb) {
  const std::vector<int> rows = TopRowsOf(image, rgb);
  Trace t;
  for (int x = 0; x < static_cast<int>(rows.size()); ++x) {
    if (rows[static_cast<std::size_t>(x)] < 0) continue;
    if (t.firstColumn < 0) t.firstColumn = x;
    t.gaps += t.lastColumn >= 0 ? x - t.lastColumn - 1 : 0;
    t.lastColumn = x;
  }
  if (t.firstColumn >= 0) {
    t.firstRow = rows[static_cast<std::size_t>(t.firstColumn)];
    t.lastRow = rows[static_cast<std::size_t>(t.lastColumn)];
  }
  return t;
}

#ifdef PELK_EXAMPLE_SAVE_PNG
TEST_F(Examples, SavePngWritesTheImageItReportsWithAnUnbrokenCurve) {
  const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_SAVE_PNG, {"curve.png"});
  ASSERT_EQ(run.status, 0) << run.output;
  int width = 0, height = 0;
  ASSERT_EQ(std::sscanf(run.output.c_str(), "curve.png: %d x %d pixels", &width, &height), 2) << run.output;
  const Surface image = ReadPng(PathOf("curve.png"));
  EXPECT_EQ(image.Width(), width);
  EXPECT_EQ(image.Height(), height);
  // The damped curve, red, starts at its highest value and dies away
  // towards the middle, over most of the picture's width.
  const Trace red = TraceOf(image, 0x0000FF);
  EXPECT_EQ(red.gaps, 0);
  EXPECT_GT(red.lastColumn - red.firstColumn, width / 2);
  EXPECT_LT(red.firstRow, red.lastRow);
}
#endif

#ifdef PELK_EXAMPLE_PLOT_CSV
TEST_F(Examples, PlotCsvDrawsTheRowsOfTheFile) {
  struct Case {
    const char* file;
    const char* text;  // null: the example writes its own file
    std::vector<std::string> arguments;
    const char* image;
    bool rising;
  };
  const Case cases[] = {
      {"up.csv", "x,y\n0,0\n5,5\n10,10\n", {"up.csv", "up.png"}, "up.png", true},
      {"down.csv", "0,10\r\n\r\n5,5\r\n10,0\r\n", {"down.csv", "down.png"}, "down.png", false},
      {"negative.csv", "time,value\n-3,-0.001\n-1,-0.003\n", {"negative.csv", "negative.png"}, "negative.png", false},
      {"cooling.csv", nullptr, {}, "cooling.png", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.text != nullptr) WriteText(PathOf(c.file), c.text);
    const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_PLOT_CSV, c.arguments);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(fs::exists(PathOf(c.file)));
    const Trace blue = TraceOf(ReadPng(PathOf(c.image)), 0xFF0000);
    ASSERT_GE(blue.firstColumn, 0) << "no data line";
    EXPECT_EQ(blue.gaps, 0);
    if (c.rising) EXPECT_GT(blue.firstRow, blue.lastRow);
    else EXPECT_LT(blue.firstRow, blue.lastRow);
  }
}

TEST_F(Examples, PlotCsvNamesTheFileAndLineOfBadDataAndWritesNothing) {
  struct Case {
    const char* file;
    const char* text;  // null: no such file
    const char* message;
  };
  const Case cases[] = {
      {"word.csv", "x,y\n1,2\n3,oops\n", "plot_csv: word.csv:3: expected two numbers"},
      {"three.csv", "x,y\n1,2,3\n", "plot_csv: three.csv:2: expected two numbers"},
      {"huge.csv", "x,y\n1,1e999\n", "plot_csv: huge.csv:2: expected two numbers"},
      {"header.csv", "x,y\n", "plot_csv: header.csv: no data rows"},
      {"missing.csv", nullptr, "plot_csv: missing.csv: cannot open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.text != nullptr) WriteText(PathOf(c.file), c.text);
    const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_PLOT_CSV, {c.file, "out.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(PathOf("out.png")));
  }
}
#endif

#ifdef PELK_EXAMPLE_ZOOM_WINDOW
struct Range {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// The line "<what> x X1 X2 y Y1 Y2" of the output.
bool ParseRange(const std::string& output, const std::string& what, Range& r) {
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string name, x, y;
    if (words >> name >> x >> r.x1 >> r.x2 >> y >> r.y1 >> r.y2 && name == what && x == "x" && y == "y") return true;
  }
  return false;
}

TEST_F(Examples, ZoomWindowRescalesToTheDraggedBoxInItsMouseUpHandler) {
  const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_ZOOM_WINDOW, {"--headless", "zoomed.png"});
  ASSERT_EQ(run.status, 0) << run.output;
  Range full, zoomed;
  ASSERT_TRUE(ParseRange(run.output, "full", full)) << run.output;
  ASSERT_TRUE(ParseRange(run.output, "zoomed", zoomed)) << run.output;
  // The box spans a fifth of the width and most of the height: X narrows
  // to the dragged part, Y keeps about its range.
  EXPECT_LT(zoomed.x2 - zoomed.x1, (full.x2 - full.x1) / 2);
  EXPECT_GT(zoomed.x1, full.x1);
  EXPECT_LT(zoomed.x1, full.x2);
  EXPECT_GT(zoomed.y2 - zoomed.y1, (full.y2 - full.y1) / 2);
  // The rescaled graph was rendered anew with its data and no band left.
  const Surface image = ReadPng(PathOf("zoomed.png"));
  ASSERT_GT(image.Width(), 0);
  const Trace red = TraceOf(image, 0x0000FF);
  EXPECT_EQ(red.gaps, 0);
  EXPECT_GT(red.lastColumn - red.firstColumn, image.Width() / 2);
  EXPECT_LT(TraceOf(image, 0xFF0000).firstColumn, 0) << "the zoom band is still in the picture";
}
#endif

#ifdef PELK_EXAMPLE_PRINT_PDF
TEST_F(Examples, PrintPdfWritesOneA4PageWithTheGraphsTextsAndCurve) {
  const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_PRINT_PDF, {"printed.pdf"});
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string pdf = PathOf("printed.pdf");
  const std::string info = RunCommand("pdfinfo '" + pdf + "'").output;
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  const std::string text = RunCommand("pdftotext '" + pdf + "' -").output;
  for (const char* expected : {"Low-pass filter", "corner at 100 Hz", "frequency [Hz]", "gain [dB]"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  // The curve printed in navy, falling from the left to the right.
  const Trace navy = TraceOf(RasterisePdfPage(pdf, 50, 1, PathOf("page")), 0x800000);
  ASSERT_GE(navy.firstColumn, 0) << "no curve on the page";
  EXPECT_LT(navy.firstRow, navy.lastRow);
}

TEST_F(Examples, PrintPdfReportsADocumentItCannotWrite) {
  for (const char* path : {"no/such/folder/x.pdf", "x.docx"}) {
    SCOPED_TRACE(path);
    const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_PRINT_PDF, {path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(path), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(PathOf(path)));
  }
}
#endif


#ifdef PELK_EXAMPLE_FORM_SETTINGS
TEST_F(Examples, FormSettingsLoadBackIntoANewGraph) {
  const ProgramRun run = RunIn(dir_, PELK_EXAMPLE_FORM_SETTINGS, {"tank.pfm"});
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("title 'Tank temperature', subtitle '', Y axis 'T [C]'"), std::string::npos) << run.output;
  TForm form;
  TPelkgraph graph(&form), fitted(&form);
  ReadFormFile(PathOf("tank.pfm"), graph);
  fitted.SetAxis(fitted.YAxis(), 4, 10.0f, 90.0f, true);
  EXPECT_EQ(graph.Title(), "Tank temperature");
  EXPECT_EQ(graph.Subtitle(), "");
  EXPECT_EQ(graph.Id(), "");
  EXPECT_EQ(graph.YAxis().OriginValue(), fitted.YAxis().OriginValue());
  EXPECT_EQ(graph.YAxis().ScalePerDivision(), fitted.YAxis().ScalePerDivision());
}
#endif

}  // namespace
}  // namespace pelk
