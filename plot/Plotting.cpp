// The drawing calls: the pen position in control, plot and printer pixels,
// and moves and lines routed to the image, the control's canvas and the
// printer. A point that cannot be mapped is skipped and leaves a gap.
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "platform/Printer.h"
#include "plot/AxisScaleOf.h"
#include "plot/PlotSession.h"

namespace pelk {

namespace {

// Places an offset from a plot origin; false when the canvas pixel leaves
// the 32-bit range.
bool PlaceFromOrigin(int xOrigin, int yOrigin, std::int64_t xGraph, std::int64_t yGraph, PenPosition& p) {
  const std::int64_t x = xOrigin + xGraph;
  const std::int64_t y = yOrigin - yGraph;
  if (!FitsInt(xGraph) || !FitsInt(yGraph) || !FitsInt(x) || !FitsInt(y)) return false;
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

// Points a screen run places before it draws them.
constexpr std::size_t kRunChunk = 256;

// The screens' pens for a run, given back to their canvases when it ends,
// also by an exception.
class ScreenPens {
 public:
  explicit ScreenPens(const PlotSession& session)
      : image(session.image.Begin()), control(session.control.Begin()), session_(session) {}
  ~ScreenPens() {
    session_.image.End(image);
    session_.control.End(control);
  }
  ScreenPens(const ScreenPens&) = delete;
  ScreenPens& operator=(const ScreenPens&) = delete;

  DirectPen image, control;

 private:
  const PlotSession& session_;
};

}  // namespace

struct TPelkgraph::PenPoint {
  PenPosition screen;
  PenPosition printer;  // only while the printer is enabled
};

PlotSession& TPelkgraph::MoveSession() {
  if (FPlotSession->mapsAt != DrawingStateGeneration()) [[unlikely]] PrepareMaps();
  return *FPlotSession;
}

PlotSession& TPelkgraph::LineSession() {
  if (FPlotSession->linesAt != DrawingStateGeneration()) [[unlikely]] PrepareLines();
  return *FPlotSession;
}

void TPelkgraph::PrepareMaps() {
  PlotSession& s = *FPlotSession;
  // The second Y axis has its own scale but shares the primary's divisions.
  const TAxis& yAxis = FSecondYaxis && FUseSecondYAxis ? *FYAxis2 : *FYAxis;
  s.xPlace = {FXAxis->DivisionWidth(), FXorigin, AxisOrientation::Horizontal};
  s.yPlace = {FYAxis->DivisionWidth(), FYorigin, AxisOrientation::Vertical};
  s.xMap = AxisMap(ScaleOf(*FXAxis), s.xPlace, FLn10);
  s.yMap = AxisMap(ScaleOf(yAxis), s.yPlace, FLn10);
  s.mapsAt = DrawingStateGeneration();
  s.linesAt = PlotSession::kNever;
}

// Step 1 of every line call for the screen: the regions selected once stay
// selected while the generation stays (any other selection moves it).
// Selecting them may move it, so the session takes the generation after.
void TPelkgraph::PrepareLines() {
  PlotSession& s = *FPlotSession;
  if (s.mapsAt != DrawingStateGeneration()) PrepareMaps();
  if (FClipData) {
    SelectClipRgn(FBitmap->Canvas().Context(), FBitmapClipRgn);
    SelectClipRgn(Canvas().Context(), FCanvasClipRgn);
  }
  s.image = DirectLines(FBitmap->Canvas());
  s.control = DirectLines(Canvas());
  s.mapsAt = s.linesAt = DrawingStateGeneration();
}

// Step 1 of every line call for the printer, which keeps nothing.
void TPelkgraph::SelectPrinterClip() {
  if (FClipData && FPrinterEnabled) SelectClipRgn(Printer().Canvas().Context(), FPrinterClipRgn);
}

inline bool TPelkgraph::PixelScreenPoint(int X, int Y, PenPosition& screen) const {
  return PlaceFromOrigin(FXorigin, FYorigin, X, Y, screen);
}

inline bool TPelkgraph::PixelCallPoint(int X, int Y, PenPoint& point) const {
  if (!PixelScreenPoint(X, Y, point.screen)) return false;
  if (!FPrinterEnabled) return true;
  const auto px = PrinterFromPixel(X, FPrinterScaleFactor);
  const auto py = PrinterFromPixel(Y, FPrinterScaleFactor);
  return px && py && PlaceFromOrigin(FPrinterXorigin, FPrinterYorigin, *px, *py, point.printer);
}

[[gnu::always_inline]] inline bool TPelkgraph::ScaledScreenPoint(const PlotSession& session, float X, float Y, PenPosition& screen) const {
  // Unmappable values give NaN or an infinity, which rounding turns away.
  const auto xCanvas = RoundPixel(session.xMap.UncheckedPixel(X));
  const auto yCanvas = RoundPixel(session.yMap.UncheckedPixel(Y));
  if (!xCanvas || !yCanvas) return false;
  // The canvas pixels are the rounded ones; only the offsets can overflow.
  int xGraph = 0, yGraph = 0;
  if (__builtin_sub_overflow(*xCanvas, FXorigin, &xGraph) || __builtin_sub_overflow(FYorigin, *yCanvas, &yGraph)) {
    return false;
  }
  screen = {*xCanvas, *yCanvas, xGraph, yGraph};
  return true;
}

[[gnu::always_inline]] inline bool TPelkgraph::ScaledCallPoint(const PlotSession& session, float X, float Y, PenPoint& point) const {
  if (!ScaledScreenPoint(session, X, Y, point.screen)) return false;
  if (!FPrinterEnabled) return true;
  // The printer takes the unrounded pixel, so it keeps the value's precision.
  const auto px = PrinterFromUnrounded(session.xMap.UncheckedPixel(X), session.xPlace, FPrinterScaleFactor);
  const auto py = PrinterFromUnrounded(session.yMap.UncheckedPixel(Y), session.yPlace, FPrinterScaleFactor);
  return px && py && PlaceFromOrigin(FPrinterXorigin, FPrinterYorigin, *px, *py, point.printer);
}

inline void TPelkgraph::StoreScreenPosition(const PenPosition& s) {
  FXCanvas = s.xCanvas;
  FYCanvas = s.yCanvas;
  FXGraph = s.xGraph;
  FYGraph = s.yGraph;
}

inline void TPelkgraph::StorePosition(const PenPoint& point) {
  StoreScreenPosition(point.screen);
  if (FPrinterEnabled) {
    const PenPosition& p = point.printer;
    FPrinterXcanvas = p.xCanvas;
    FPrinterYcanvas = p.yCanvas;
    FPrinterXGraph = p.xGraph;
    FPrinterYGraph = p.yGraph;
  }
}

void TPelkgraph::MovePens(const PenPoint& point) {
  FCurveBroken = false;
  StorePosition(point);
  if (FScreenEnabled) {
    // The control's canvas is moved also while the control is hidden.
    FBitmap->Canvas().MoveTo(FXCanvas, FYCanvas);
    Canvas().MoveTo(FXCanvas, FYCanvas);
  }
  if (FPrinterEnabled) Printer().Canvas().MoveTo(FPrinterXcanvas, FPrinterYcanvas);
}

// One line call: the screens through the session's direct lines, the
// printer on its canvas.
inline void TPelkgraph::LinePens(const PlotSession& session, const PenPoint& point) {
  // After a skipped point the curve starts again here instead of bridging the gap.
  if (FCurveBroken) {
    MovePens(point);
    return;
  }
  StorePosition(point);
  const bool endPixel = FLineMode == TLineMode::Graph;
  if (FScreenEnabled) {
    const std::uint32_t endRGB = ColorToRGB(FPenColor);
    const std::uint32_t* end = endPixel ? &endRGB : nullptr;
    session.image.LineTo(FXCanvas, FYCanvas, end);
    if (Visible()) session.control.LineTo(FXCanvas, FYCanvas, end);
  }
  if (FPrinterEnabled) {
    DrawLine(Printer().Canvas(), FPrinterXcanvas, FPrinterYcanvas, endPixel, FPrintMonoChrome ? clBlack : FPenColor);
  }
}

void TPelkgraph::CountSkipped(long long count) {
  FSkippedPoints = count > LLONG_MAX - FSkippedPoints ? LLONG_MAX : FSkippedPoints + count;
}

void TPelkgraph::SkipPoint() {
  CountSkipped(1);
  FCurveBroken = true;
}

void TPelkgraph::ResetPlottingState() {
  FSkippedPoints = 0;
  FCurveBroken = false;
}

void TPelkgraph::MoveTo(int X, int Y) {
  PenPoint point;
  if (PixelCallPoint(X, Y, point)) {
    MovePens(point);
  } else {
    SkipPoint();
  }
}

void TPelkgraph::MoveScaledTo(float X, float Y) {
  PenPoint point;
  if (ScaledCallPoint(MoveSession(), X, Y, point)) {
    MovePens(point);
  } else {
    SkipPoint();
  }
}

// One line call: step 1, the clip selection (the printer's, which keeps
// nothing; the session keeps the screens' regions selected), then the
// point that place(point) gives, then FRedrawFrame.
template <class Place>
inline void TPelkgraph::LineCall(Place place) {
  // The printer's clip first: selecting it may move the generation, which
  // the screens' session then already includes.
  SelectPrinterClip();
  const PlotSession& session = LineSession();
  PenPoint point;
  if (place(point)) {
    LinePens(session, point);
  } else {
    SkipPoint();
  }
  FRedrawFrame = false;
}

// A run of line calls: place(i, point) gives the i-th point, screenPlace(i,
// screen) its screen part. A run that reaches the printer, or not the
// screens, is made of the line calls themselves. With the screens as the
// only destination the run goes in chunks: the points of a chunk are placed
// (the position properties, SkippedPoints and the gaps, point by point;
// nothing there can fail, so the chunk's last position and FRedrawFrame are
// stored once), then the image's pen and the control's pen each take the chunk's steps
// through the session's direct lines. The clip selection is made once: no
// point changes what it reads. The two screens are separate surfaces, so
// drawing a chunk on each in turn sets the pixels the calls one by one set.
template <class Place, class ScreenPlace>
void TPelkgraph::LineRun(std::size_t count, Place place, ScreenPlace screenPlace) {
  if (count == 0) return;
  if (!FScreenEnabled || FPrinterEnabled) {
    for (std::size_t i = 0; i < count; ++i) LineCall([&](PenPoint& point) { return place(i, point); });
    return;
  }
  const PlotSession& session = LineSession();
  const std::uint32_t endRGB = ColorToRGB(FPenColor);
  const std::uint32_t* end = FLineMode == TLineMode::Graph ? &endRGB : nullptr;
  const bool visible = Visible();
  ScreenPens pens(session);
  std::array<DirectStep, kRunChunk> steps;  // left uninitialised: only placed steps are read
  for (std::size_t first = 0; first < count; first += kRunChunk) {
    const std::size_t last = std::min(count, first + kRunChunk);
    std::size_t placed = 0;
    long long skipped = 0;
    bool broken = FCurveBroken;
    for (std::size_t i = first; i < last; ++i) {
      PenPosition screen;
      if (screenPlace(i, screen)) {
        // After a skipped point the curve starts again here instead of bridging the gap.
        steps[placed++] = {screen.xCanvas, screen.yCanvas, broken};
        broken = false;
      } else {
        ++skipped;
        broken = true;
      }
    }
    // Only the latest position shows once the chunk is placed; its offsets
    // were found to fit when it was placed.
    if (placed != 0) {
      const DirectStep& latest = steps[placed - 1];
      StoreScreenPosition({latest.x, latest.y, latest.x - FXorigin, FYorigin - latest.y});
    }
    CountSkipped(skipped);
    FCurveBroken = broken;
    FRedrawFrame = false;
    const std::span<const DirectStep> chunk(steps.data(), placed);
    session.image.Take(pens.image, chunk, end, true);
    // The hidden control's pen moves but draws nothing.
    session.control.Take(pens.control, chunk, end, visible);
  }
}

void TPelkgraph::LineTo(int X, int Y) {
  LineCall([&](PenPoint& point) { return PixelCallPoint(X, Y, point); });
}

void TPelkgraph::LineScaledTo(float X, float Y) {
  LineCall([&](PenPoint& point) { return ScaledCallPoint(*FPlotSession, X, Y, point); });
}

void TPelkgraph::LineTo(std::span<const TPoint> points) {
  LineRun(
      points.size(), [&](std::size_t i, PenPoint& point) { return PixelCallPoint(points[i].X, points[i].Y, point); },
      [&](std::size_t i, PenPosition& screen) { return PixelScreenPoint(points[i].X, points[i].Y, screen); });
}

void TPelkgraph::LineScaledTo(std::span<const float> xs, std::span<const float> ys) {
  const PlotSession& session = *FPlotSession;
  LineRun(
      std::min(xs.size(), ys.size()),
      [&](std::size_t i, PenPoint& point) { return ScaledCallPoint(session, xs[i], ys[i], point); },
      [&](std::size_t i, PenPosition& screen) { return ScaledScreenPoint(session, xs[i], ys[i], screen); });
}

void TPelkgraph::PlotLastPixel() {
  Canvas().SetPixel(FXCanvas, FYCanvas, FPenColor);
  FBitmap->Canvas().SetPixel(FXCanvas, FYCanvas, FPenColor);
  if (FPrinterEnabled) Printer().Canvas().SetPixel(FPrinterXcanvas, FPrinterYcanvas, FPenColor);
}

}  // namespace pelk
