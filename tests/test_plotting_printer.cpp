// The drawing calls on the printer: printer positions of pixel and scaled
// calls, routing by PlotDestination, monochrome end pixels and clipping.
#include <gtest/gtest.h>

#include <string>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

constexpr TColor kPen = clRed;
constexpr TColor kPaper = clWhite;

// A 300 x 300 graph (plot area x 54..246, y 54..246, 10 per 64-pixel
// division) and a 100 dpi print job whose printed plot area starts at
// (40, 900) with 4 printer pixels per screen pixel.
class PrinterPlotting : public ::testing::Test {
 protected:
  static constexpr int kPx0 = 40, kPy0 = 900, kScale = 4;

  PrinterPlotting() : savedDpiX(Printer().ResolutionX()), savedDpiY(Printer().ResolutionY()) {
    form.SetClientSize(300, 300);
    g.SetAutoSize(false);
    g.SetBounds(0, 0, 300, 300);
    g.SetMajorGrid(false);
    g.SetMinorGrid(false);
    for (TAxis* axis : {&g.XAxis(), &g.YAxis()}) MakeStandardLinearAxis(*axis);
    g.SetPlotColor(kPen);
    g.Refresh();

    Printer().SetResolution(100, 100);
    Printer().BeginDoc();
    const int side = 192 * kScale;
    TPelkgraphInternals::SetPrinterPlotArea(g, kPx0, kPy0, kPx0 + side, kPy0 - side);
    TPelkgraphInternals::SetPrinterScaleFactor(g, kScale);
    TPelkgraphInternals::SetPrinterClipRgn(g, CreateRectRgn(kPx0, kPy0 - side, kPx0 + side + 1, kPy0 + 1));
    TPen& pen = Printer().Canvas().Pen();
    pen.SetColor(kPen);
    pen.SetWidth(1);
    pen.SetMode(pmCopy);
    pen.SetStyle(psSolid);
  }

  ~PrinterPlotting() override {
    if (Printer().Printing()) Printer().Abort();
    SelectClipRgn(Printer().Canvas().Handle(), 0);
    Printer().Canvas().Pen().SetColor(clBlack);
    Printer().SetResolution(savedDpiX, savedDpiY);
  }

  TColor Page(int x, int y) { return Printer().Canvas().Pixel(x, y); }
  // Printer pixel at a printer offset from the printed plot origin.
  TColor PageAt(int dx, int dy) { return Page(kPx0 + dx, kPy0 - dy); }
  TColor ImageAt(int dx, int dy) {
    return TPelkgraphInternals::Bitmap(g).Canvas().Pixel(g.Xorigin() + dx, g.Yorigin() - dy);
  }
  TColor ControlAt(int dx, int dy) { return g.Canvas().Pixel(g.Xorigin() + dx, g.Yorigin() - dy); }

  int savedDpiX, savedDpiY;
  TForm form;
  TPelkgraph g{&form};
};

TEST_F(PrinterPlotting, PrinterPositionsOfPixelAndScaledCalls) {
  g.SetPlotDestination(TPlotDestination::Both);
  struct Case {
    const char* what;
    float scale;
    void (*call)(TPelkgraph&);
    int printerXGraph, printerYGraph, xGraph, yGraph;
  };
  const Case cases[] = {
      {"pixel call 3, 5", 4.0f, [](TPelkgraph& p) { p.MoveTo(3, 5); }, 12, 20, 3, 5},
      {"pixel call, negative", 4.0f, [](TPelkgraph& p) { p.LineTo(-3, -5); }, -12, -20, -3, -5},
      // 2.6 pixels from the origin: 10.4 on the printer, 3 on the screen.
      {"scaled call keeps the value's precision", 4.0f,
       [](TPelkgraph& p) { p.MoveScaledTo(0.40625f, 0.40625f); }, 10, 10, 3, 3},
      {"halves round to even: 2.5 and 7.5", 2.5f, [](TPelkgraph& p) { p.MoveTo(1, 3); }, 2, 8, 1, 3},
  };
  for (const Case& c : cases) {
    TPelkgraphInternals::SetPrinterScaleFactor(g, c.scale);
    c.call(g);
    EXPECT_EQ(g.PrinterXGraph(), c.printerXGraph) << c.what;
    EXPECT_EQ(g.PrinterYGraph(), c.printerYGraph) << c.what;
    EXPECT_EQ(g.PrinterXcanvas(), kPx0 + c.printerXGraph) << c.what;
    EXPECT_EQ(g.PrinterYcanvas(), kPy0 - c.printerYGraph) << c.what;
    EXPECT_EQ(g.XGraph(), c.xGraph) << c.what;
    EXPECT_EQ(g.YGraph(), c.yGraph) << c.what;
    EXPECT_EQ(Printer().Canvas().PenPos(), (TPoint{g.PrinterXcanvas(), g.PrinterYcanvas()})) << c.what;
  }
}

