#include "platform/DirectLines.h"

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
  if (d.surface == nullptr || clip.IsEmpty() || !canvas.KeepsDeviceState() || !IsPlainThinPen(canvas.pen_)) return;
  pixels_ = d.surface->Row(0);
  stride_ = d.surface->Width();
  originIndex_ = std::int64_t{d.origin.Y} * stride_ + d.origin.X;
  clipLeft_ = std::int64_t{clip.Left} - d.origin.X;
  clipTop_ = std::int64_t{clip.Top} - d.origin.Y;
  clipWidth_ = static_cast<std::uint64_t>(clip.Right - clip.Left);
  clipHeight_ = static_cast<std::uint64_t>(clip.Bottom - clip.Top);
  penRGB_ = ColorToRGB(canvas.pen_.Color());
}

// The canvas draws from the given position and moves its own pen to the end.
std::uint64_t DirectLines::General(TPoint from, std::uint64_t dash, int x, int y, const std::uint32_t* endRGB) const {
  canvas_->penPos_ = from;
  canvas_->dashPixels_ = dash;
  canvas_->DrawLineTo(x, y, endRGB);
  return canvas_->dashPixels_;
}

}  // namespace pelk
