// Axis annotation: tick marks, division numbers (fixed-point with a common
// power of ten, or decades "10" with raised exponents) and the axis label,
// on the image or, scaled, on the printer page. Where each part goes is
// decided by render/AnnotationPlacement; this file draws.
#include <algorithm>
#include <optional>
#include <string>

#include "core/Pelkgraph.h"
#include "render/AnnotationPlacement.h"
#include "render/AxisLineColor.h"
#include "render/AxisNumbersOf.h"

namespace pelk {

namespace {

constexpr std::uint32_t kBaselineCentre = TA_BASELINE | TA_CENTER;
constexpr std::uint32_t kBaselineLeft = TA_BASELINE | TA_LEFT;

// The font rotated by 90 degrees for one call: selected directly into the
// context beside the canvas's own font, and deselected and deleted at the end.
class RotatedFont {
 public:
  RotatedFont(HDC dc, const TFont& faceAndStyle, int height) : dc_(dc) {
    const TFontStyles style = faceAndStyle.Style();
    font_ = CreateFontA(height, 0, 900, 900, style.Contains(fsBold) ? FW_BOLD : FW_DONTCARE, style.Contains(fsItalic),
                        style.Contains(fsUnderline), style.Contains(fsStrikeOut), ANSI_CHARSET, OUT_TT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        faceAndStyle.Name().c_str());
  }
  RotatedFont(const RotatedFont&) = delete;
  RotatedFont& operator=(const RotatedFont&) = delete;
  ~RotatedFont() {
    Deselect();
    DeleteObject(font_);
  }
  void Select() {
    if (selected_) return;
    displaced_ = SelectObject(dc_, font_);
    selected_ = true;
  }
  void Deselect() {
    if (selected_) SelectObject(dc_, displaced_);
    selected_ = false;
  }