TEST_F(PrinterPlotting, PlotDestinationRoutesTheLines) {
  struct Case {
    TPlotDestination destination;
    bool screen, printer;
  };
  const Case cases[] = {
      {TPlotDestination::ScreenOnly, true, false},
      {TPlotDestination::PrinterOnly, false, true},
      {TPlotDestination::Both, true, true},
  };
  for (const Case& c : cases) {
    const std::string what = "destination " + std::to_string(int(c.destination));
    g.Refresh();
    Printer().NewPage();
    g.SetPlotDestination(c.destination);
    g.MoveTo(10, 40);
    g.LineTo(30, 40);
    EXPECT_EQ(g.XGraph(), 30) << what;
    EXPECT_EQ(ImageAt(20, 40) == kPen, c.screen) << what;
    EXPECT_EQ(ControlAt(20, 40) == kPen, c.screen) << what;
    EXPECT_EQ(ImageAt(30, 40) == kPen, c.screen) << what;
    EXPECT_EQ(PageAt(80, 160) == kPen, c.printer) << what;
    EXPECT_EQ(PageAt(120, 160) == kPen, c.printer) << what;  // Graph mode end pixel
    EXPECT_EQ(PageAt(121, 160), kPaper) << what;
    // Screen only: the printer position is not written.
    EXPECT_EQ(g.PrinterXGraph(), c.printer ? 120 : 0) << what;
  }
}

TEST_F(PrinterPlotting, MonochromeEndPixelIsBlackButPlotLastPixelUsesThePenColour) {
  g.SetPlotDestination(TPlotDestination::PrinterOnly);
  g.SetPrintMonoChrome(true);
  Printer().Canvas().Pen().SetColor(kPen);
  g.MoveTo(10, 40);
  g.LineTo(30, 40);
  EXPECT_EQ(PageAt(80, 160), kPen);
  EXPECT_EQ(PageAt(120, 160), clBlack);
  g.PlotLastPixel();
  EXPECT_EQ(PageAt(120, 160), kPen);
  // Printer only: the image keeps the frame except for PlotLastPixel.
  EXPECT_EQ(ImageAt(20, 40), kPaper);
  EXPECT_EQ(ImageAt(30, 40), kPen);
}

TEST_F(PrinterPlotting, ClipDataConfinesPrintedLinesToThePrintedPlotArea) {
  const int right = 192 * kScale;
  for (bool clip : {true, false}) {
    const std::string what = "clip " + std::to_string(clip);
    SelectClipRgn(Printer().Canvas().Handle(), 0);
    Printer().NewPage();
    g.SetClipData(clip);
    g.SetPlotDestination(TPlotDestination::PrinterOnly);
    g.MoveTo(-50, 40);
    g.LineTo(250, 40);
    EXPECT_EQ(PageAt(0, 160), kPen) << what;
    EXPECT_EQ(PageAt(right, 160), kPen) << what;
    EXPECT_EQ(PageAt(-1, 160) == kPen, !clip) << what;
    EXPECT_EQ(PageAt(right + 1, 160) == kPen, !clip) << what;
  }
}

TEST_F(PrinterPlotting, PrinterPositionBeyond32BitsSkipsThePoint) {
  g.SetPlotDestination(TPlotDestination::Both);
  g.MoveTo(3, 5);
  TPelkgraphInternals::SetPrinterScaleFactor(g, 1e9f);
  g.LineTo(30, 40);
  EXPECT_EQ(g.SkippedPoints(), 1);
  EXPECT_EQ(g.XGraph(), 3);
  EXPECT_EQ(g.PrinterXGraph(), 12);
  EXPECT_EQ(ImageAt(20, 40), kPaper);
}

}  // namespace
}  // namespace pelk
