#include "platform/DirectLines.h"

#include "platform/LineRaster.h"
#include "platform/RasterOps.h"

namespace pelk {

namespace {

// A one-pixel solid (or inside-frame) copying pen: the plotting default.
bool IsPlainThinPen(const TPen& pen) {
  return pen.Width() <= 1 && (pen.Style() == psSolid || pen.Style() == psInsideFrame) && pen.Mode() == pmCopy;
}

}  // namespace

// The surface's storage and its zeroing state change only with its shape,
// which moves the generation, so its pixel pointer may be kept too.
DirectLines::DirectLines(TCanvas& canvas) : canvas_(&canvas) {
  const TCanvas::DeviceView d = canvas.Device();
  const TRect clip = canvas.EffectiveClipOf(d);
  // A recorded canvas reports every line, so it is never drawn directly.
  if (d.surface == nullptr || clip.IsEmpty() || !canvas.KeepsDeviceState() || !IsPlainThinPen(canvas.pen_) ||
      canvas.recorder_ != nullptr)
    return;
  pixels_ = d.surface->Row(0);
  stride_ = d.surface->Width();
  originIndex_ = std::int64_t{d.origin.Y} * stride_ + d.origin.X;
  clipLeft_ = std::int64_t{clip.Left} - d.origin.X;
  clipTop_ = std::int64_t{clip.Top} - d.origin.Y;
  clipWidth_ = static_cast<std::uint64_t>(clip.Right - clip.Left);
  clipHeight_ = static_cast<std::uint64_t>(clip.Bottom - clip.Top);
  penRGB_ = ColorToRGB(canvas.pen_.Color());
}

// The walk of the canvas's thin lines with both ends inside the clip, so
// the same pixels as its general path.
int DirectLines::Longer(std::int64_t x0, std::int64_t y0, std::int64_t x, std::int64_t y,
                        const std::uint32_t* endRGB, std::int64_t& index, bool& known) const {
  known = false;
  if (!InClip(x0, y0) || !InClip(x, y)) return -1;
  const ThinLine line = MakeThinLine(x0, y0, x, y);
  const std::ptrdiff_t stepX = line.sx, stepY = line.sy * stride_;
  WalkThinLine<false>(pixels_ + (originIndex_ + y0 * stride_ + x0), line.xMajor ? stepX : stepY,
                      line.xMajor ? stepY : stepX, line.major, LineStepper{-line.major, 2 * line.minor, 2 * line.major},
                      PenOp<pmCopy>{penRGB_}, 0, 0);
  index = originIndex_ + y * stride_ + x;
  if (endRGB != nullptr) pixels_[index] = *endRGB;
  known = true;
  return static_cast<int>(line.major);
}

void DirectLines::Take(DirectPen& pen, std::span<const DirectStep> steps, const std::uint32_t* endRGB,
                       bool draw) const {
  if (!draw) {
    // Only the moves reach the pen.
    for (const DirectStep& step : steps) {
      if (step.move) pen = DirectPen{step.x, step.y, 0, pen.owed};
    }
  } else if (endRGB != nullptr) {
    TakeLines<true>(pen, steps, *endRGB);
  } else {
    TakeLines<false>(pen, steps, 0);
  }
}

// The pen in locals, so that it stays in registers: a plotting run takes
// every point through here, a chunk at a time.
template <bool kEndPixel>
void DirectLines::TakeLines(DirectPen& pen, std::span<const DirectStep> steps, std::uint32_t endRGB) const {
  const std::uint32_t* end = kEndPixel ? &endRGB : nullptr;
  std::int64_t x0 = pen.x, y0 = pen.y, index = 0;
  std::uint64_t dash = pen.dash;
  bool owed = pen.owed, known = false;
  for (const DirectStep& step : steps) {
    if (step.move) {
      x0 = step.x;
      y0 = step.y;
      dash = 0;
      known = false;
      continue;
    }
    const int pixels = Direct(x0, y0, step.x, step.y, end, index, known);
    if (pixels >= 0) [[likely]] {
      dash += static_cast<unsigned>(pixels);
      owed = true;
    } else {
      dash = General(TPoint{static_cast<int>(x0), static_cast<int>(y0)}, dash, step.x, step.y, kEndPixel, endRGB);
    }
    x0 = step.x;
    y0 = step.y;
  }
  pen = DirectPen{x0, y0, dash, owed};
}

// The canvas draws from the given position and moves its own pen to the end.
std::uint64_t DirectLines::General(TPoint from, std::uint64_t dash, int x, int y, bool endPixel,
                                   std::uint32_t endRGB) const {
  canvas_->penPos_ = from;
  canvas_->dashPixels_ = dash;
  canvas_->DrawLineTo(x, y, endPixel ? &endRGB : nullptr);
  return canvas_->dashPixels_;
}

}  // namespace pelk
