// The printed frame: the empty graph drawn again on the printer page at a
// place and width in inches, scaled from the last screen layout, leaving the
// printer geometry, clip region and data pen for the drawing calls.
#include "core/Pelkgraph.h"
#include "core/SetterRules.h"
#include "platform/Arith.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "print/PrintLayout.h"
#include "render/LayoutMath.h"

namespace pelk {

namespace {

// Confines the canvas to a rectangle; the context keeps its own copy.
void ClipTo(TCanvas& canvas, int left, int top, int right, int bottom) {
  const HRGN region = CreateRectRgn(left, top, right, bottom);
  SelectClipRgn(canvas.Context(), region);
  DeleteObject(region);
}

}  // namespace

void TPelkgraph::AssignPrinterFont(TCanvas& page, const TFont& font) {
  page.Font().Assign(font);
  page.Font().SetSize(PrinterFontSize(page.Font().Size(), FPrinterFontScale));
}

void TPelkgraph::PrintGrids(float PrintLeft, float PrintTop, float PrintWidth) {
  // The printed sizes come from a layout; before the first one the graph is
  // laid out as its next render would be.
  if (!FLaidOut) LayOutNewImage();
  TCanvas& page = Printer().Canvas();

  // 1-4. Resolution, scale, printed size, place and plot area.
  FPrinterPixelsPerInch = GetDeviceCaps(Printer().Handle(), LOGPIXELSX);
  const PrintedFrame frame = PlacePrintedFrame(
      {FPrinterPixelsPerInch, Screen().PixelsPerInch(), FPrintedWidth, FPrintedHeight, FXAxisLength, FYAxisLength},
      PrintLeft, PrintTop, PrintWidth);
  FPrinterScaleFactor = frame.scaleFactor;
  FPrinterFontScale = frame.fontScale;
  FPrinterGraphWidth = frame.graphWidth;
  FPrinterGraphHeight = frame.graphHeight;
  FPrinterLeft = frame.left;
  FPrinterTop = frame.top;
  FCenterX = frame.centerX;
  FCenterY = frame.centerY;
  FPrinterXorigin = frame.xorigin;
  FPrinterYorigin = frame.yorigin;
  FPrinterXend = frame.xend;
  FPrinterYend = frame.yend;

  // 5. Everything drawn here stays within the printed graph; the plot area's
  // region, its edges included, waits for the drawing calls.
  const int graphRight = SaturatingAdd(FPrinterLeft, FPrinterGraphWidth);
  const int graphBottom = SaturatingAdd(FPrinterTop, FPrinterGraphHeight);
  ClipTo(page, FPrinterLeft, FPrinterTop, SaturatingAdd(graphRight, 1), SaturatingAdd(graphBottom, 1));
  DeleteObject(FPrinterClipRgn);
  FPrinterClipRgn = CreateRectRgn(FPrinterXorigin, FPrinterYend, SaturatingAdd(FPrinterXend, 1),
                                  SaturatingAdd(FPrinterYorigin, 1));

  // 6. Canvas: in monochrome black lines on a white brush.
  page.SetCopyMode(cmSrcCopy);
  page.Brush().SetColor(FPrintMonoChrome ? clWhite : FColor);
  page.Pen().SetColor(FPrintMonoChrome ? clBlack : FColor);
  page.Pen().SetWidth(1);
  page.Pen().SetStyle(psSolid);
  page.Pen().SetMode(pmCopy);

  // 7. Border; only in colour is its inside filled (else the paper shows).
  if (FBorder) {
    DrawBorderEdges(page, FPrinterLeft, FPrinterTop, FPrinterGraphWidth, FPrinterGraphHeight, FPrintMonoChrome);
    if (!FPrintMonoChrome) {
      page.Rectangle(SaturatingAdd(FPrinterLeft, 1), SaturatingAdd(FPrinterTop, 1), SaturatingAdd(graphRight, -2),
                     SaturatingAdd(graphBottom, -2));
    }
  }

  // 8. X axis, on a transparent background; it leaves baseline-centre
  // alignment for the text lines.
  AssignPrinterFont(page, FXAxis->Font());
  SetBkMode(page.Handle(), TRANSPARENT);
  AnnotateXAxis(page, FPrinterXorigin, FPrinterYorigin, true);

  // 9. Text lines.
  DrawTextLines(page, FPrinterYend, true);

  // 10-11. Y axes.
  AssignPrinterFont(page, FYAxis->Font());
  AnnotateYAxis(page, FPrinterXorigin, FPrinterYorigin, true);
  if (FSecondYaxis) {
    AssignPrinterFont(page, FYAxis2->Font());
    AnnotateYAxis2(page, FPrinterXend, FPrinterYorigin, true);
  }

  // 12. Plot area and grids.
  DrawPrinterGrid(FPrinterScaleFactor);

  // 13. Axis lines with the pen width the grid left.
  DrawAxisLines(page, FPrinterXorigin, FPrinterYorigin, FPrinterXend, FPrinterYend, FPrinterXend, FPrintMonoChrome);

  // 14. The data pen, at the printer counterpart of the current position.
  const TPoint pen = PrinterCounterpart(frame, FXGraph, FYGraph);
  page.MoveTo(pen.X, pen.Y);
  page.Pen().SetWidth(AbsoluteValue(FPrinterPenWidth));
  page.Pen().SetMode(FPenMode);
  page.Pen().SetStyle(FPenStyle);
  if (!FPrintMonoChrome) page.Pen().SetColor(FPenColor);
}

void TPelkgraph::NoPrinterClipping() {
  // The plot area is selected again by the next clipped line.
  ClipTo(Printer().Canvas(), 0, 0, Printer().PageWidth(), Printer().PageHeight());
}

}  // namespace pelk
