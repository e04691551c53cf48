// Grid drawing, read back from the pixels of the image and the printer page.
#include <gtest/gtest.h>

#include <set>

#include "GraphFixture.h"
#include "platform/Printer.h"

using namespace pelk;

namespace {

std::set<int> Columns(const Surface& s, int y, int from, int to, std::uint32_t colour) {
  std::set<int> found;
  for (int x = from; x <= to; ++x)
    if (s.Get(x, y) == colour) found.insert(x - from);
  return found;
}

}  // namespace

TEST(Grid, MinorLineOffsets) {
  struct Case {
    const char* name;
    bool log;
    int minorDivisions;
    std::set<int> offsets;  // beyond the origin, over three divisions of 64
  };
  const Case cases[] = {
      {"linear 4", false, 4, {16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192}},
      {"linear 3", false, 3, {21, 43, 64, 85, 107, 128, 149, 171, 192}},
      {"linear 5", false, 5, {13, 26, 38, 51, 64, 77, 90, 102, 115, 128, 141, 154, 166, 179, 192}},
      {"log", true, 4, {19, 31, 39, 45, 50, 54, 58, 61, 64, 83, 95, 103, 109, 114, 118, 122, 125,
                        128, 147, 159, 167, 173, 178, 182, 186, 189}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GraphFixture f;
    TPelkgraph& g = f.g();
    g.SetMajorGrid(false);
    g.SetMinorGridColor(clRed);
    g.SetMinorGridDivisions(c.minorDivisions);
    g.XAxis().SetLog(c.log);
    g.XAxis().SetMinExponent(-3);
    g.YAxis().SetLog(c.log);
    g.Refresh();
    const int row = g.Yorigin() - 7;  // between horizontal grid lines
    std::set<int> found = Columns(f.Image(), row, g.Xorigin(), g.Xend(), clRed);
    EXPECT_EQ(found, c.offsets);
    // The plot area between the lines keeps its colour.
    EXPECT_EQ(f.ImagePixel(g.Xorigin() + 1, row), clWhite);
    // The same offsets upwards along the Y axis.
    std::set<int> rows;
    for (int t = 1; t <= 192; ++t)
      if (f.ImagePixel(g.Xorigin() + 7, g.Yorigin() - t) == clRed) rows.insert(t);
    std::set<int> expectedRows = c.offsets;
    expectedRows.insert(192);  // the top edge line of the minor grid
    EXPECT_EQ(rows, expectedRows);
  }
}

TEST(Grid, MajorLinesAndFill) {
  GraphFixture f;
  TPelkgraph& g = f.g();
  g.SetMinorGrid(false);
  g.SetMajorGridColor(clBlue);
  g.SetPlotBackGroundColor(clYellow);
  g.Refresh();
  const int row = g.Yorigin() - 7;
  EXPECT_EQ(Columns(f.Image(), row, g.Xorigin(), g.Xend(), clBlue), (std::set<int>{0, 64, 128, 192}));
  // The fill covers the plot area including its right column and bottom row.
  EXPECT_EQ(f.ImagePixel(g.Xend() - 1, g.Yend() + 1), clYellow);
  EXPECT_EQ(f.ImagePixel(g.Xend() + 1, g.Yend() + 1), clSilver);
  // Horizontal major lines reach Xend; vertical ones stop below Yend... and the
  // top line covers the corner.
  EXPECT_EQ(f.ImagePixel(g.Xend(), g.Yorigin() - 64), clBlue);
  EXPECT_EQ(f.ImagePixel(g.Xend() + 1, g.Yorigin() - 64), clSilver);
}

TEST(Grid, NoGridFillsOnly) {
  GraphFixture f;
  f.g().SetMinorGrid(false);
  f.g().SetMajorGrid(false);
  f.g().Refresh();
  const TPelkgraph& g = f.g();
  for (int x = g.Xorigin() + 1; x <= g.Xend(); ++x)
    ASSERT_EQ(f.ImagePixel(x, g.Yorigin() - 64), clWhite) << x;
}

TEST(Grid, PrinterOffsetsAtScale) {
  TPrinter& printer = Printer();
  printer.SetResolution(600, 600);
  printer.SetPaperSize(2.5, 2.5);
  struct Case {
    bool monochrome;
    std::uint32_t major, minor, fill;
  };
  for (const Case& c : {Case{false, clBlue, clRed, clWhite}, Case{true, clBlack, clBlack, clWhite}}) {
    SCOPED_TRACE(c.monochrome);
    GraphFixture f;
    TPelkgraph& g = f.g();
    g.Refresh();
    g.SetMajorGridColor(clBlue);
    g.SetMinorGridColor(clRed);
    g.SetPlotBackGroundColor(clYellow);
    g.SetPrinterMajorGridWidth(-1);  // acts as its absolute value
    g.SetPrinterMinorGridWidth(1);
    g.SetPrintMonoChrome(c.monochrome);
    printer.BeginDoc();
    TPelkgraphInternals::SetPrinterPlotArea(g, 100, 1300, 1300, 100);
    TPelkgraphInternals::DrawPrinterGrid(g, 6.25f);
    const Surface& page = printer.Page(0);
    const int row = 1300 - 50;
    std::set<int> majors = Columns(page, row, 100, 1300, c.major);
    std::set<int> minors = Columns(page, row, 100, 1300, c.minor);
    if (!c.monochrome) {
      EXPECT_EQ(majors, (std::set<int>{400, 800, 1200}));  // none at the origin
      EXPECT_EQ(minors, (std::set<int>{100, 200, 300, 500, 600, 700, 900, 1000, 1100}));
      EXPECT_EQ(page.Get(150, row), clYellow);
      EXPECT_EQ(page.Get(1299, 101), clYellow);  // fill truncated, no + 1
      EXPECT_EQ(page.Get(1301, row), clWhite);
    } else {
      EXPECT_EQ(majors, (std::set<int>{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200}));
      EXPECT_EQ(page.Get(150, row), clWhite);  // no fill
    }
    printer.EndDoc();
  }
  printer.SetResolution(300, 300);
  printer.SetPaperSize(8.5, 11);
}

TEST(Grid, WidePrinterLinesJustOffThePageStillReachIt) {
  TPrinter& printer = Printer();
  printer.SetResolution(600, 600);
  printer.SetPaperSize(1.0, 1.0);
  struct Case {
    const char* what;
    int width;
    int xorigin;  // the first major line lies at xorigin + 400
  };
  const Case cases[] = {
      {"width 5, line two columns left of the page", 5, -402},
      {"width 9, line four columns left of the page", 9, -404},
      {"width 1, line one column left of the page", 1, -401},
  };
  for (const Case& c : cases) {
    GraphFixture f;
    TPelkgraph& g = f.g();
    g.SetMinorGrid(false);
    g.SetMajorGridColor(clBlue);
    g.SetPrinterMajorGridWidth(c.width);
    g.Refresh();
    printer.BeginDoc();
    TPelkgraphInternals::SetPrinterPlotArea(g, c.xorigin, 500, c.xorigin + 1200, 100);
    TPelkgraphInternals::DrawPrinterGrid(g, 6.25f);
    // The same line drawn by hand on a second page.
    printer.NewPage();
    TCanvas& canvas = printer.Canvas();
    canvas.Pen().SetColor(clBlue);
    canvas.Pen().SetWidth(c.width);
    canvas.MoveTo(c.xorigin + 400, 500);
    canvas.LineTo(c.xorigin + 400, 100);
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(printer.Page(0).Get(x, 300) == clBlue, printer.Page(1).Get(x, 300) == clBlue) << c.what << ", column " << x;
    EXPECT_EQ(printer.Page(0).Get(0, 300) == clBlue, c.width > 1) << c.what;
    printer.EndDoc();
  }
  printer.SetResolution(300, 300);
  printer.SetPaperSize(8.5, 11);
}
