// Axis annotation: tick marks, division numbers (fixed-point with a common
// power of ten, or decades "10" with raised exponents) and the axis label,
// on the image or, scaled, on the printer page.
#include <algorithm>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "render/AxisNumbersOf.h"
#include "render/LayoutMath.h"
#include "render/VisibleRange.h"

namespace pelk {

namespace {

constexpr std::uint32_t kBaselineCentre = TA_BASELINE | TA_CENTER;
constexpr std::uint32_t kBaselineRight = TA_BASELINE | TA_RIGHT;
constexpr std::uint32_t kBaselineLeft = TA_BASELINE | TA_LEFT;

// A distance in screen pixels on the destination: scaled and rounded.
struct Scaled {
  float scale;
  int operator()(std::int64_t v) const {
    return ClampToInt(Round(static_cast<double>(v) * static_cast<double>(scale)));
  }
};

int Add(std::int64_t a, std::int64_t b) { return ClampToInt(a + b); }

}  // namespace

void TPelkgraph::AnnotateXAxis(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AxisSide::X, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateYAxis(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AxisSide::Y, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateYAxis2(TCanvas& Canvas, int X0, int Y0, bool Printer) {
  AnnotateAxis(AxisSide::Y2, Canvas, X0, Y0, Printer);
}

void TPelkgraph::AnnotateAxis(AxisSide side, TCanvas& canvas, int X0, int Y0, bool printer) {
  const TAxis& axis = side == AxisSide::X ? *FXAxis : side == AxisSide::Y ? *FYAxis : *FYAxis2;
  // The second Y axis shares the divisions of the first.
  const TAxis& divisions = side == AxisSide::Y2 ? *FYAxis : axis;
  const int h = side == AxisSide::X ? FXAxisTextHeight : side == AxisSide::Y ? FYAxisTextHeight : FYAxis2TextHeight;
  const std::int64_t T = axis.TicLength(), O = axis.NumberOffset();
  const std::int64_t N = divisions.NumberOfDivisions(), D = divisions.DivisionWidth();
  const bool vertical = axis.AnnotationAngle() == TAnnotationAngle::Vertical;
  const bool log = axis.LogAxis();

  // Entry: scale, monochrome text, background mode, rotated font, tick pen.
  float s = 1.0f;
  if (printer) {
    if (FPrintMonoChrome) canvas.Font().SetColor(clBlack);
    s = FPrinterScaleFactor;
  }
  const Scaled R{s};
  if (side == AxisSide::X) SetBkMode(canvas.Handle(), TRANSPARENT);

  HFONT rotated = 0;
  if (side != AxisSide::X || vertical) {
    const TFont& styleOf = side == AxisSide::X ? axis.Font() : canvas.Font();
    const TFontStyles style = styleOf.Style();
    rotated = CreateFontA(canvas.Font().Height(), 0, 900, 900, style.Contains(fsBold) ? FW_BOLD : FW_DONTCARE,
                          style.Contains(fsItalic), style.Contains(fsUnderline), style.Contains(fsStrikeOut),
                          ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, styleOf.Name().c_str());
  }

  if (printer && FPrintMonoChrome) {
    canvas.Pen().SetColor(clBlack);
  } else {
    canvas.Pen().SetColor(axis.AxisMatchesFont() ? axis.Font().Color() : FMajorGridColor);
  }
  if (printer) canvas.Pen().SetWidth(FPrinterMajorGridWidth);

  // Obtaining the handle realises the canvas font before the rotated one is selected.
  HDC dc = canvas.Handle();
  HGDIOBJ displaced = 0;
  bool rotatedSelected = false;
  auto selectRotated = [&] {
    displaced = SelectObject(dc, rotated);
    rotatedSelected = true;
  };
  auto restoreFont = [&] {
    if (rotatedSelected) SelectObject(dc, displaced);
    rotatedSelected = false;
  };
  if (rotated != 0 && vertical) selectRotated();

  const LinearAxisNumbers numbers = NumbersOf(axis);
  const CommonExponent exponent = log ? CommonExponent{0, false} : AxisCommonExponent(numbers, FLn10);

  // Lowest number of the Y axes: kept above the X axis numbers.
  const bool shortLimit =
      FXAxis->LogAxis() && FXAxis->AnnotationAngle() == (side == AxisSide::Y ? TAnnotationAngle::Vertical
                                                                              : TAnnotationAngle::Horizontal);
  const int limit = Add(Y0, std::int64_t{shortLimit ? R(FXAxis->NumberOffset())
                                                     : R(std::int64_t{FXAxis->NumberOffset()} + FXAxis->TicLength())} -
                                1);

  // Only divisions near the surface are drawn; the others would set no pixel.
  IndexRange range;
  const TCanvas::DeviceView device = canvas.Device();
  if (const Surface* surface = device.surface) {
    const TPoint origin = device.origin;
    const double margin = std::max(surface->Width(), surface->Height()) + 64.0 * h;
    const double step = static_cast<double>(D) * s;
    range = side == AxisSide::X
                ? VisibleIndexRange(N, step, X0, -origin.X, surface->Width() - origin.X, margin)
                : VisibleIndexRange(N, step, -static_cast<double>(Y0), origin.Y - surface->Height(), origin.Y, margin);
  }

  for (std::int64_t i = range.first; i <= range.last; ++i) {
    const int along = R(i * D);
    int x = X0, y = Y0;
    if (side == AxisSide::X) {
      x = Add(X0, along);
      FDrawX = x;
      canvas.MoveTo(x, Add(Y0, R(T)));
      canvas.LineTo(x, Y0);
    } else {
      y = Add(Y0, -std::int64_t{along});
      FDrawY = y;
      canvas.MoveTo(side == AxisSide::Y ? Add(X0, -std::int64_t{R(T)}) : Add(X0, R(T)), y);
      canvas.LineTo(X0, y);
    }
    const bool lowest = i == 0 && side != AxisSide::X;
    // Vertical numbers: the lowest one's lower end sits on the limit at most.
    auto limitVertical = [&](const std::string& measured) {
      const int half = canvas.TextWidth(measured) / 2;
      if (std::int64_t{Y0} + half > limit) y = Add(limit, -std::int64_t{half});
    };

    if (!log) {
      const std::string text = AxisDivisionText(numbers, exponent, static_cast<int>(i), FLn10);
      int tx = x, ty = y;
      std::uint32_t align = kBaselineCentre;
      switch (side) {
        case AxisSide::X:
          if (!vertical) {
            ty = Add(Y0, R(T + O + h + 1));
          } else {
            align = kBaselineRight;
            tx = Add(x, R(h / 2));
            ty = Add(Y0, R(T + O));
          }
          break;
        case AxisSide::Y:
        case AxisSide::Y2: {
          const bool left = side == AxisSide::Y;
          if (!vertical) {
            align = left ? kBaselineRight : kBaselineLeft;
            tx = left ? Add(X0, -std::int64_t{R(T + O)}) : Add(X0, R(T + O));
            ty = Add(y, R(h / 2));
            if (lowest) ty = std::min(ty, limit);
          } else {
            if (lowest) limitVertical(text);
            tx = left ? Add(X0, -std::int64_t{R(T + O)}) : Add(X0, R(T + O + h + 1));
            ty = y;
          }
          break;
        }
      }
      SetTextAlign(dc, align);
      canvas.TextOut(tx, ty, text);
    } else {
      const std::string power = std::to_string(std::int64_t{axis.MinExponent()} + i);
      int tenX = x, tenY = y, powX = x, powY = y;
      std::uint32_t align = kBaselineCentre;
      switch (side) {
        case AxisSide::X:
          if (!vertical) {
            tenY = Add(Y0, R(MulDiv(h, 3, 2) + O + 1));
            powX = Add(x, canvas.TextWidth("10") / 2);
            powY = Add(tenY, -std::int64_t{R(h / 2)});
          } else {
            align = kBaselineRight;
            const int powerWidth = canvas.TextWidth(power);
            tenX = Add(std::int64_t{x} + R(h / 2), -std::int64_t{R(1)});
            tenY = ClampToInt(std::int64_t{Y0} + R(T + O) - R(T) + powerWidth);
            powX = Add(tenX, -std::int64_t{R(h / 2)});
            powY = ClampToInt(std::int64_t{Y0} + powerWidth + R(O));
          }
          break;
        case AxisSide::Y:
          if (!vertical) {
            align = kBaselineRight;
            tenX = ClampToInt(std::int64_t{X0} - R(O) - canvas.TextWidth(power));
            tenY = Add(y, R(h / 2 - 1));
            if (lowest) tenY = std::min(tenY, limit);
            powX = tenX;
            powY = Add(tenY, -std::int64_t{R(h / 2)});
          } else {
            if (lowest) limitVertical("10");
            tenX = Add(X0, -std::int64_t{R(O + T)});
            tenY = y;
            powX = Add(tenX, -std::int64_t{R(h / 2)});
            powY = Add(y, -std::int64_t{canvas.TextWidth("10") / 2});
          }
          break;
        case AxisSide::Y2:
          if (!vertical) {
            align = kBaselineLeft;
            tenX = Add(X0, R(O + T));
            tenY = Add(y, R(h / 2 - 1));
            if (lowest) tenY = std::min(tenY, limit);
            powX = Add(tenX, canvas.TextWidth("10"));
            powY = Add(tenY, -std::int64_t{R(h / 2)});
          } else {
            if (lowest) limitVertical("10");
            tenX = Add(X0, R(MulDiv(h, 3, 2) + O + 1));
            tenY = y;
            powX = Add(tenX, -std::int64_t{R(h / 2)});
            powY = Add(y, -std::int64_t{canvas.TextWidth("10") / 2});
          }
          break;
      }
      SetTextAlign(dc, align);
      canvas.TextOut(tenX, tenY, "10");
      SetTextAlign(dc, kBaselineLeft);
      canvas.TextOut(powX, powY, power);
    }
    SetTextAlign(dc, kBaselineCentre);
  }

  // The X axis label is horizontal; the Y axes' labels are rotated.
  if (side == AxisSide::X) {
    restoreFont();
  } else if (!rotatedSelected && rotated != 0) {
    selectRotated();
  }

  if (!axis.AxisLabel().empty()) {
    SetTextAlign(dc, kBaselineCentre);
    const std::string label = exponent.applied ? axis.AxisLabel() + " *10" : axis.AxisLabel();
    TPoint p;
    switch (side) {
      case AxisSide::X: p = {FCenterX, Add(Y0, R(FXAnnotationHeight))}; break;
      case AxisSide::Y: p = {Add(X0, -std::int64_t{R(std::int64_t{FYAnnotationWidth} - h)}), FCenterY}; break;
      case AxisSide::Y2: p = {Add(X0, R(FY2AnnotationWidth)), FCenterY}; break;
    }
    canvas.TextOut(p.X, p.Y, label);
    if (exponent.applied) {
      const int labelWidth = canvas.TextWidth(label);
      SetTextAlign(dc, kBaselineLeft);
      const std::string power = std::to_string(exponent.E);
      if (side == AxisSide::X) {
        canvas.TextOut(ClampToInt(std::int64_t{p.X} + labelWidth / 2 + R(1)), Add(p.Y, -std::int64_t{R(h / 2)}),
                       power);
      } else {
        canvas.TextOut(Add(p.X, -std::int64_t{R(h / 2)}), ClampToInt(std::int64_t{p.Y} - labelWidth / 2 - R(1)),
                       power);
      }
      SetTextAlign(dc, kBaselineCentre);
    }
  }

  restoreFont();
  DeleteObject(rotated);
}

}  // namespace pelk
