// The printed frame: PrintGrids and NoPrinterClipping on the in-memory
// printer pages, and the data drawn after them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "GraphFixture.h"
#include "platform/Errors.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "render/LayoutMath.h"

namespace pelk {
namespace {

// A 300 x 300 graph (axes of 3 divisions of 64) on a form, and a printer
// restored to its defaults afterwards.
struct PrintGridsTest : ::testing::Test {
  PrintGridsTest() {
    form.SetClientSize(350, 350);
    g.SetAutoSize(false);
    g.SetBounds(0, 0, 300, 300);
    for (TAxis* axis : {&g.XAxis(), &g.YAxis()}) MakeStandardLinearAxis(*axis);
  }
  ~PrintGridsTest() override {
    TPrinter& printer = Printer();
    if (printer.Printing()) printer.Abort();
    TCanvas& page = printer.Canvas();
    SelectClipRgn(page.Context(), 0);
    page.Pen().SetColor(clBlack);
    page.Pen().SetWidth(1);
    page.Pen().SetMode(pmCopy);
    page.Pen().SetStyle(psSolid);
    printer.SetResolution(300, 300);
    printer.SetPaperSize(8.5, 11.0);
    Screen().SetPixelsPerInch(96);
  }
  static void BeginJob(int dpi, double inches) {
    Printer().SetResolution(dpi, dpi);
    Printer().SetPaperSize(inches, inches);
    Printer().BeginDoc();
  }
  static const Surface& Page() { return Printer().Page(Printer().PageCount() - 1); }
  static TColor PageAt(int x, int y) { return Page().Get(x, y); }
  // Columns of the run of colour c through (x, y) on the page.
  static int RunWidth(int x, int y, TColor c) {
    if (PageAt(x, y) != c) return 0;
    int left = x, right = x;
    while (PageAt(left - 1, y) == c) --left;
    while (PageAt(right + 1, y) == c) ++right;
    return right - left + 1;
  }
  TForm form;
  TPelkgraph g{&form};
};

TEST_F(PrintGridsTest, PrintedSizeScaleAndPlace) {
  struct Case {
    const char* what;
    int screenPpi;
    float left, top, width;
    float scale, fontScale;
    int graph, printerLeft, printerTop, axis;
    int xOffset;  // PrinterXorigin - PrinterLeft
  };
  const Case cases[] = {
      {"600 / 96, natural size", 96, 0, 0, 0, 6.25f, 1.0f, 1875, 0, 0, 1200, 337},
      {"600 / 96, 6 inches wide", 96, 0, 0, 6, 12.0f, 1.92f, 3600, 0, 0, 2304, 648},
      {"120 ppi screen: 3.125 inches with axes of 960", 120, 0, 0, 0, 5.0f, 1.0f, 1875, 0, 0, 960, 457},
      {"placed 1 inch right and 1.5 down", 96, 1, 1.5f, 0, 6.25f, 1.0f, 1875, 600, 900, 1200, 337},
  };
  for (const Case& c : cases) {
    Screen().SetPixelsPerInch(c.screenPpi);
    g.SetMajorGridColor(clBlue);
    g.Refresh();
    BeginJob(600, 6.2);
    g.PrintGrids(c.left, c.top, c.width);
    const auto printed = TPelkgraphInternals::Printed(g);
    EXPECT_EQ(g.PrinterPixelsPerInch(), 600) << c.what;
    EXPECT_EQ(g.PrinterScaleFactor(), c.scale) << c.what;
    EXPECT_EQ(printed.fontScale, c.fontScale) << c.what;
    EXPECT_EQ(printed.graphWidth, c.graph) << c.what;
    EXPECT_EQ(printed.graphHeight, c.graph) << c.what;
    EXPECT_EQ(g.PrinterLeft(), c.printerLeft) << c.what;
    EXPECT_EQ(g.PrinterTop(), c.printerTop) << c.what;
    EXPECT_EQ(printed.centerX, c.printerLeft + c.graph / 2) << c.what;
    EXPECT_EQ(g.PrinterXorigin(), c.printerLeft + c.xOffset) << c.what;
    EXPECT_EQ(g.PrinterXend() - g.PrinterXorigin(), c.axis) << c.what;
    EXPECT_EQ(g.PrinterYorigin() - g.PrinterYend(), c.axis) << c.what;
    // The first major line, a division from the origin, is drawn at Round(64 * s).
    const int row = g.PrinterYorigin() - 50;
    const int firstLine = g.PrinterXorigin() + static_cast<int>(std::lround(64 * c.scale));
    EXPECT_EQ(PageAt(firstLine, row), clBlue) << c.what << ": first major line at " << firstLine - g.PrinterXorigin();
    EXPECT_EQ(PageAt(firstLine - 3, row), clWhite) << c.what;
    Printer().EndDoc();
  }
  // The first case's figure as a fixed point: 400 pixels at 6.25.
  Screen().SetPixelsPerInch(96);
  g.Refresh();
  BeginJob(600, 6.2);
  g.PrintGrids(0, 0, 0);
  EXPECT_EQ(PageAt(g.PrinterXorigin() + 400, g.PrinterYorigin() - 50), clBlue);
}

TEST_F(PrintGridsTest, AxisFontsPrintAtTheirScaledSize) {
  g.YAxis().Font().SetSize(10);
  g.Refresh();
  BeginJob(600, 6.2);
  g.PrintGrids(0, 0, 6);
  // The Y axis font is the last assigned: 10 points print at 19.
  EXPECT_EQ(Printer().Canvas().Font().Size(), 19);
  EXPECT_EQ(GetTextAlign(Printer().Canvas().Context()), TA_BASELINE | TA_CENTER);
  EXPECT_EQ(GetBkMode(Printer().Canvas().Context()), TRANSPARENT);
}

TEST_F(PrintGridsTest, MonochromeAndColour) {
  struct Case {
    bool monochrome;
    int majorWidth, minorWidth;  // properties
    int majorRun, minorRun;      // columns of the lines on the page
  };
  const Case cases[] = {{false, 3, 1, 3, 1}, {true, -5, -2, 5, 2}, {false, -4, 3, 4, 3}};
  for (const Case& c : cases) {
    const std::string what = std::string(c.monochrome ? "monochrome" : "colour") + " widths " +
                             std::to_string(c.majorWidth) + ", " + std::to_string(c.minorWidth);
    g.SetAreaBackGroundColor(clLime);
    g.SetPlotBackGroundColor(clYellow);
    g.SetMajorGridColor(clBlue);
    g.SetMinorGridColor(clRed);
    g.SetHighlightColor(clAqua);
    g.SetShadowColor(clFuchsia);
    g.XAxis().Font().SetColor(clRed);
    g.TitleFont().SetColor(clBlue);
    g.SetPlotColor(clRed);
    g.SetPrintMonoChrome(c.monochrome);
    g.SetPrinterMajorGridWidth(c.majorWidth);
    g.SetPrinterMinorGridWidth(c.minorWidth);
    g.Refresh();
    BeginJob(600, 3.5);
    g.PrintGrids(0.1f, 0.1f, 0);
    const int x0 = g.PrinterXorigin(), y0 = g.PrinterYorigin();
    const int row = y0 - 50;  // between horizontal grid lines
    const TColor major = c.monochrome ? clBlack : clBlue, minor = c.monochrome ? clBlack : clRed;
    EXPECT_EQ(RunWidth(x0 + 400, row, major), c.majorRun) << what;
    EXPECT_EQ(RunWidth(x0 + 100, row, minor), c.minorRun) << what;
    EXPECT_EQ(PageAt(x0 + 50, row), c.monochrome ? clWhite : clYellow) << what << ": plot area";
    const int inside = g.PrinterLeft() + 20;  // inside the border, outside the plot area
    EXPECT_EQ(PageAt(inside, inside), c.monochrome ? clWhite : clLime) << what << ": graph background";
    EXPECT_EQ(PageAt(g.PrinterLeft(), inside), c.monochrome ? clBlack : clAqua) << what << ": left border";
    EXPECT_EQ(Printer().Canvas().Pen().Color(), c.monochrome ? clBlack : clRed) << what << ": data pen";
    if (c.monochrome) {
      // Lines, ticks and (anti-aliased) texts are all black or grey.
      int ink = 0;
      const Surface& page = Page();
      for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) {
          const TColor p = page.Get(x, y);
          const bool grey = (p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == ((p >> 16) & 0xFF);
          if (!grey) {
            ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex << p;
            y = page.Height();
            break;
          }
          if (p != clWhite) ++ink;
        }
      EXPECT_GT(ink, 10000) << what;
    }
    Printer().EndDoc();
  }
}

TEST_F(PrintGridsTest, TitleAloneSitsItsOffsetAboveThePlotArea) {
  struct Case {
    const char* what;
    bool id, subtitle;
  };
  for (const Case& c : {Case{"title alone", false, false}, Case{"all three lines", true, true}}) {
    g.SetTitle("HHH");
    g.SetSubtitle(c.subtitle ? "Sub" : "");
    g.SetIdentification(c.id ? "Id" : "");
    g.TitleFont().SetColor(clRed);
    g.Refresh();
    BeginJob(600, 3.5);
    g.PrintGrids(0, 0, 0);
    const int yend = g.PrinterYend(), centre = TPelkgraphInternals::Printed(g).centerX;
    const InkBox title = FindInk(Page(), clRed, {0, 0, Page().Width(), yend});
    ASSERT_FALSE(title.Empty()) << c.what;
    // Baselines: the title's group sums less the groups of the absent lines,
    // each scaled by 6.25 and rounded on its own.
    const int R5 = ScaledDistance(5, 6.25f);  // every offset is 5
    const int titleGroups = ScaledDistance(9 + 5 + 5 + 9 + 5, 6.25f);
    const int baseline = c.id ? yend - titleGroups : yend - titleGroups + 2 * ScaledDistance(9 + 5, 6.25f);
    EXPECT_NEAR(title.bottom + 1, baseline, 1) << c.what;
    if (!c.id) {
      EXPECT_NEAR(baseline, yend - R5, 1) << c.what << ": TitleOffset above, up to rounding";
    }
    EXPECT_NEAR(title.CentreX2(), 2 * centre, 6) << c.what;
    Printer().EndDoc();
  }
}

TEST_F(PrintGridsTest, NumbersAndTicksScaledOnThePage) {
  g.XAxis().Font().SetColor(clRed);
  g.Refresh();
  BeginJob(600, 3.5);
  g.PrintGrids(0, 0, 0);
  const int x0 = g.PrinterXorigin(), y0 = g.PrinterYorigin();
  // "0.0" under the origin: baseline-centre at Y0 + R(T + O + h + 1) = Y0 + R(20) = Y0 + 125.
  const InkBox zero = FindInk(Page(), clRed, {x0 - 150, y0 + 1, x0 + 150, y0 + 200});
  ASSERT_FALSE(zero.Empty());
  EXPECT_NEAR(zero.bottom + 1, y0 + 125, 1);
  EXPECT_NEAR(zero.CentreX2(), 2 * x0, 6);
  // Ticks R(T) = 31 long at PrinterMajorGridWidth (3): the X tick of division 1.
  const int tick = x0 + 400;
  EXPECT_EQ(RunWidth(tick, y0 + 20, clBlack), 3);
  EXPECT_EQ(PageAt(tick, y0 + 31), clBlack);
  EXPECT_EQ(PageAt(tick, y0 + 34), clSilver);  // the graph's background
}

TEST_F(PrintGridsTest, AxisLinesTakeTheWidthTheGridLeft) {
  struct Case {
    const char* what;
    bool major, minor;
    int width;
  };
  const Case cases[] = {{"major grid: its width", true, true, 5}, {"minor grid only: its width", false, true, 2},
                        {"no grid: the ticks' width", false, false, 5}};
  for (const Case& c : cases) {
    g.SetMajorGrid(c.major);
    g.SetMinorGrid(c.minor);
    g.SetPrinterMajorGridWidth(-5);
    g.SetPrinterMinorGridWidth(2);
    g.SetMajorGridColor(clBlue);
    g.Refresh();
    BeginJob(600, 3.5);
    g.PrintGrids(0, 0, 0);
    const int row = g.PrinterYorigin() - 50;
    // Ticks take the width as stored: -5 draws one-pixel ticks.
    const int width = !c.major && !c.minor ? 1 : c.width;
    EXPECT_EQ(RunWidth(g.PrinterXorigin(), row, clBlue), width) << c.what;
    Printer().EndDoc();
  }
}

TEST_F(PrintGridsTest, EachPrintGridsReplacesThePlotAreaRegion) {
  g.Refresh();
  BeginJob(300, 4);
  g.PrintGrids(0, 0, 0);
  const HRGN first = TPelkgraphInternals::Printed(g).clipRgn;
  ASSERT_TRUE(RegionRect(first));
  EXPECT_EQ(*RegionRect(first), (TRect{g.PrinterXorigin(), g.PrinterYend(), g.PrinterXend() + 1, g.PrinterYorigin() + 1}));
  g.PrintGrids(1, 1, 2);  // the same graph again, elsewhere on the page
  const HRGN second = TPelkgraphInternals::Printed(g).clipRgn;
  EXPECT_FALSE(RegionRect(first)) << "the first region is released";
  ASSERT_TRUE(RegionRect(second));
  EXPECT_EQ(*RegionRect(second), (TRect{g.PrinterXorigin(), g.PrinterYend(), g.PrinterXend() + 1, g.PrinterYorigin() + 1}));
  // The whole printed graph stays the canvas's clip.
  const auto printed = TPelkgraphInternals::Printed(g);
  EXPECT_EQ(Printer().Canvas().ClipRegion(),
            (TRect{g.PrinterLeft(), g.PrinterTop(), g.PrinterLeft() + printed.graphWidth + 1,
                   g.PrinterTop() + printed.graphHeight + 1}));
}

TEST_F(PrintGridsTest, NoPrinterClippingThenDataLines) {
  for (bool clip : {true, false}) {
    const std::string what = clip ? "ClipData" : "no ClipData";
    g.SetClipData(clip);
    g.SetPlotColor(clRed);
    g.Refresh();
    BeginJob(300, 4);
    g.PrintGrids(1, 1, 0);
    TCanvas& page = Printer().Canvas();
    // Outside the printed graph nothing can be drawn until the clip is lifted.
    page.MoveTo(10, 20);
    page.LineTo(100, 20);
    EXPECT_EQ(PageAt(50, 20), clWhite) << what;
    g.NoPrinterClipping();
    page.MoveTo(10, 20);
    page.LineTo(100, 20);
    EXPECT_EQ(PageAt(50, 20), clRed) << what << ": other matter on the page";
    // A data line from far left of the graph across the plot area.
    g.SetPlotDestination(TPlotDestination::PrinterOnly);
    g.MoveTo(-150, 40);
    g.LineTo(100, 40);
    const int y = g.PrinterYorigin() - g.PrinterYGraph();
    EXPECT_EQ(PageAt(g.PrinterXorigin() + 10, y), clRed) << what;
    EXPECT_EQ(PageAt(g.PrinterXorigin() - 1, y) == clRed, !clip) << what << ": just left of the plot area";
    EXPECT_EQ(PageAt(10, y) == clRed, !clip) << what << ": left of the printed graph";
    Printer().EndDoc();
    g.SetPlotDestination(TPlotDestination::ScreenOnly);
  }
}

TEST_F(PrintGridsTest, DataWithBothDestinationsLandsByThePrinterMapping) {
  g.SetPlotColor(clRed);
  g.SetMajorGrid(false);
  g.SetMinorGrid(false);
  g.Refresh();
  BeginJob(384, 4);  // 4 printer pixels per screen pixel
  g.PrintGrids(0, 0, 0);
  ASSERT_EQ(g.PrinterScaleFactor(), 4.0f);
  g.SetPlotDestination(TPlotDestination::Both);
  struct Case {
    const char* what;
    void (*call)(TPelkgraph&);
    int printerXGraph, printerYGraph;
  };
  const Case cases[] = {
      {"MoveTo(3, 5)", [](TPelkgraph& p) { p.MoveTo(3, 5); }, 12, 20},
      // 2.6 screen pixels from the origin (10 per 64 pixels): 10.4 on the printer.
      {"scaled, unrounded 2.6", [](TPelkgraph& p) { p.MoveScaledTo(0.40625f, 0.40625f); }, 10, 10},
      {"LineTo(30, 40)", [](TPelkgraph& p) { p.LineTo(30, 40); }, 120, 160},
  };
  for (const Case& c : cases) {
    c.call(g);
    EXPECT_EQ(g.PrinterXGraph(), c.printerXGraph) << c.what;
    EXPECT_EQ(g.PrinterYGraph(), c.printerYGraph) << c.what;
    EXPECT_EQ(g.PrinterXcanvas(), g.PrinterXorigin() + c.printerXGraph) << c.what;
    EXPECT_EQ(g.PrinterYcanvas(), g.PrinterYorigin() - c.printerYGraph) << c.what;
  }
  // The line's end pixel on the page and in the image.
  EXPECT_EQ(PageAt(g.PrinterXorigin() + 120, g.PrinterYorigin() - 160), clRed);
  EXPECT_EQ(PageAt(g.PrinterXorigin() + 65, g.PrinterYorigin() - 85), clRed);  // on the way from (10, 10)
  EXPECT_EQ(TPelkgraphInternals::Bitmap(g).Canvas().Pixel(g.Xorigin() + 30, g.Yorigin() - 40), clRed);
}

TEST_F(PrintGridsTest, TheDataPenAndWhereItStands) {
  for (bool monochrome : {false, true}) {
    const std::string what = monochrome ? "monochrome" : "colour";
    g.Refresh();
    g.SetPlotDestination(TPlotDestination::ScreenOnly);
    g.MoveTo(10, 20);
    g.SetPrinterPenWidth(-3);
    g.SetPenMode(pmXor);
    g.SetPenStyle(psDot);
    g.SetPlotColor(clRed);
    g.SetPrintMonoChrome(monochrome);
    BeginJob(384, 4);
    g.PrintGrids(0, 0, 0);
    const TPen& pen = Printer().Canvas().Pen();
    EXPECT_EQ(Printer().Canvas().PenPos(), (TPoint{g.PrinterXorigin() + 40, g.PrinterYorigin() - 80})) << what;
    EXPECT_EQ(pen.Width(), 3) << what;
    EXPECT_EQ(pen.Mode(), pmXor) << what;
    EXPECT_EQ(pen.Style(), psDot) << what;
    EXPECT_EQ(pen.Color(), monochrome ? clBlack : clRed) << what;
    Printer().EndDoc();
    g.SetPenMode(pmCopy);
    g.SetPenStyle(psSolid);
  }
}

TEST_F(PrintGridsTest, BeforeTheFirstRenderTheGraphIsLaidOutFirst) {
  TPelkgraph laidOut(&form);
  laidOut.Refresh();
  TForm quiet;  // a form whose surface shows whether the screen was drawn on
  quiet.SetClientSize(400, 400);
  TPelkgraph fresh(&quiet);
  const TColor before = quiet.ClientSurface().Get(150, 150);
  BeginJob(300, 8);
  laidOut.PrintGrids(0, 0, 6);
  const int xorigin = laidOut.PrinterXorigin(), yend = laidOut.PrinterYend();
  const float scale = laidOut.PrinterScaleFactor();
  Printer().NewPage();
  fresh.PrintGrids(0, 0, 6);
  EXPECT_TRUE(std::isfinite(fresh.PrinterScaleFactor()));
  EXPECT_EQ(fresh.PrinterScaleFactor(), scale);
  EXPECT_EQ(fresh.PrinterXorigin(), xorigin);
  EXPECT_EQ(fresh.PrinterYend(), yend);
  EXPECT_EQ(fresh.PrintedWidth(), laidOut.PrintedWidth());
  EXPECT_EQ(quiet.ClientSurface().Get(150, 150), before) << "nothing drawn on the screen";
  // The two pages are alike.
  const Surface& a = Printer().Page(0);
  const Surface& b = Printer().Page(1);
  int differing = 0;
  for (int y = 0; y < a.Height(); y += 3)
    for (int x = 0; x < a.Width(); x += 3) differing += a.Get(x, y) != b.Get(x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(PrintGridsTest, OutsideAPrintJobThePrinterErrorReachesTheCaller) {
  g.Refresh();
  EXPECT_THROW(g.PrintGrids(0, 0, 0), EPrinterError);
}

TEST_F(PrintGridsTest, HostileArgumentsFinishAndStayOnThePage) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    float left, top, width;
    bool inkExpected;
  };
  const Case cases[] = {
      {"far off the page", 1e30f, -1e30f, 0, false},
      {"NaN place and an infinite width", nan, nan, inf, true},
      {"a graph a billionth of an inch wide", 0, 0, 1e-9f, true},
      {"a graph wider than the float range", 0, 0, 3e38f, true},
      {"negative place, natural size", -1e6f, -1e6f, 0, false},
  };
  for (const Case& c : cases) {
    g.Refresh();
    BeginJob(100, 3);
    g.PrintGrids(c.left, c.top, c.width);
    g.SetPlotDestination(TPlotDestination::PrinterOnly);
    g.MoveScaledTo(0, 0);
    g.LineScaledTo(30, 30);
    g.SetPlotDestination(TPlotDestination::ScreenOnly);
    int ink = 0;
    const Surface& page = Page();
    for (int y = 0; y < page.Height(); ++y)
      for (int x = 0; x < page.Width(); ++x) ink += page.Get(x, y) != clWhite;
    EXPECT_EQ(ink > 0, c.inkExpected) << c.what << ": " << ink << " pixels";
    EXPECT_FALSE(std::isnan(g.PrinterScaleFactor())) << c.what;
    Printer().EndDoc();
  }
}

}  // namespace
}  // namespace pelk
