// The plot area's fill and its minor and major grid lines, on the image and,
// scaled, on the printer page.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Arith.h"
#include "core/SetterRules.h"
#include "platform/Printer.h"
#include "render/GridOffsets.h"
#include "render/LayoutMath.h"
#include "render/VisibleRange.h"

namespace pelk {

namespace {

// One family of parallel grid lines: vertical lines at origin + t (stepping
// right), or horizontal ones at origin - t (stepping up).
class LineFamily {
 public:
  LineFamily(TCanvas& canvas, bool vertical, int origin, int crossFrom, int crossTo, int& scratch)
      : canvas_(canvas), vertical_(vertical), origin_(origin), crossFrom_(crossFrom), crossTo_(crossTo),
        scratch_(scratch) {
    // Offsets whose line can reach the surface; others set no pixel.
    const TCanvas::DeviceView device = canvas.Device();
    if (const Surface* surface = device.surface) {
      const TPoint o = device.origin;
      if (vertical) {
        lo_ = -static_cast<double>(o.X) - origin;
        hi_ = static_cast<double>(surface->Width()) - o.X - origin;
      } else {
        lo_ = static_cast<double>(origin) - (surface->Height() - o.Y);
        hi_ = static_cast<double>(origin) + o.Y;
      }
    }
  }

  double Lo() const { return lo_; }
  double Hi() const { return hi_; }
  bool Visible(std::int64_t t) const { return t >= lo_ - 1 && t <= hi_ + 1; }

  // Vertical lines are gathered and drawn together, row by row, by Flush.
  void Flush() {
    canvas_.VerticalLines(columns_, crossFrom_, crossTo_);
    columns_.clear();
  }

  void Line(std::int64_t t) {
    if (!Visible(t)) return;
    const int at = ClampToInt(vertical_ ? std::int64_t{origin_} + t : std::int64_t{origin_} - t);
    scratch_ = at;
    if (vertical_) {
      columns_.push_back(at);
    } else {
      canvas_.MoveTo(crossFrom_, at);
      canvas_.LineTo(crossTo_, at);
    }
  }

