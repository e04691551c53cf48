// The narrow interface through which a canvas reports what it has just drawn
// on its surface, so that a device can keep a description of its page beside
// the pixels (the printer writes pages as vector documents from it).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Blit.h"
#include "platform/Graphics.h"
#include "platform/LineRaster.h"

namespace pelk {

class RealisedFont;
class Surface;
struct TextPaint;

// Coordinates are surface pixels; `clip` is the part of the surface the
// operation could change (never empty when called). Colours are resolved
// RGB values, 0x00BBGGRR.
class TDrawingRecorder {
 public:
  virtual ~TDrawingRecorder() = default;
  // A line from `from` to `to` (left out) with the pen, the dash pattern
  // standing at `dashPhase` at `from`; then `to` set plainly to *endRGB when
  // given.
  virtual void Line(Point64 from, Point64 to, const TPen& pen, int dashPhase, const TRect& clip,
                    const std::uint32_t* endRGB) = 0;
  // Rectangle of a normalised box: brush inside, pen outline.
  virtual void Rectangle(const Rect64& box, const TPen& pen, const TBrush& brush, const TRect& clip) = 0;
  // A box filled plainly with one colour.
  virtual void Fill(const Rect64& box, std::uint32_t rgb, const TRect& clip) = 0;
  virtual void Pixel(Point64 at, std::uint32_t rgb, const TRect& clip) = 0;
  // A text run as DrawTextRun drew it (paint.clip is the clip).
  virtual void Text(RealisedFont& font, std::string_view text, const TextPaint& paint) = 0;
  // A block copy with `mode` onto `dest` (unnormalised) of `page`, which
  // holds the result.
  virtual void Copy(const Rect64& dest, TCopyMode mode, const Surface& page, const TRect& clip) = 0;
};

}  // namespace pelk
