// Parts of the frame that the screen render and the printed frame draw
// alike: the border's edges, the text lines and the axis lines.
#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "render/AxisLineColor.h"
#include "render/LayoutMath.h"

namespace pelk {

void TPelkgraph::DrawBorderEdges(TCanvas& canvas, int left, int top, int width, int height, bool monochrome) {
  const int right = SaturatingAdd(SaturatingAdd(left, width), -1);
  const int bottom = SaturatingAdd(SaturatingAdd(top, height), -1);
  // Left and top edges in the highlight, right and bottom in the shadow.
  if (!monochrome) canvas.Pen().SetColor(FHighlightColor);
  canvas.MoveTo(left, SaturatingAdd(top, height));
  canvas.LineTo(left, top);
  canvas.LineTo(right, top);
  if (!monochrome) canvas.Pen().SetColor(FShadowColor);
  canvas.LineTo(right, bottom);
  canvas.LineTo(left, bottom);
}

void TPelkgraph::DrawTextLines(TCanvas& canvas, int yend, bool printer) {
  const float scale = printer ? FPrinterScaleFactor : 1.0f;
  const TitleBaselines baselines = TitleLineBaselines(
      TitleLines{!FTitle.empty(), !FSubtitle.empty(), !FId.empty()},
      TitleMetrics{FTitleHeight, FSubtitleHeight, FIdHeight, FTitleOffset, FSubtitleOffset, FIdOffset}, yend, scale);
  const struct {
    const std::string& text;
    const TFont& font;
    int baseline;
  } lines[] = {{FId, *FIdFont, baselines.id},
               {FSubtitle, *FSubtitleFont, baselines.subtitle},
               {FTitle, *FTitleFont, baselines.title}};
  for (const auto& line : lines) {
    if (line.text.empty()) continue;
    FDrawY = line.baseline;
    if (printer) {
      AssignPrinterFont(canvas, line.font);
      if (FPrintMonoChrome) canvas.Font().SetColor(clBlack);
    } else {
      canvas.Font().Assign(line.font);
    }
    canvas.TextOut(FCenterX, line.baseline, line.text);
  }
}

void TPelkgraph::DrawAxisLines(TCanvas& canvas, int xorigin, int yorigin, int xend, int yend, int xLineEnd,
                               bool monochrome) {
  TPen& pen = canvas.Pen();
  if (!monochrome) pen.SetColor(AxisLineColor(*FYAxis, FMajorGridColor));
  canvas.MoveTo(xorigin, yend);
  canvas.LineTo(xorigin, yorigin);
  if (!monochrome) pen.SetColor(AxisLineColor(*FXAxis, FMajorGridColor));
  canvas.LineTo(xLineEnd, yorigin);
  if (FSecondYaxis) {
    // Up to and including yend.
    if (!monochrome) pen.SetColor(AxisLineColor(*FYAxis2, FMajorGridColor));
    canvas.MoveTo(xend, yorigin);
    canvas.LineTo(xend, SaturatingAdd(yend, -1));
  }
}

}  // namespace pelk