 private:
  HDC dc_;
  HFONT font_ = 0;
  HGDIOBJ displaced_ = 0;
  bool selected_ = false;
};

// The part of the destination that drawing can reach now, in its logical pixels.
TRect DrawableArea(TCanvas& canvas) {
  const TPoint origin = canvas.Device().origin;
  const TRect clip = canvas.EffectiveClip();
  if (clip.IsEmpty()) return {};
  return {clip.Left - origin.X, clip.Top - origin.Y, clip.Right - origin.X, clip.Bottom - origin.Y};
}

// The widest text a division can write: the first or last number, or "10"
// with the widest decade exponent.
int WidestDivisionText(TCanvas& canvas, const TAxis& axis, std::int64_t divisions,
                       const LinearAxisNumbers& numbers, const CommonExponent& exponent, double ln10) {
  if (axis.LogAxis()) {
    const std::int64_t lowest = axis.MinExponent();
    return canvas.TextWidth("10") + std::max(canvas.TextWidth(std::to_string(lowest)),
                                             canvas.TextWidth(std::to_string(lowest + divisions)));
  }
  return std::max(canvas.TextWidth(AxisDivisionText(numbers, exponent, 0, ln10)),
                  canvas.TextWidth(AxisDivisionText(numbers, exponent, static_cast<int>(divisions), ln10)));
}

}  // namespace

void TPelkgraph::AnnotateXAxis(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AnnotatedAxis::X, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateYAxis(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AnnotatedAxis::Y, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateYAxis2(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AnnotatedAxis::SecondY, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateAxis(AnnotatedAxis side, TCanvas& canvas, int X0, int Y0, bool printer) {
  const TAxis& axis = side == AnnotatedAxis::X ? *FXAxis : side == AnnotatedAxis::Y ? *FYAxis : *FYAxis2;
  // The second Y axis shares the divisions of the first.
  const TAxis& divisionsOf = side == AnnotatedAxis::SecondY ? *FYAxis : axis;
  const std::int64_t divisionCount = divisionsOf.NumberOfDivisions();
  const std::int64_t divisionWidth = divisionsOf.DivisionWidth();
  const int textHeight = side == AnnotatedAxis::X   ? FXAxisTextHeight
                         : side == AnnotatedAxis::Y ? FYAxisTextHeight
                                                    : FYAxis2TextHeight;
  const bool vertical = axis.AnnotationAngle() == TAnnotationAngle::Vertical;
  const bool monochrome = printer && FPrintMonoChrome;
  const AnnotationRules rules{side,           vertical,           axis.LogAxis(), textHeight, axis.TicLength(),
                              axis.NumberOffset(), printer ? FPrinterScaleFactor : 1.0f, X0, Y0};

  // Entry: text colour, background mode, rotated font, tick pen.
  if (monochrome) canvas.Font().SetColor(clBlack);
  if (side == AnnotatedAxis::X) SetBkMode(canvas.Handle(), TRANSPARENT);
  // Obtaining the handle realises the canvas font before the rotated one is selected.
  HDC dc = canvas.Handle();
  std::optional<RotatedFont> rotated;
  if (side != AnnotatedAxis::X) {
    rotated.emplace(dc, canvas.Font(), canvas.Font().Height());
  } else if (vertical) {
    rotated.emplace(dc, axis.Font(), canvas.Font().Height());
  }
  canvas.Pen().SetColor(monochrome ? clBlack : AxisLineColor(axis, FMajorGridColor));
  if (printer) canvas.Pen().SetWidth(FPrinterMajorGridWidth);
  if (rotated && vertical) rotated->Select();

  const LinearAxisNumbers numbers = NumbersOf(axis);
  const CommonExponent exponent = rules.log ? CommonExponent{0, false} : AxisCommonExponent(numbers, FLn10);
  const XAxisClearance clearance{FXAxis->LogAxis(), FXAxis->AnnotationAngle() == TAnnotationAngle::Vertical,
                                 FXAxis->TicLength(), FXAxis->NumberOffset()};
  const int limit = LowestNumberLimit(rules, clearance);

  // Only divisions that can touch the drawable area are visited.
  const TRect area = DrawableArea(canvas);
  const int textCell = area.IsEmpty() ? 0 : canvas.TextHeight("10");
  IndexRange visited;
  if (!area.IsEmpty()) {
    const int widest = WidestDivisionText(canvas, axis, divisionCount, numbers, exponent, FLn10);
    visited = DivisionsTouching(rules, divisionCount, divisionWidth, area,
                                DivisionReachOf(rules, clearance, widest, textCell));
  }
  const int tenWidth = !visited.Empty() && NeedsTenWidth(rules) ? canvas.TextWidth("10") : 0;

  for (std::int64_t i = visited.first; i <= visited.last; ++i) {
    const std::string text = rules.log ? std::string("10") : AxisDivisionText(numbers, exponent, static_cast<int>(i), FLn10);
    const std::string power = rules.log ? std::to_string(std::int64_t{axis.MinExponent()} + i) : std::string();
    DivisionTextWidths widths;
    widths.ten = tenWidth;
    if (NeedsNumberWidth(rules, i)) widths.number = canvas.TextWidth(text);
    if (NeedsExponentWidth(rules)) widths.exponent = canvas.TextWidth(power);
    const DivisionPlacement place = PlaceDivision(rules, i, divisionWidth, limit, widths);

    SetTextAlign(dc, place.number.align);
    (side == AnnotatedAxis::X ? FDrawX : FDrawY) = side == AnnotatedAxis::X ? place.tickTo.X : place.tickTo.Y;
    canvas.MoveTo(place.tickFrom.X, place.tickFrom.Y);
    canvas.LineTo(place.tickTo.X, place.tickTo.Y);
    canvas.TextOut(place.number.at.X, place.number.at.Y, text);
    if (rules.log) {
      SetTextAlign(dc, place.exponent.align);
      canvas.TextOut(place.exponent.at.X, place.exponent.at.Y, power);
    }
    SetTextAlign(dc, kBaselineCentre);
  }

  // The X axis label is horizontal; the Y axes' labels are rotated.
  if (rotated) {
    if (side == AnnotatedAxis::X) {
      rotated->Deselect();
    } else {
      rotated->Select();
    }
  }

  if (!axis.AxisLabel().empty()) {
    SetTextAlign(dc, kBaselineCentre);
    const std::string label = exponent.applied ? axis.AxisLabel() + " *10" : axis.AxisLabel();
    const int band = side == AnnotatedAxis::X ? FXAnnotationHeight
                     : side == AnnotatedAxis::Y ? FYAnnotationWidth
                                                : FY2AnnotationWidth;
    const TPoint at = LabelPoint(rules, FCenterX, FCenterY, band);
    if (LabelCanTouch(rules, at, textCell, area)) {
      canvas.TextOut(at.X, at.Y, label);
      if (exponent.applied) {
        const TPoint raised = LabelExponentPoint(rules, at, canvas.TextWidth(label));
        SetTextAlign(dc, kBaselineLeft);
        canvas.TextOut(raised.X, raised.Y, std::to_string(exponent.E));
        SetTextAlign(dc, kBaselineCentre);
      }
    }
  }
}

}  // namespace pelk
