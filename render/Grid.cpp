// The plot area's fill and its minor and major grid lines, drawn by one body
// on the image or, scaled, on the printer page.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/Pelkgraph.h"
#include "core/SetterRules.h"
#include "platform/Arith.h"
#include "platform/Printer.h"
#include "render/GridOffsets.h"
#include "render/VisibleRange.h"

namespace pelk {

namespace {

// Where the grid goes. The screen draws one-pixel lines with the screen
// rules; a printer scale selects the printer's rules (scaled offsets, the
// truncated fill, no major line at the origin, the width of each group).
struct GridDestination {
  TCanvas& canvas;
  int xorigin, yorigin, xend, yend;
  std::optional<float> printerScale;
  bool monochrome;  // printer only: no fill, and every line stays black
  int minorWidth, majorWidth;
  TRect fill;      // the plot area's fill
  bool inOnePass;  // the image's plain one-pixel pen: fill and lines set as pixel layers
};

// The fill covers the axes' lengths, from the current division widths.
TRect FillOf(const TAxis& xAxis, const TAxis& yAxis, int xorigin, int yend, std::optional<float> printerScale) {
  const std::int64_t lx = std::int64_t{xAxis.NumberOfDivisions()} * xAxis.DivisionWidth();
  const std::int64_t ly = std::int64_t{yAxis.NumberOfDivisions()} * yAxis.DivisionWidth();
  return GridFillRect(xorigin, yend, lx, ly, printerScale);
}

// What the grid shows, from the graph's settings.
struct GridLook {
  const TAxis& xAxis;
  const TAxis& yAxis;
  bool minorGrid, majorGrid;
  int minorDivisions;
  TColor plotAreaColor, minorColor, majorColor;
  double ln10;
};

GridLook LookOf(const TPelkgraph& g, double ln10) {
  return {g.XAxis(),          g.YAxis(),         g.MinorGrid(),      g.MajorGrid(), g.MinorGridDivisions(),
          g.PlotAreaColor(), g.MinorGridColor(), g.MajorGridColor(), ln10};
}

// The positions of one family of parallel grid lines: vertical lines at
// origin + t (stepping right), or horizontal ones at origin - t (stepping
// up), each also left in the scratch field as it is placed.
class LineFamily {
 public:
  LineFamily(TCanvas& canvas, bool vertical, int origin, int& scratch)
      : vertical_(vertical), origin_(origin), scratch_(scratch) {
    // Offsets whose line can reach the surface, a wide pen's half width
    // included; others set no pixel.
    const TCanvas::DeviceView device = canvas.Device();
    if (const Surface* surface = device.surface) {
      const TPoint o = device.origin;
      const double reach = 1.0 + std::max(canvas.Pen().Width(), 0) / 2;
      if (vertical) {
        lo_ = -static_cast<double>(o.X) - origin - reach;
        hi_ = static_cast<double>(surface->Width()) - o.X - origin + reach;
      } else {
        lo_ = static_cast<double>(origin) - (surface->Height() - o.Y) - reach;
        hi_ = static_cast<double>(origin) + o.Y + reach;
      }
    }
  }

  double Lo() const { return lo_; }
  double Hi() const { return hi_; }
  bool Visible(std::int64_t t) const { return t >= lo_ && t <= hi_; }

  void Line(std::int64_t t) {
    if (!Visible(t)) return;
    const int at = ClampToInt(vertical_ ? std::int64_t{origin_} + t : std::int64_t{origin_} - t);
    scratch_ = at;
    positions_.push_back(at);
  }

  std::vector<int> TakePositions() { return std::move(positions_); }

 private:
  bool vertical_;
  int origin_;
  int& scratch_;
  double lo_ = 0, hi_ = -1;
  std::vector<int> positions_;
};

// Draws the grid's fill and lines with the canvas's pen and brush as they
// stand at each call: on a general canvas one drawing call after another;
// on the image, whose pen is a one-pixel plain copy, as pixel layers set in
// one pass over the rows at Finish (the same pixels, each row visited once).
class GridPainter {
 public:
  GridPainter(TCanvas& canvas, bool layered) : canvas_(canvas), layered_(layered) {}

