// Rendering of the frame into the retained image, and painting it.
#include "core/Pelkgraph.h"
#include "platform/Arith.h"

namespace pelk {

void TPelkgraph::LayOutNewImage() {
  // Its pixel storage is pooled by the platform, so replacing the image costs
  // no allocation.
  FBitmap = std::make_unique<TBitmap>();
  FRedrawFrame = true;
  ResetPlottingState();
  LayoutFrame();
  FLaidOut = true;
}

void TPelkgraph::RenderFrame() {
  // 1-3. A new image, laid out to the control's size.
  LayOutNewImage();

  TCanvas& image = FBitmap->Canvas();
  const int width = Width(), height = Height();

  // 4. Background.
  image.SetCopyMode(cmSrcCopy);
  image.Pen().SetWidth(1);
  image.Pen().SetStyle(psSolid);
  image.Pen().SetMode(pmCopy);
  image.Brush().SetColor(FColor);
  image.Pen().SetColor(FColor);
  if (FFrameInOnePass) {
    // The grid (step 9) sets every pixel of the plot area's fill plainly,
    // over whatever steps 5 to 8 draw there, so the background leaves it out
    // and each of those pixels is written once.
    FBitmap->Pixels().FillAround(ImagePlotAreaFill(), ColorToRGB(FColor));
  } else {
    image.Rectangle(0, 0, width, height);
  }

  // 5. Three-dimensional border.
  if (FBorder) {
    DrawBorderEdges(image, 0, 0, width, height, false);
    // The inside of the border, Rectangle(1, 1, Width - 2, Height - 2) in
    // Color, already holds Color from the background: filling it again would
    // change no pixel, so only the pen is set.
    image.Pen().SetColor(FColor);
  }

  // 6. X axis annotation; it leaves baseline-centre alignment and a
  // transparent background for the text lines.
  image.Brush().SetColor(FColor);
  image.Font().Assign(FXAxis->Font());
  AnnotateXAxis(image, FXorigin, FYorigin, false);

  // 7. Text lines, stacked upwards from the top of the plot area.
  DrawTextLines(image, FYend, false);

  // 8. Y axes.
  image.Font().Assign(FYAxis->Font());
  AnnotateYAxis(image, FXorigin, FYorigin, false);
  if (FSecondYaxis) {
    image.Font().Assign(FYAxis2->Font());
    AnnotateYAxis2(image, FXend, FYorigin, false);
  }

  // 9. Plot area and grids.
  DrawGrid();

  // 10. Axis lines over the grid: the X axis includes Xend, the second Y axis Yend.
  DrawAxisLines(image, FXorigin, FYorigin, FXend, FYend, SaturatingAdd(FXend, 1), false);

  // 11. The data pens. Both canvases start a curve at the plot origin.
  SetScreenPens(FPenMode, FPenWidth, FPenColor, FPenStyle);
  Canvas().MoveTo(FXorigin, FYorigin);
  image.MoveTo(FXorigin, FYorigin);
}

// The whole image, whatever clip the plotting calls left selected into the
// control's canvas: a paint starts from the control's default clip.
void TPelkgraph::ShowImage() {
  SelectClipRgn(Canvas().Context(), 0);
  Canvas().Draw(0, 0, *FBitmap);
}

void TPelkgraph::Paint() {
  if (FRedrawFrame) RenderFrame();
  ShowImage();
}

void TPelkgraph::Refresh() {
  FZoomBox->FErased = true;
  RenderFrame();
  if (Visible()) ShowImage();
}

}  // namespace pelk
