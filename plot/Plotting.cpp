// The drawing calls: the pen position in control, plot and printer pixels,
// and moves and lines routed to the image, the control's canvas and the
// printer. A point that cannot be mapped is skipped and leaves a gap.
#include <climits>
#include <cstdint>

#include "core/Pelkgraph.h"
#include "platform/Printer.h"
#include "plot/AxisScaleOf.h"
#include "plot/Mapping.h"

namespace pelk {

namespace {

// One pen position: canvas pixels and the offset from the plot origin (y up).
struct Position {
  int xCanvas = 0;
  int yCanvas = 0;
  int xGraph = 0;
  int yGraph = 0;
};

bool FitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// Places an offset from a plot origin; false when the canvas pixel leaves
// the 32-bit range.
bool PlaceFromOrigin(int xOrigin, int yOrigin, std::int64_t xGraph, std::int64_t yGraph, Position& p) {
  const std::int64_t x = xOrigin + xGraph;
  const std::int64_t y = yOrigin - yGraph;
  if (!FitsInt32(xGraph) || !FitsInt32(yGraph) || !FitsInt32(x) || !FitsInt32(y)) return false;
  p = {static_cast<int>(x), static_cast<int>(y), static_cast<int>(xGraph), static_cast<int>(yGraph)};
  return true;
}


// A line to (x, y); in Graph mode its end pixel is then set plainly.
void DrawLine(TCanvas& canvas, int x, int y, bool endPixel, TColor endColor) {
  if (endPixel) {
    canvas.LineToAndSetEnd(x, y, endColor);
  } else {
    canvas.LineTo(x, y);
  }
}

}  // namespace

struct TPelkgraph::PenPoint {
  Position screen;
  Position printer;  // only while the printer is enabled
};

bool TPelkgraph::PixelCallPoint(int X, int Y, PenPoint& point) const {
  if (!PlaceFromOrigin(FXorigin, FYorigin, X, Y, point.screen)) return false;
  if (!FPrinterEnabled) return true;
  const auto px = PrinterFromPixel(X, FPrinterScaleFactor);
  const auto py = PrinterFromPixel(Y, FPrinterScaleFactor);
  return px && py && PlaceFromOrigin(FPrinterXorigin, FPrinterYorigin, *px, *py, point.printer);
}

bool TPelkgraph::ScaledCallPoint(float X, float Y, PenPoint& point) {
  // The second Y axis has its own scale but shares the primary's divisions.
  const TAxis& yAxis = FSecondYaxis && FUseSecondYAxis ? *FYAxis2 : *FYAxis;
  const AxisPlacement xPlace{FXAxis->DivisionWidth(), FXorigin, AxisOrientation::Horizontal};
  const AxisPlacement yPlace{FYAxis->DivisionWidth(), FYorigin, AxisOrientation::Vertical};
  // Unmappable values give NaN or an infinity, which rounding turns away.
  const float xPixel = FXMap.For(ScaleOf(*FXAxis), xPlace, FLn10).UncheckedPixel(X);
  const float yPixel = FYMap.For(ScaleOf(yAxis), yPlace, FLn10).UncheckedPixel(Y);
  const auto xCanvas = RoundPixel(xPixel);
  const auto yCanvas = RoundPixel(yPixel);
  if (!xCanvas || !yCanvas) return false;
  // The canvas pixels are the rounded ones; only the offsets can overflow.
  const std::int64_t xGraph = std::int64_t{*xCanvas} - FXorigin;
  const std::int64_t yGraph = std::int64_t{FYorigin} - *yCanvas;
  if (!FitsInt32(xGraph) || !FitsInt32(yGraph)) return false;
  point.screen = {*xCanvas, *yCanvas, static_cast<int>(xGraph), static_cast<int>(yGraph)};
  if (!FPrinterEnabled) return true;
  // The printer takes the unrounded pixel, so it keeps the value's precision.
  const auto px = PrinterFromUnrounded(xPixel, xPlace, FPrinterScaleFactor);
  const auto py = PrinterFromUnrounded(yPixel, yPlace, FPrinterScaleFactor);
  return px && py && PlaceFromOrigin(FPrinterXorigin, FPrinterYorigin, *px, *py, point.printer);
}

void TPelkgraph::SelectPlotClip() {
  if (!FClipData) return;
  // A canvas that still holds the live region needs no new selection; lines
  // in a row mostly find it so.
  const std::uint64_t deletions = DeletedObjectCount();
  const auto select = [deletions](TCanvas& canvas, HRGN region) {
    if (!canvas.ClipComesFrom(region, deletions)) SelectClipRgn(canvas.Context(), region);
  };
  select(FBitmap->Canvas(), FBitmapClipRgn);
  select(Canvas(), FCanvasClipRgn);
  if (FPrinterEnabled) select(Printer().Canvas(), FPrinterClipRgn);
}

void TPelkgraph::PenTo(const PenPoint& point, bool line) {
  // After a skipped point the curve starts again here instead of bridging the gap.
  if (FCurveBroken) {
    line = false;
    FCurveBroken = false;
  }
  const Position& s = point.screen;
  FXCanvas = s.xCanvas;
  FYCanvas = s.yCanvas;
  FXGraph = s.xGraph;
  FYGraph = s.yGraph;
  if (FPrinterEnabled) {
    const Position& p = point.printer;
    FPrinterXcanvas = p.xCanvas;
    FPrinterYcanvas = p.yCanvas;
    FPrinterXGraph = p.xGraph;
    FPrinterYGraph = p.yGraph;
  }

  const bool endPixel = FLineMode == TLineMode::Graph;
  if (FScreenEnabled) {
    TCanvas& image = FBitmap->Canvas();
    if (line) {
      DrawLine(image, s.xCanvas, s.yCanvas, endPixel, FPenColor);
      if (Visible()) DrawLine(Canvas(), s.xCanvas, s.yCanvas, endPixel, FPenColor);
    } else {
      // The control's canvas is moved also while the control is hidden.
      image.MoveTo(s.xCanvas, s.yCanvas);
      Canvas().MoveTo(s.xCanvas, s.yCanvas);
    }
  }
  if (FPrinterEnabled) {
    TCanvas& printer = Printer().Canvas();
    if (line) {
      DrawLine(printer, FPrinterXcanvas, FPrinterYcanvas, endPixel, FPrintMonoChrome ? clBlack : FPenColor);
    } else {
      printer.MoveTo(FPrinterXcanvas, FPrinterYcanvas);
    }
  }
}

void TPelkgraph::SkipPoint() {
  if (FSkippedPoints < LLONG_MAX) ++FSkippedPoints;
  FCurveBroken = true;
}

void TPelkgraph::ResetPlottingState() {
  FSkippedPoints = 0;
  FCurveBroken = false;
}

void TPelkgraph::MoveTo(int X, int Y) {
  PenPoint point;
  if (PixelCallPoint(X, Y, point)) {
    PenTo(point, false);
  } else {
    SkipPoint();
  }
}

void TPelkgraph::LineTo(int X, int Y) {
  SelectPlotClip();
  PenPoint point;
  if (PixelCallPoint(X, Y, point)) {
    PenTo(point, true);
  } else {
    SkipPoint();
  }
  FRedrawFrame = false;
}

void TPelkgraph::MoveScaledTo(float X, float Y) {
  PenPoint point;
  if (ScaledCallPoint(X, Y, point)) {
    PenTo(point, false);
  } else {
    SkipPoint();
  }
}

void TPelkgraph::LineScaledTo(float X, float Y) {
  SelectPlotClip();
  PenPoint point;
  if (ScaledCallPoint(X, Y, point)) {
    PenTo(point, true);
  } else {
    SkipPoint();
  }
  FRedrawFrame = false;
}

void TPelkgraph::PlotLastPixel() {
  Canvas().SetPixel(FXCanvas, FYCanvas, FPenColor);
  FBitmap->Canvas().SetPixel(FXCanvas, FYCanvas, FPenColor);
  if (FPrinterEnabled) Printer().Canvas().SetPixel(FPrinterXcanvas, FPrinterYcanvas, FPenColor);
}

}  // namespace pelk