  void Fill(const TRect& r) {
    if (!layered_) {
      canvas_.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
      return;
    }
    // Pen and brush have the fill's colour: the rectangle is one colour.
    AddSpan(std::min(r.Top, r.Bottom), std::max(r.Top, r.Bottom), std::min(r.Left, r.Right),
            std::max(r.Left, r.Right));
  }

  // Vertical lines from yFrom to yTo, yTo left out.
  void Verticals(std::vector<int> xs, int yFrom, int yTo) {
    if (!layered_) {
      canvas_.VerticalLines(xs, yFrom, yTo);
      return;
    }
    const LineCover rows = LineCoverOf(yFrom, yTo);
    layers_.push_back({PixelLayer::Shape::Columns, PenRGB(), rows.first, rows.last + 1, 0, 0, {}});
    columnSets_.push_back({layers_.size() - 1, std::move(xs)});
  }

  // Horizontal lines at each y from xFrom to xTo, xTo left out.
  void Horizontals(std::span<const int> ys, int xFrom, int xTo) {
    for (const int y : ys) {
      if (!layered_) {
        canvas_.MoveTo(xFrom, y);
        canvas_.LineTo(xTo, y);
        continue;
      }
      const LineCover columns = LineCoverOf(xFrom, xTo);
      AddSpan(y, std::int64_t{y} + 1, columns.first, columns.last + 1);
    }
  }

  void Finish() {
    if (!layered_) return;
    for (const auto& [layer, xs] : columnSets_) layers_[layer].columns = xs;
    canvas_.SetPixelLayers(layers_);
  }

 private:
  std::uint32_t PenRGB() const { return ColorToRGB(canvas_.Pen().Color()); }
  void AddSpan(std::int64_t top, std::int64_t bottom, std::int64_t left, std::int64_t right) {
    layers_.push_back({PixelLayer::Shape::Span, PenRGB(), top, bottom, left, right, {}});
  }

