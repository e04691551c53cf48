// The geometry of the graph: line heights, axis lengths, annotation bands,
// the size the control needs, the centred plot area and its clip regions.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "platform/Screen.h"
#include "render/AxisNumbersOf.h"
#include "render/LayoutMath.h"

namespace pelk {

namespace {

int TextHeightOf(const TFont& font, int pixelsPerInch) { return MulDiv(font.Size(), pixelsPerInch, 96); }

int TextWidthIn(TCanvas& canvas, const TFont& font, const std::string& text) {
  canvas.Font().Assign(font);
  return canvas.TextWidth(text);
}

// Widest of the first and last number texts of a linear axis.
int WidestNumber(TCanvas& canvas, const TAxis& axis, double ln10) {
  const LinearAxisNumbers numbers = NumbersOf(axis);
  const CommonExponent exponent = AxisCommonExponent(numbers, ln10);
  return std::max(canvas.TextWidth(AxisDivisionText(numbers, exponent, 0, ln10)),
                  canvas.TextWidth(AxisDivisionText(numbers, exponent, numbers.divisions, ln10)));
}

// Width of "10" and of the widest decade exponent of a logarithmic axis.
struct DecadeWidths {
  int ten = 0;
  int exponent = 0;
};

DecadeWidths MeasureDecades(TCanvas& canvas, const TAxis& axis) {
  const std::int64_t lowest = axis.MinExponent();
  const std::int64_t highest = lowest + axis.NumberOfDivisions();
  return DecadeWidths{canvas.TextWidth("10"), std::max(canvas.TextWidth(std::to_string(lowest)),
                                                       canvas.TextWidth(std::to_string(highest)))};
}

// The depth of the band beside one axis.
std::int64_t AnnotationBand(TCanvas& canvas, const TAxis& axis, int textHeight, bool measuredByHeight,
                            BandKind kind, double ln10) {
  canvas.Font().Assign(axis.Font());
  BandInputs in;
  in.tic = axis.TicLength();
  in.offset = axis.NumberOffset();
  in.height = textHeight;
  in.log = axis.LogAxis();
  in.byHeight = measuredByHeight;
  in.hasLabel = !axis.AxisLabel().empty();
  in.labelOffset = axis.AxisLabelOffset();
  if (!measuredByHeight) {
    if (axis.LogAxis()) {
      const DecadeWidths w = MeasureDecades(canvas, axis);
      in.tenWidth = w.ten;
      in.exponentWidth = w.exponent;
    } else {
      in.numberWidth = WidestNumber(canvas, axis, ln10);
    }
  }
  return BandDepth(kind, in);
}

}  // namespace

void TPelkgraph::LayoutFrame() {
  // 1. Line heights.
  FTitleHeight = TextHeightOf(*FTitleFont, FScreenPixelsPerInch);
  FSubtitleHeight = TextHeightOf(*FSubtitleFont, FScreenPixelsPerInch);
  FIdHeight = TextHeightOf(*FIdFont, FScreenPixelsPerInch);
  FXAxisTextHeight = TextHeightOf(FXAxis->Font(), FScreenPixelsPerInch);
  FYAxisTextHeight = TextHeightOf(FYAxis->Font(), FScreenPixelsPerInch);
  FYAxis2TextHeight = TextHeightOf(FYAxis2->Font(), FScreenPixelsPerInch);

  // 2. Axis lengths.
  FXAxisLength = AxisLength(FXAxis->NumberOfDivisions(), FXAxis->DivisionWidth());
  FYAxisLength = AxisLength(FYAxis->NumberOfDivisions(), FYAxis->DivisionWidth());

  // 3. Room for the text lines above the plot area.
  FTitleBlockHeight = TitleBlockHeight(
      TitleLines{!FTitle.empty(), !FSubtitle.empty(), !FId.empty()},
      TitleMetrics{FTitleHeight, FSubtitleHeight, FIdHeight, FTitleOffset, FSubtitleOffset, FIdOffset});

  // 4. Annotation bands, measured on the control's canvas.
  TCanvas& canvas = Canvas();
  FXAnnotationHeight = ClampToInt(AnnotationBand(canvas, *FXAxis, FXAxisTextHeight,
                                                 FXAxis->AnnotationAngle() == TAnnotationAngle::Horizontal,
                                                 BandKind::XAxis, FLn10));
  FYAnnotationWidth = ClampToInt(AnnotationBand(canvas, *FYAxis, FYAxisTextHeight,
                                                FYAxis->AnnotationAngle() == TAnnotationAngle::Vertical,
                                                BandKind::YAxis, FLn10));
  FY2AnnotationWidth =
      FSecondYaxis ? ClampToInt(AnnotationBand(canvas, *FYAxis2, FYAxis2TextHeight,
                                               FYAxis2->AnnotationAngle() == TAnnotationAngle::Vertical,
                                               BandKind::SecondYAxis, FLn10))
                   : 0;

  // 6. Required size; with AutoSize, centred texts wider than the X axis widen the side bands.
  std::int64_t side = std::max(FYAnnotationWidth, FY2AnnotationWidth);
  if (FAutoSize) {
    const std::pair<const std::string*, const TFont*> centred[] = {
        {&FTitle, FTitleFont.get()},
        {&FSubtitle, FSubtitleFont.get()},
        {&FId, FIdFont.get()},
        {&FXAxis->AxisLabel(), &FXAxis->Font()}};
    for (const auto& [text, font] : centred) {
      if (text->empty()) continue;
      side = std::max<std::int64_t>(side, (TextWidthIn(canvas, *font, *text) - std::int64_t{FXAxisLength}) / 2);
    }
  }
  const std::int64_t band = std::max(FTitleBlockHeight, FXAnnotationHeight);
  FRequiredWidth = ClampToInt(std::int64_t{FXAxisLength} + 2 * side + 2 * std::int64_t{FLRmargin});
  FRequiredHeight = ClampToInt(std::int64_t{FYAxisLength} + 2 * band + 2 * std::int64_t{FTBmargin});

  // 7. Fit the control to the graph, or the divisions to the control.
  if (FAutoSize) {
    SetWidth(FRequiredWidth);
    SetHeight(FRequiredHeight);
  } else if (FStretchAxes != TStretchOption::No) {
    StretchDivisions();
  }

  // 8. The plot area, centred in the control.
  const PlotArea area = CentredPlotArea(Width(), Height(), FXAxisLength, FYAxisLength);
  FCenterX = area.centerX;
  FCenterY = area.centerY;
  FXorigin = area.xorigin;
  FYorigin = area.yorigin;
  FXend = area.xend;
  FYend = area.yend;

  // 9. The image takes the control's size.
  FBitmap->SetWidth(Width());
  FBitmap->SetHeight(Height());
  FBitmap->SetMonochrome(false);

  // 10. Size in inches at the screen's resolution.
  FPrintedHeight = static_cast<float>(static_cast<double>(Height()) / Screen().PixelsPerInch());
  FPrintedWidth = static_cast<float>(static_cast<double>(Width()) / Screen().PixelsPerInch());

  // 11. Clip regions of the plot area: the image's, and the control's in its parent's coordinates.
  if (FClipData) {
    SelectClipRgn(FBitmap->Canvas().Handle(), 0);
    SelectClipRgn(Canvas().Handle(), 0);
    DeleteObject(FBitmapClipRgn);
    DeleteObject(FCanvasClipRgn);
    FBitmapClipRgn = CreateRectRgn(FXorigin, FYend, SaturatingAdd(FXend, 1), SaturatingAdd(FYorigin, 1));
    FCanvasClipRgn = CreateRectRgn(SaturatingAdd(FXorigin, Left()), SaturatingAdd(FYend, Top()),
                                   SaturatingAdd(SaturatingAdd(FXend, Left()), 1),
                                   SaturatingAdd(SaturatingAdd(FYorigin, Top()), 1));
  }
  // A new plot origin and new regions: what plotting prepared from the old ones is stale.
  DrawingStateChanged();
}

void TPelkgraph::StretchDivisions() {
  for (auto [axis, size, need] : {std::tuple{FXAxis.get(), Width(), FRequiredWidth},
                                  std::tuple{FYAxis.get(), Height(), FRequiredHeight}}) {
    const std::optional<int> width =
        StretchedDivisionWidth(axis->DivisionWidth(), axis->NumberOfDivisions(), size, need, FStretchAxes);
    if (width) axis->SetDivWidth(*width);
  }
  if (!FDesigning) {
    FXAxisLength = AxisLength(FXAxis->NumberOfDivisions(), FXAxis->DivisionWidth());
    FYAxisLength = AxisLength(FYAxis->NumberOfDivisions(), FYAxis->DivisionWidth());
  }
}

}  // namespace pelk