 private:
  TCanvas& canvas_;
  bool vertical_;
  int origin_;
  int crossFrom_, crossTo_;
  int& scratch_;
  double lo_ = 0, hi_ = -1;
  std::vector<int> columns_;
};

// Where the minor lines of an axis lie; screen offsets when scale is absent.
struct MinorGridInputs {
  const TAxis& axis;
  int minorDivisions;
  bool printer;
  float scale;
  double ln10;
};

void DrawLinearMinor(LineFamily& lines, const MinorGridInputs& in) {
  const int dw = in.axis.DivisionWidth();
  const int mgd = in.minorDivisions;
  if (mgd <= 0) return;
  const double s = in.printer ? in.scale : 1.0;
  auto offset = [&](std::int64_t i, std::int64_t j) {
    return in.printer ? LinearMinorOffsetPrinter(dw, mgd, static_cast<int>(i), static_cast<int>(j), in.scale)
                      : LinearMinorOffset(dw, mgd, static_cast<int>(i), static_cast<int>(j));
  };
  const double divisionLength = static_cast<double>(dw) * s;
  const IndexRange divisions =
      VisibleIndexRange(in.axis.NumberOfDivisions() - 1, divisionLength, 0, lines.Lo(), lines.Hi(), divisionLength + 2);
  const double spacing = divisionLength / mgd;
  for (std::int64_t i = divisions.first; i <= divisions.last; ++i) {
    if (spacing <= 0) {
      if (auto t = offset(i, 1)) lines.Line(*t);
      continue;
    }
    // Only the minor lines near the surface are visited.
    const double start = divisionLength * static_cast<double>(i);
    const std::int64_t jFirst =
        static_cast<std::int64_t>(std::clamp(std::floor((lines.Lo() - start) / spacing) - 1, 1.0, double(mgd)));
    const std::int64_t jLast =
        static_cast<std::int64_t>(std::clamp(std::ceil((lines.Hi() - start) / spacing) + 1, 1.0, double(mgd)));
    if (jLast - jFirst > 4 * (lines.Hi() - lines.Lo() + 2)) {
      // Lines closer than a pixel: every pixel between the first and last is a line.
      const auto first = offset(i, jFirst), last = offset(i, jLast);
      if (!first || !last) continue;
      const std::int64_t from = std::max<std::int64_t>(*first, static_cast<std::int64_t>(lines.Lo()) - 1);
      const std::int64_t to = std::min<std::int64_t>(*last, static_cast<std::int64_t>(lines.Hi()) + 1);
      for (std::int64_t t = from; t <= to; ++t) lines.Line(t);
      continue;
    }
    for (std::int64_t j = jFirst; j <= jLast; ++j) {
      if (auto t = offset(i, j)) lines.Line(*t);
    }
  }
}

void DrawLogMinor(LineFamily& lines, const MinorGridInputs& in) {
  const int k = in.axis.MinExponent();
  const int dw = in.axis.DivisionWidth();
  float decade = FirstLogDecade(k, in.ln10);
  for (std::int64_t i = 0; i < in.axis.NumberOfDivisions(); ++i) {
    decade = NextLogDecade(decade);
    // Past the float range no further line can be placed.
    if (!std::isfinite(decade) || decade == 0.0f) break;
    for (int j = 1; j <= 9; ++j) {
      const float u = LogMinorPosition(decade, j, k, dw, in.ln10);
      if (auto t = in.printer ? PrinterOffset(u, in.scale) : ScreenOffset(u)) lines.Line(*t);
    }
  }
}

void DrawMinor(LineFamily& lines, const MinorGridInputs& in) {
  if (in.axis.LogAxis()) {
    DrawLogMinor(lines, in);
  } else {
    DrawLinearMinor(lines, in);
  }
}

// Major lines at i = first..count; the screen places them at i * DW, the
// printer at Round(DW * i * s).
void DrawMajor(LineFamily& lines, const TAxis& axis, std::int64_t first, bool printer, float scale) {
  const int dw = axis.DivisionWidth();
  const double step = printer ? static_cast<double>(dw) * scale : dw;
  const IndexRange range = VisibleIndexRange(axis.NumberOfDivisions(), step, 0, lines.Lo(), lines.Hi(), 2);
  for (std::int64_t i = std::max(first, range.first); i <= range.last; ++i) {
    if (printer) {
      if (auto t = MajorOffsetPrinter(dw, static_cast<int>(i), scale)) lines.Line(*t);
    } else {
      lines.Line(i * dw);
    }
  }
}

}  // namespace

void TPelkgraph::DrawGrid() {
  TCanvas& image = FBitmap->Canvas();
  const std::int64_t lx = std::int64_t{FXAxis->NumberOfDivisions()} * FXAxis->DivisionWidth();
  const std::int64_t ly = std::int64_t{FYAxis->NumberOfDivisions()} * FYAxis->DivisionWidth();

  image.Pen().SetColor(FPlotAreaColor);
  image.Brush().SetColor(FPlotAreaColor);
  image.Rectangle(FXorigin, FYend, ClampToInt(FXorigin + lx + 1), ClampToInt(FYend + ly + 1));
  image.Pen().SetWidth(1);

  if (FMinorGrid) {
    image.Pen().SetColor(FMinorGridColor);
    LineFamily vertical(image, true, FXorigin, FYorigin, SaturatingAdd(FYend, -1), FDrawX);
    DrawMinor(vertical, {*FXAxis, FMinorGridDivisions, false, 1.0f, FLn10});
    vertical.Flush();
    image.MoveTo(FXorigin, FYend);
    image.LineTo(FXend, FYend);
    image.Pen().SetColor(FMinorGridColor);
    LineFamily horizontal(image, false, FYorigin, FXorigin, FXend, FDrawY);
    DrawMinor(horizontal, {*FYAxis, FMinorGridDivisions, false, 1.0f, FLn10});
  }
  if (FMajorGrid) {
    image.Pen().SetColor(FMajorGridColor);
    LineFamily vertical(image, true, FXorigin, FYorigin, FYend, FDrawX);
    DrawMajor(vertical, *FXAxis, 0, false, 1.0f);
    vertical.Flush();
    LineFamily horizontal(image, false, FYorigin, FXorigin, SaturatingAdd(FXend, 1), FDrawY);
    DrawMajor(horizontal, *FYAxis, 0, false, 1.0f);
  }
}

void TPelkgraph::DrawPrinterGrid(float Scale) {
  TCanvas& page = Printer().Canvas();
  const std::int64_t lx = std::int64_t{FXAxis->NumberOfDivisions()} * FXAxis->DivisionWidth();
  const std::int64_t ly = std::int64_t{FYAxis->NumberOfDivisions()} * FYAxis->DivisionWidth();

  if (!FPrintMonoChrome) {
    page.Pen().SetColor(FPlotAreaColor);
    page.Brush().SetColor(FPlotAreaColor);
    page.Rectangle(FPrinterXorigin, FPrinterYend,
                   ClampToInt(FPrinterXorigin + Trunc(static_cast<double>(lx) * Scale)),
                   ClampToInt(FPrinterYend + Trunc(static_cast<double>(ly) * Scale)));
  } else {
    page.Pen().SetColor(clBlack);
    page.Brush().SetColor(clWhite);
  }

  if (FMinorGrid) {
    if (!FPrintMonoChrome) page.Pen().SetColor(FMinorGridColor);
    page.Pen().SetWidth(AbsoluteValue(FPrinterMinorGridWidth));
    LineFamily vertical(page, true, FPrinterXorigin, FPrinterYorigin, SaturatingAdd(FPrinterYend, -1), FDrawX);
    DrawMinor(vertical, {*FXAxis, FMinorGridDivisions, true, Scale, FLn10});
    vertical.Flush();
    page.MoveTo(FPrinterXorigin, FPrinterYend);
    page.LineTo(FPrinterXend, FPrinterYend);
    if (!FPrintMonoChrome) page.Pen().SetColor(FMinorGridColor);
    LineFamily horizontal(page, false, FPrinterYorigin, FPrinterXorigin, FPrinterXend, FDrawY);
    DrawMinor(horizontal, {*FYAxis, FMinorGridDivisions, true, Scale, FLn10});
  }
  if (FMajorGrid) {
    if (!FPrintMonoChrome) page.Pen().SetColor(FMajorGridColor);
    page.Pen().SetWidth(AbsoluteValue(FPrinterMajorGridWidth));
    LineFamily vertical(page, true, FPrinterXorigin, FPrinterYorigin, FPrinterYend, FDrawX);
    DrawMajor(vertical, *FXAxis, 1, true, Scale);
    vertical.Flush();
    LineFamily horizontal(page, false, FPrinterYorigin, FPrinterXorigin, SaturatingAdd(FPrinterXend, 1), FDrawY);
    DrawMajor(horizontal, *FYAxis, 1, true, Scale);
  }
}

}  // namespace pelk