  TCanvas& canvas_;
  bool layered_;
  std::vector<PixelLayer> layers_;
  std::vector<std::pair<std::size_t, std::vector<int>>> columnSets_;  // a Columns layer's list
};

// Where the minor lines of an axis lie; screen offsets without a printer scale.
struct MinorGridInputs {
  const TAxis& axis;
  int minorDivisions;
  std::optional<float> printerScale;
  double ln10;
};

void DrawLinearMinor(LineFamily& lines, const MinorGridInputs& in) {
  const int dw = in.axis.DivisionWidth();
  const int mgd = in.minorDivisions;
  if (mgd <= 0) return;
  auto offset = [&](std::int64_t i, std::int64_t j) {
    return in.printerScale ? LinearMinorOffsetPrinter(dw, mgd, static_cast<int>(i), static_cast<int>(j),
                                                      *in.printerScale)
                           : LinearMinorOffset(dw, mgd, static_cast<int>(i), static_cast<int>(j));
  };
  const double divisionLength = static_cast<double>(dw) * in.printerScale.value_or(1.0f);
  const IndexRange divisions =
      VisibleIndexRange(in.axis.NumberOfDivisions() - 1, divisionLength, 0, lines.Lo(), lines.Hi(), divisionLength + 1);
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
      if (auto t = in.printerScale ? PrinterOffset(u, *in.printerScale) : ScreenOffset(u)) lines.Line(*t);
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

// Major lines: the screen draws i = 0..count at i * DW, the printer
// i = 1..count at Round(DW * i * s).
void DrawMajor(LineFamily& lines, const TAxis& axis, std::optional<float> printerScale) {
  const int dw = axis.DivisionWidth();
  const double step = static_cast<double>(dw) * printerScale.value_or(1.0f);
  const IndexRange range = VisibleIndexRange(axis.NumberOfDivisions(), step, 0, lines.Lo(), lines.Hi(), 1);
  for (std::int64_t i = std::max<std::int64_t>(printerScale ? 1 : 0, range.first); i <= range.last; ++i) {
    if (printerScale) {
      if (auto t = MajorOffsetPrinter(dw, static_cast<int>(i), *printerScale)) lines.Line(*t);
    } else {
      lines.Line(i * dw);
    }
  }
}

void DrawGridOn(const GridDestination& d, const GridLook& look, int& drawX, int& drawY) {
  TCanvas& canvas = d.canvas;
  TPen& pen = canvas.Pen();
  GridPainter painter(canvas, d.inOnePass);
  // 1. Fill; monochrome leaves the paper and draws in black.
  if (!d.monochrome) {
    pen.SetColor(look.plotAreaColor);
    canvas.Brush().SetColor(look.plotAreaColor);
    painter.Fill(d.fill);
  } else {
    pen.SetColor(clBlack);
    canvas.Brush().SetColor(clWhite);
  }
  // The screen's pen is one pixel from here on, also without grids.
  if (!d.printerScale) pen.SetWidth(1);
  const auto groupPen = [&](TColor colour, int width) {
    if (!d.monochrome) pen.SetColor(colour);
    pen.SetWidth(width);
  };

  // 2. Minor lines, and the top edge of the plot area in their colour.
  if (look.minorGrid) {
    groupPen(look.minorColor, d.minorWidth);
    LineFamily vertical(canvas, true, d.xorigin, drawX);
    DrawMinor(vertical, {look.xAxis, look.minorDivisions, d.printerScale, look.ln10});
    painter.Verticals(vertical.TakePositions(), d.yorigin, SaturatingAdd(d.yend, -1));
    const int topEdge[] = {d.yend};
    painter.Horizontals(topEdge, d.xorigin, d.xend);
    LineFamily horizontal(canvas, false, d.yorigin, drawY);
    DrawMinor(horizontal, {look.yAxis, look.minorDivisions, d.printerScale, look.ln10});
    painter.Horizontals(horizontal.TakePositions(), d.xorigin, d.xend);
  }
  // 3. Major lines: vertical ones stop below Yend, horizontal ones include Xend.
  if (look.majorGrid) {
    groupPen(look.majorColor, d.majorWidth);
    LineFamily vertical(canvas, true, d.xorigin, drawX);
    DrawMajor(vertical, look.xAxis, d.printerScale);
    painter.Verticals(vertical.TakePositions(), d.yorigin, d.yend);
    LineFamily horizontal(canvas, false, d.yorigin, drawY);
    DrawMajor(horizontal, look.yAxis, d.printerScale);
    painter.Horizontals(horizontal.TakePositions(), d.xorigin, SaturatingAdd(d.xend, 1));
  }
  painter.Finish();
}

}  // namespace

TRect TPelkgraph::ImagePlotAreaFill() const { return FillOf(*FXAxis, *FYAxis, FXorigin, FYend, std::nullopt); }

void TPelkgraph::DrawGrid() {
  const GridDestination image{FBitmap->Canvas(), FXorigin, FYorigin, FXend, FYend, std::nullopt, false, 1, 1,
                              ImagePlotAreaFill(), FFrameInOnePass};
  DrawGridOn(image, LookOf(*this, FLn10), FDrawX, FDrawY);
}

void TPelkgraph::DrawPrinterGrid(float Scale) {
  const GridDestination page{Printer().Canvas(),
                             FPrinterXorigin,
                             FPrinterYorigin,
                             FPrinterXend,
                             FPrinterYend,
                             Scale,
                             FPrintMonoChrome,
                             AbsoluteValue(FPrinterMinorGridWidth),
                             AbsoluteValue(FPrinterMajorGridWidth),
                             FillOf(*FXAxis, *FYAxis, FPrinterXorigin, FPrinterYend, Scale),
                             false};
  DrawGridOn(page, LookOf(*this, FLn10), FDrawX, FDrawY);
}

}  // namespace pelk
