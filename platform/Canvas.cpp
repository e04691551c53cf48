// TCanvas state, lines, rectangles and single pixels. Text lives in
// CanvasText.cpp, block copies in CanvasCopy.cpp.
#include "platform/Canvas.h"

#include <algorithm>
#include <vector>

#include "platform/DrawingRecorder.h"
#include "platform/LineRaster.h"
#include "platform/RasterOps.h"
#include "platform/Screen.h"
#include "platform/WideLine.h"

namespace pelk {

namespace {

// Applies op to pixels [x0, x1) of row y; the range lies inside the surface.
template <class Op>
void ApplySpan(Surface& s, int y, int x0, int x1, Op op) {
  std::uint32_t* row = s.Row(y);
  if constexpr (Op::kMode == pmCopy) {
    std::fill_n(row + x0, x1 - x0, op.pen);
  } else {
    for (int x = x0; x < x1; ++x) row[x] = op(row[x]);
  }
}

// Applies op to the columns [x0, x1) of row y that lie inside clip.
template <class Op>
void ApplyClippedSpan(Surface& s, const TRect& clip, int y, std::int64_t x0, std::int64_t x1, Op op) {
  const std::int64_t first = std::max<std::int64_t>(x0, clip.Left);
  const std::int64_t last = std::min<std::int64_t>(x1, clip.Right);
  if (first < last) ApplySpan(s, y, static_cast<int>(first), static_cast<int>(last), op);
}

// A rectangle in surface coordinates, wide enough for any logical rectangle.
struct Box {
  std::int64_t left, top, right, bottom;  // right and bottom excluded
  bool Empty() const { return right <= left || bottom <= top; }
  bool Covers(const TRect& r) const {
    return left <= r.Left && top <= r.Top && right >= r.Right && bottom >= r.Bottom;
  }
};

bool Inside(const TRect& r, std::int64_t x, std::int64_t y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// Rows of box inside clip, as [first, last).
std::pair<int, int> ClippedRows(const Box& box, const TRect& clip) {
  return {static_cast<int>(std::max<std::int64_t>(box.top, clip.Top)),
          static_cast<int>(std::min<std::int64_t>(box.bottom, clip.Bottom))};
}

template <class Op>
void FillBox(Surface& s, const TRect& clip, const Box& box, Op op) {
  const auto [first, last] = ClippedRows(box, clip);
  for (int y = first; y < last; ++y) ApplyClippedSpan(s, clip, y, box.left, box.right, op);
}

// A frame `thickness` pixels wide drawn inward along the box's edges with
// penOp, and its inside filled with brushOp when fill is set; every pixel is
// written once.
template <class Op>
void FrameBox(Surface& s, const TRect& clip, const Box& box, std::int64_t thickness, Op penOp,
              bool fill, Op brushOp) {
  const Box inner{box.left + thickness, box.top + thickness, box.right - thickness,
                  box.bottom - thickness};
  const auto [first, last] = ClippedRows(box, clip);
  for (int y = first; y < last; ++y) {
    if (inner.Empty() || y < inner.top || y >= inner.bottom) {
      ApplyClippedSpan(s, clip, y, box.left, box.right, penOp);
      continue;
    }
    ApplyClippedSpan(s, clip, y, box.left, inner.left, penOp);
    if (fill) ApplyClippedSpan(s, clip, y, inner.left, inner.right, brushOp);
    ApplyClippedSpan(s, clip, y, inner.right, box.right, penOp);
  }
}

void DrawThinLine(Surface& s, const TRect& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                  std::int64_t y1, const TPen& pen, int dashPhase) {
  const ThinLine line = MakeThinLine(x0, y0, x1, y1);
  if (line.major == 0) return;
  // A solid horizontal line is one span: x0 up to x1, x1 left out.
  if (y0 == y1 && !IsDashed(pen.Style())) {
    if (y0 < clip.Top || y0 >= clip.Bottom) return;
    const std::int64_t left = x1 > x0 ? x0 : x1 + 1;
    const std::int64_t right = x1 > x0 ? x1 : x0 + 1;
    WithPenOp(pen.Mode(), ColorToRGB(pen.Color()),
              [&](auto op) { ApplyClippedSpan(s, clip, static_cast<int>(y0), left, right, op); });
    return;
  }
  IndexRange range{0, line.major - 1};
  Point64 start{x0, y0};
  LineStepper stepper{-line.major, 2 * line.minor, 2 * line.major};
  if (!Inside(clip, x0, y0) || !Inside(clip, x1, y1)) {
    range = VisibleRange(line, clip);
    if (range.Empty()) return;
    if (range.first != 0) {
      start = ThinLinePixel(line, range.first);
      stepper = StepperAt(line, range.first);
    }
  }
  const std::ptrdiff_t stride = s.Width();
  const std::ptrdiff_t stepX = line.sx;
  const std::ptrdiff_t stepY = line.sy * stride;
  std::uint32_t* p = s.Row(static_cast<int>(start.Y)) + start.X;
  const std::int64_t count = range.last - range.first + 1;
  const TPenStyle style = pen.Style();
  WithPenOp(pen.Mode(), ColorToRGB(pen.Color()), [&](auto op) {
    const std::ptrdiff_t major = line.xMajor ? stepX : stepY;
    const std::ptrdiff_t minor = line.xMajor ? stepY : stepX;
    if (IsDashed(style)) {
      const int phase = static_cast<int>((dashPhase + range.first % kDashPeriod) % kDashPeriod);
      WalkThinLine<true>(p, major, minor, count, stepper, op, DashMask(style), phase);
    } else {
      WalkThinLine<false>(p, major, minor, count, stepper, op, 0, 0);
    }
  });
}

void DrawWideLine(Surface& s, const TRect& clip, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                  std::int64_t y1, const TPen& pen) {
  WithPenOp(pen.Mode(), ColorToRGB(pen.Color()), [&](auto op) {
    ForEachBandSpan(x0, y0, x1, y1, pen.Width(), clip,
                    [&](int y, int first, int last) { ApplySpan(s, y, first, last + 1, op); });
  });
}

}  // namespace

TCanvas::TCanvas() {
  font_.OnChange = [this](TObject*) { FontChanged(); };
}

TCanvas::~TCanvas() { DeleteObject(ownFont_); }

int TCanvas::PixelsPerInch() const { return Screen().PixelsPerInch(); }

void TCanvas::MoveTo(int x, int y) {
  penPos_ = TPoint{x, y};
  dashPixels_ = 0;
}

void TCanvas::RasteriseLine(const DeviceView& d, const TRect& clip, TPoint from, TPoint to, int phase) {
  if (clip.IsEmpty() || pen_.Style() == psClear) return;
  const std::int64_t x0 = std::int64_t{from.X} + d.origin.X, y0 = std::int64_t{from.Y} + d.origin.Y;
  const std::int64_t x1 = std::int64_t{to.X} + d.origin.X, y1 = std::int64_t{to.Y} + d.origin.Y;
  if (pen_.Width() > 1) {
    DrawWideLine(*d.surface, clip, x0, y0, x1, y1, pen_);
  } else {
    DrawThinLine(*d.surface, clip, x0, y0, x1, y1, pen_, phase);
  }
}

// The general line: every device, pen and clip. The device is resolved
// once, and empty one-pixel lines skip the rasteriser.
void TCanvas::DrawLineTo(int x, int y, const TColor* endColor) {
  BeforeDrawing();
  const TPoint from = penPos_;
  const TPoint to{x, y};
  penPos_ = to;
  // Every pixel of the line advances the dash pattern, drawn or not.
  const std::int64_t dx = std::int64_t{x} - from.X;
  const std::int64_t dy = std::int64_t{y} - from.Y;
  const std::int64_t pixels = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
  const std::uint64_t pixelsBefore = dashPixels_;
  dashPixels_ = pixelsBefore + static_cast<std::uint64_t>(pixels);

  const DeviceView d = Device();
  if (d.surface != nullptr) {
    const TRect clip = EffectiveClipOf(d);
    const std::int64_t x1 = std::int64_t{x} + d.origin.X, y1 = std::int64_t{y} + d.origin.Y;
    const int phase = static_cast<int>(pixelsBefore % kDashPeriod);
    if (pixels != 0 || pen_.Width() > 1) RasteriseLine(d, clip, from, to, phase);
    const std::uint32_t endRGB = endColor != nullptr ? ColorToRGB(*endColor) : 0;
    if (endColor != nullptr && Inside(clip, x1, y1)) {
      d.surface->Set(static_cast<int>(x1), static_cast<int>(y1), endRGB);
    }
    if (recorder_ != nullptr && !clip.IsEmpty()) {
      recorder_->Line({std::int64_t{from.X} + d.origin.X, std::int64_t{from.Y} + d.origin.Y}, {x1, y1}, pen_, phase,
                      clip, endColor != nullptr ? &endRGB : nullptr);
    }
  }
  AfterDrawing();
}

void TCanvas::VerticalLines(std::span<const int> xs, int yFrom, int yTo) {
  if (xs.empty()) return;
  if (pen_.Width() > 1 || (pen_.Style() != psSolid && pen_.Style() != psInsideFrame)) {
    for (int x : xs) {
      MoveTo(x, yFrom);
      LineTo(x, yTo);
    }
    return;
  }
  BeforeDrawing();
  penPos_ = TPoint{xs.back(), yTo};
  const std::int64_t length = std::int64_t{yTo} - yFrom;
  dashPixels_ = static_cast<std::uint64_t>(length < 0 ? -length : length);
  const DeviceView d = Device();
  Surface* s = d.surface;
  const TRect clip = EffectiveClipOf(d);
  if (s != nullptr && !clip.IsEmpty() && length != 0) {
    const TPoint o = d.origin;
    const LineCover rows = LineCoverOf(yFrom, yTo);
    const int firstRow = static_cast<int>(std::max<std::int64_t>(rows.first + o.Y, clip.Top));
    const int lastRow = static_cast<int>(std::min<std::int64_t>(rows.last + o.Y, clip.Bottom - 1));
    std::vector<int> columns;
    columns.reserve(xs.size());
    for (int x : xs) {
      const std::int64_t sx = std::int64_t{x} + o.X;
      if (sx >= clip.Left && sx < clip.Right) columns.push_back(static_cast<int>(sx));
    }
    if (!columns.empty() && firstRow <= lastRow) {
      WithPenOp(pen_.Mode(), ColorToRGB(pen_.Color()), [&](auto op) {
        for (int y = firstRow; y <= lastRow; ++y) {
          std::uint32_t* row = s->Row(y);
          for (int x : columns) row[x] = op(row[x]);
        }
      });
    }
    if (recorder_ != nullptr) {
      for (int x : xs) {
        const std::int64_t sx = std::int64_t{x} + o.X;
        recorder_->Line({sx, std::int64_t{yFrom} + o.Y}, {sx, std::int64_t{yTo} + o.Y}, pen_, 0, clip, nullptr);
      }
    }
  }
  AfterDrawing();
}

// A pen wider than one pixel draws its outline inside the rectangle, as wide
// as the pen; the pen style only matters for psClear (no outline).
void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  BeforeDrawing();
  const DeviceView d = Device();
  Surface* s = d.surface;
  const TRect clip = EffectiveClipOf(d);
  const TPoint o = d.origin;
  const Box box{std::int64_t{std::min(x1, x2)} + o.X, std::int64_t{std::min(y1, y2)} + o.Y,
                std::int64_t{std::max(x1, x2)} + o.X, std::int64_t{std::max(y1, y2)} + o.Y};
  const bool outline = pen_.Style() != psClear;
  const bool fill = brush_.Style() != bsClear;
  if (s != nullptr && !clip.IsEmpty() && !box.Empty() && (outline || fill)) {
    const std::uint32_t penColor = ColorToRGB(pen_.Color());
    const std::uint32_t brushColor = ColorToRGB(brush_.Color());
    const bool oneColor = !outline || (fill && penColor == brushColor);
    if (pen_.Mode() == pmCopy && oneColor && clip == s->Bounds() && box.Covers(clip)) {
      s->Fill(outline ? penColor : brushColor);
    } else {
      WithPenOp(pen_.Mode(), penColor, [&](auto penOp) {
        const decltype(penOp) brushOp{brushColor};
        if (outline) {
          FrameBox(*s, clip, box, std::max(pen_.Width(), 1), penOp, fill, brushOp);
        } else {
          FillBox(*s, clip, box, brushOp);
        }
      });
    }
    if (recorder_ != nullptr) recorder_->Rectangle({box.left, box.top, box.right, box.bottom}, pen_, brush_, clip);
  }
  AfterDrawing();
}

// A clear brush fills nothing.
void TCanvas::FillRect(const TRect& rect) {
  BeforeDrawing();
  const DeviceView d = Device();
  Surface* s = d.surface;
  if (s != nullptr && brush_.Style() != bsClear) {
    const TRect clip = EffectiveClipOf(d);
    const TPoint o = d.origin;
    const Box box{std::int64_t{rect.Left} + o.X, std::int64_t{rect.Top} + o.Y,
                  std::int64_t{rect.Right} + o.X, std::int64_t{rect.Bottom} + o.Y};
    const PenOp<pmCopy> op{ColorToRGB(brush_.Color())};
    if (clip == s->Bounds() && box.Covers(clip)) {
      s->Fill(op.pen);
    } else if (!clip.IsEmpty() && !box.Empty()) {
      FillBox(*s, clip, box, op);
    }
    if (recorder_ != nullptr && !clip.IsEmpty() && !box.Empty()) {
      recorder_->Fill({box.left, box.top, box.right, box.bottom}, op.pen, clip);
    }
  }
  AfterDrawing();
}

TColor TCanvas::Pixel(int x, int y) {
  const DeviceView d = Device();
  Surface* s = d.surface;
  if (s == nullptr) return CLR_INVALID;
  const TPoint o = d.origin;
  const std::int64_t px = std::int64_t{x} + o.X, py = std::int64_t{y} + o.Y;
  if (!Inside(s->Bounds(), px, py)) return CLR_INVALID;
  return s->Get(static_cast<int>(px), static_cast<int>(py));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  BeforeDrawing();
  const DeviceView d = Device();
  if (Surface* s = d.surface) {
    const TPoint o = d.origin;
    const std::int64_t px = std::int64_t{x} + o.X, py = std::int64_t{y} + o.Y;
    const TRect clip = EffectiveClipOf(d);
    if (Inside(clip, px, py)) {
      s->Set(static_cast<int>(px), static_cast<int>(py), ColorToRGB(color));
      if (recorder_ != nullptr) recorder_->Pixel({px, py}, ColorToRGB(color), clip);
    }
  }
  AfterDrawing();
}

void TCanvas::SetPixelLayers(std::span<const PixelLayer> layers) {
  BeforeDrawing();
  const DeviceView d = Device();
  if (Surface* s = d.surface) {
    const TRect clip = EffectiveClipOf(d);
    PaintPixelLayers(*s, clip, d.origin, layers);
    if (recorder_ != nullptr && !clip.IsEmpty()) {
      const TPoint o = d.origin;
      for (const PixelLayer& layer : layers) {
        const std::int64_t top = layer.top + o.Y, bottom = layer.bottom + o.Y;
        if (layer.shape == PixelLayer::Shape::Span) {
          recorder_->Fill({layer.left + o.X, top, layer.right + o.X, bottom}, layer.rgb, clip);
          continue;
        }
        for (const int x : layer.columns) {
          const std::int64_t sx = std::int64_t{x} + o.X;
          recorder_->Fill({sx, top, sx + 1, bottom}, layer.rgb, clip);
        }
      }
    }
  }
  AfterDrawing();
}

}  // namespace pelk
