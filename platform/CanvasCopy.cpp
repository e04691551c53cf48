// TCanvas block copies: Draw and CopyRect.
#include "platform/Bitmap.h"
#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "platform/DrawingRecorder.h"

namespace pelk {

void TCanvas::Draw(int x, int y, TBitmap& source) {
  BeforeDrawing();
  const DeviceView d = Device();
  if (Surface* s = d.surface) {
    const TPoint o = d.origin;
    const std::int64_t left = std::int64_t{x} + o.X, top = std::int64_t{y} + o.Y;
    const Rect64 dest{left, top, left + source.Width(), top + source.Height()};
    const Rect64 whole{0, 0, source.Width(), source.Height()};
    const TRect clip = EffectiveClipOf(d);
    StretchBlit(*s, clip, dest, source.Pixels(), whole, copyMode_, ColorToRGB(brush_.Color()));
    if (recorder_ != nullptr && !clip.IsEmpty()) recorder_->Copy(dest, copyMode_, *s, clip);
  }
  AfterDrawing();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  BeforeDrawing();
  const DeviceView d = Device();
  const DeviceView sd = source.Device();
  Surface* s = d.surface;
  const Surface* from = sd.surface;
  if (s != nullptr && from != nullptr) {
    const TPoint o = d.origin;
    const TPoint so = sd.origin;
    const Rect64 target{std::int64_t{dest.Left} + o.X, std::int64_t{dest.Top} + o.Y,
                        std::int64_t{dest.Right} + o.X, std::int64_t{dest.Bottom} + o.Y};
    const Rect64 r{std::int64_t{sourceRect.Left} + so.X, std::int64_t{sourceRect.Top} + so.Y,
                   std::int64_t{sourceRect.Right} + so.X, std::int64_t{sourceRect.Bottom} + so.Y};
    const TRect clip = EffectiveClipOf(d);
    StretchBlit(*s, clip, target, *from, r, copyMode_, ColorToRGB(brush_.Color()));
    if (recorder_ != nullptr && !clip.IsEmpty()) recorder_->Copy(target, copyMode_, *s, clip);
  }
  AfterDrawing();
}

}  // namespace pelk
