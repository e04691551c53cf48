// Lines on one canvas drawn straight into its surface from state taken from
// the canvas once: the pixels, stride and origin of its device, its
// effective clip and its pen colour. The state is true while the drawing
// state generation stays where it was when it was taken; the holder takes it
// again when the generation has moved. A line with both ends inside the
// clip, drawn with a one-pixel solid copying pen, is drawn here (a step of a
// pixel or none inline, a longer one by the rasteriser's walk); every other
// line takes the canvas's general path. Either way the
// pixels, the pen position, the dash position and the after-drawing
// notification (a form's "surface changed") come out as the canvas's own
// MoveTo, LineTo and LineToAndSetEnd leave them.
//
// Single lines work on the canvas's pen. Runs of steps hold the pen in a
// DirectPen: Begin takes the canvas's pen and dash positions, each Take
// carries them on, and End gives them back to the canvas with the
// notification the direct steps owe. Between Begin and End nothing else may
// draw on the canvas or move its pen.
#pragma once

#include <cstdint>
#include <span>

#include "platform/Canvas.h"

namespace pelk {

// The pen of a run on one canvas.
struct DirectPen {
  std::int64_t x = 0, y = 0;
  std::uint64_t dash = 0;  // pixels since the last move, as the canvas counts them
  bool owed = false;       // direct steps drew since Begin
};

// One step of a run: a move (MoveTo) or a line to (x, y).
struct DirectStep {
  int x, y;
  bool move;
};

class DirectLines {
 public:
  DirectLines() = default;
  explicit DirectLines(TCanvas& canvas);

  // canvas.LineToAndSetEnd(x, y, *endRGB) when endRGB is given, else
  // canvas.LineTo(x, y). The end colour comes resolved to RGB, which the
  // canvas would resolve to itself.
  void LineTo(int x, int y, const std::uint32_t* endRGB) const {
    TCanvas& c = *canvas_;
    std::int64_t index = 0;
    bool known = false;
    const int pixels = Direct(c.penPos_.X, c.penPos_.Y, x, y, endRGB, index, known);
    if (pixels < 0) {
      c.DrawLineTo(x, y, endRGB);
      return;
    }
    c.penPos_ = TPoint{x, y};
    c.dashPixels_ += static_cast<unsigned>(pixels);
    c.AfterDrawing();
  }

  DirectPen Begin() const { return {canvas_->penPos_.X, canvas_->penPos_.Y, canvas_->dashPixels_, false}; }
  void End(const DirectPen& pen) const {
    canvas_->penPos_ = TPoint{static_cast<int>(pen.x), static_cast<int>(pen.y)};
    canvas_->dashPixels_ = pen.dash;
    if (pen.owed) canvas_->AfterDrawing();
  }
  // Each step in turn: a move as canvas.MoveTo, a line as LineTo above, or,
  // unless draw is set, lines left out (the pen then moves only by moves).
  void Take(DirectPen& pen, std::span<const DirectStep> steps, const std::uint32_t* endRGB, bool draw) const;

 private:
  // Draws the line from (x0, y0) to (x, y) when both ends lie inside the
  // clip, and returns its length in pixels; -1, having drawn nothing, for
  // any other. When known is set, index is the start pixel's index (the end
  // of the last direct line); after a direct line they hold the end's.
  int Direct(std::int64_t x0, std::int64_t y0, std::int64_t x, std::int64_t y, const std::uint32_t* endRGB,
             std::int64_t& index, bool& known) const {
    const std::int64_t dx = x - x0, dy = y - y0;
    // Mostly |dx| <= 1 and |dy| <= 1; an unusable state has an empty clip.
    if (static_cast<std::uint64_t>(dx + 1) > 2 || static_cast<std::uint64_t>(dy + 1) > 2) [[unlikely]] {
      return Longer(x0, y0, x, y, endRGB, index, known);
    }
    if (!InClip(x, y)) {
      known = false;
      return -1;
    }
    if (!known) {
      if (!InClip(x0, y0)) return -1;
      index = originIndex_ + y0 * stride_ + x0;
    }
    const std::int64_t end = index + dy * stride_ + dx;
    if (endRGB != nullptr) {
      // The end pixel overwrites the start of an empty line, so no test is needed.
      pixels_[index] = penRGB_;
      pixels_[end] = *endRGB;
    } else if ((dx | dy) != 0) {
      pixels_[index] = penRGB_;
    }
    index = end;
    known = true;
    return (dx | dy) != 0 ? 1 : 0;
  }
  // Direct's lines longer than a pixel, walked as the canvas's rasteriser
  // walks them.
  int Longer(std::int64_t x0, std::int64_t y0, std::int64_t x, std::int64_t y, const std::uint32_t* endRGB,
             std::int64_t& index, bool& known) const;
  template <bool kEndPixel>
  void TakeLines(DirectPen& pen, std::span<const DirectStep> steps, std::uint32_t endRGB) const;
  // The canvas's own line from the given pen and dash positions, with the
  // end pixel when endPixel is set; the dash position after it.
  std::uint64_t General(TPoint from, std::uint64_t dash, int x, int y, bool endPixel, std::uint32_t endRGB) const;

  // Logical coordinates; the clip is kept in them too.
  bool InClip(std::int64_t x, std::int64_t y) const {
    return static_cast<std::uint64_t>(x - clipLeft_) < clipWidth_ && static_cast<std::uint64_t>(y - clipTop_) < clipHeight_;
  }

  TCanvas* canvas_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  std::int64_t stride_ = 0;
  std::int64_t originIndex_ = 0;  // index of logical (0, 0), which may lie off the surface
  std::int64_t clipLeft_ = 0, clipTop_ = 0;
  std::uint64_t clipWidth_ = 0, clipHeight_ = 0;  // 0: every line takes the general path
  std::uint32_t penRGB_ = 0;
};

}  // namespace pelk
