// The zoom drag: a not-xor rubber band follows the mouse over the plot area,
// and the release reports the rectangle in pixels and in axis values. Also
// the read-out of a pixel's values and the hit test of the plot area.
#include <algorithm>
#include <cstdint>

#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "platform/Gdi.h"
#include "plot/AxisScaleOf.h"
#include "plot/Mapping.h"

namespace pelk {

namespace {

// low when v < low, high when v > high, else v.
int ClampTo(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

// The flag a pressed button adds to the shift state; none for an unknown button.
TShiftState ButtonShift(TMouseButton button) {
  switch (button) {
    case mbLeft: return TShiftState{ssLeft};
    case mbRight: return TShiftState{ssRight};
    case mbMiddle: return TShiftState{ssMiddle};
  }
  return TShiftState{};
}

// The outline of the rectangle with corners (ax, ay) and (cx, cy). Each line
// leaves its end out, so every pixel is drawn once and a not-xor pen
// removes the outline when it is drawn again.
void DrawBand(TCanvas& canvas, int ax, int ay, int cx, int cy) {
  canvas.MoveTo(ax, ay);
  canvas.LineTo(cx, ay);
  canvas.LineTo(cx, cy);
  canvas.LineTo(ax, cy);
  canvas.LineTo(ax, ay);
}

}  // namespace

// ---- Read-out -----------------------------------------------------------

bool TPelkgraph::CursorInPlotArea(int X, int Y) const {
  return FXorigin <= X && X <= FXend && FYend <= Y && Y <= FYorigin;
}

void TPelkgraph::GetValues(int X, int Y, float& XValue, float& YValue, int& XOffset, int& YOffset) {
  XOffset = ClampToInt(std::int64_t{X} - FXorigin);
  YOffset = ClampToInt(std::int64_t{FYorigin} - Y);
  if (!CursorInPlotArea(X, Y)) {
    XValue = 0;
    YValue = 0;
    return;
  }
  // Both Y axes share the divisions of the primary one.
  const TAxis& yAxis = FSecondYaxis && FUseSecondYAxis ? *FYAxis2 : *FYAxis;
  XValue = PixelToValue(ScaleOf(*FXAxis), {FXAxis->DivisionWidth(), FXorigin, AxisOrientation::Horizontal}, X,
                        FLn10);
  YValue = PixelToValue(ScaleOf(yAxis), {FYAxis->DivisionWidth(), FYorigin, AxisOrientation::Vertical}, Y, FLn10);
}

float TPelkgraph::SecondYValue(int Y) const {
  if (!FSecondYaxis) return 0;
  return PixelToValue(ScaleOf(*FYAxis2), {FYAxis->DivisionWidth(), FYorigin, AxisOrientation::Vertical}, Y, FLn10);
}

TPoint TPelkgraph::ClampToPlotArea(int X, int Y) const {
  return {ClampTo(X, FXorigin, FXend), ClampTo(Y, FYend, FYorigin)};
}

// ---- Band drawing --------------------------------------------------------

void TPelkgraph::SetScreenPens(TPenMode mode, int width, TColor color, TPenStyle style) {
  for (TCanvas* canvas : {&Canvas(), &FBitmap->Canvas()}) {
    TPen& pen = canvas->Pen();
    pen.SetMode(mode);
    pen.SetWidth(width);
    pen.SetColor(color);
    pen.SetStyle(style);
  }
}

void TPelkgraph::DrawBandOnScreens(int ax, int ay, int cx, int cy) {
  DrawBand(Canvas(), ax, ay, cx, cy);
  DrawBand(FBitmap->Canvas(), ax, ay, cx, cy);
}

void TPelkgraph::MoveBandTo(TPoint corner) {
  TZoomBox& z = *FZoomBox;
  // A paint during the drag copies the image, band included, instead of
  // rendering a fresh frame.
  FRedrawFrame = false;
  DrawBandOnScreens(z.FAnchorX, z.FAnchorY, z.FCurrentX, z.FCurrentY);  // removes the band shown
  DrawBandOnScreens(z.FAnchorX, z.FAnchorY, corner.X, corner.Y);
  z.FCurrentX = corner.X;
  z.FCurrentY = corner.Y;
  z.FErased = false;
}

// ---- Mouse protocol -----------------------------------------------------

void TPelkgraph::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TZoomBox& z = *FZoomBox;
  // A matching press while a drag is still open (after a release with
  // other keys) keeps that drag, with the pens and flag saved when it began.
  if (z.FEnabled && !z.FDragging && Shift == z.FZoomShift) {
    const TPen& pen = Canvas().Pen();
    FSavedPenMode = pen.Mode();
    FSavedPenWidth = pen.Width();
    FSavedPenColor = pen.Color();
    FSavedPenStyle = pen.Style();
    SetScreenPens(pmNotXor, 1, z.FColor, psSolid);

    const TPoint anchor = ClampToPlotArea(X, Y);
    z.FDragging = true;
    z.FAnchorX = z.FCurrentX = anchor.X;
    z.FAnchorY = z.FCurrentY = anchor.Y;
    // The Y values of the drag refer to the primary Y axis.
    z.FSavedUseSecondYAxis = FUseSecondYAxis;
    FUseSecondYAxis = false;
    int xOffset = 0, yOffset = 0;
    GetValues(anchor.X, anchor.Y, z.FAnchorXValue, z.FAnchorYValue, xOffset, yOffset);
    z.FAnchorSecondYValue = SecondYValue(anchor.Y);
  }
  TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TPelkgraph::MouseMove(TShiftState Shift, int X, int Y) {
  if (FZoomBox->FEnabled && FZoomBox->FDragging) MoveBandTo(ClampToPlotArea(X, Y));
  TGraphicControl::MouseMove(Shift, X, Y);
}

void TPelkgraph::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TZoomBox& z = *FZoomBox;
  // A release's shift state no longer holds the released button.
  if (z.FEnabled && z.FDragging && Shift + ButtonShift(Button) == z.FZoomShift) {
    z.FDragging = false;
    const TPoint end = ClampToPlotArea(X, Y);
    // The band shown must be the one reported, also when the release comes
    // somewhere no move reported.
    if (end.X != z.FCurrentX || end.Y != z.FCurrentY) MoveBandTo(end);

    float xEnd = 0, yEnd = 0;
    int xOffset = 0, yOffset = 0;
    FUseSecondYAxis = false;
    GetValues(end.X, end.Y, xEnd, yEnd, xOffset, yOffset);
    FUseSecondYAxis = z.FSavedUseSecondYAxis;

    const TRect band{std::min(z.FAnchorX, end.X), std::min(z.FAnchorY, end.Y), std::max(z.FAnchorX, end.X),
                     std::max(z.FAnchorY, end.Y)};
    TRect overlap;
    if (IntersectRect(overlap, band, TRect{FXorigin, FYend, FXend, FYorigin})) {
      StoreZoom(end, xEnd, yEnd);
      if (z.FAutoErase) EraseZoomBox();
    } else {
      ClearZoom();
      // A band of zero width or height: drawing it again removes it.
      DrawBandOnScreens(z.FAnchorX, z.FAnchorY, end.X, end.Y);
    }
    SetScreenPens(FSavedPenMode, FSavedPenWidth, FSavedPenColor, FSavedPenStyle);
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TPelkgraph::StoreZoom(TPoint end, float xEnd, float yEnd) {
  TZoomBox& z = *FZoomBox;
  z.FValidZoom = true;
  if (z.FAnchorX > end.X) {
    z.FLeft = end.X;
    z.FRight = z.FAnchorX;
    z.FXScaledLeft = xEnd;
    z.FXScaledRight = z.FAnchorXValue;
  } else {
    z.FLeft = z.FAnchorX;
    z.FRight = end.X;
    z.FXScaledLeft = z.FAnchorXValue;
    z.FXScaledRight = xEnd;
  }
  const float secondYEnd = SecondYValue(end.Y);
  if (end.Y > z.FAnchorY) {  // released below the anchor
    z.FTop = z.FAnchorY;
    z.FBottom = end.Y;
    z.FYScaledTop = z.FAnchorYValue;
    z.FYScaledBottom = yEnd;
    z.FSecondYScaledTop = z.FAnchorSecondYValue;
    z.FSecondYScaledBottom = secondYEnd;
  } else {
    z.FTop = end.Y;
    z.FBottom = z.FAnchorY;
    z.FYScaledTop = yEnd;
    z.FYScaledBottom = z.FAnchorYValue;
    z.FSecondYScaledTop = secondYEnd;
    z.FSecondYScaledBottom = z.FAnchorSecondYValue;
  }
}

void TPelkgraph::ClearZoom() {
  TZoomBox& z = *FZoomBox;
  z.FValidZoom = false;
  z.FTop = z.FBottom = z.FRight = z.FLeft = 0;
  z.FXScaledLeft = z.FXScaledRight = 0;
  z.FYScaledTop = z.FYScaledBottom = 0;
  z.FSecondYScaledTop = z.FSecondYScaledBottom = 0;
}

void TPelkgraph::EraseZoomBox() {
  TZoomBox& z = *FZoomBox;
  if (!z.FErased && z.FEnabled) {
    const TPen& pen = Canvas().Pen();
    const TPenMode mode = pen.Mode();
    const int width = pen.Width();
    const TColor color = pen.Color();
    const TPenStyle style = pen.Style();
    SetScreenPens(pmNotXor, 1, z.FColor, psSolid);
    DrawBandOnScreens(z.FLeft, z.FTop, z.FRight, z.FBottom);
    SetScreenPens(mode, width, color, style);
  }
  z.FErased = true;
}

}  // namespace pelk
