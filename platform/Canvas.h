// TCanvas: a drawing surface with pen, brush, font, current position, text
// alignment, background mode, copy mode and clip region. A canvas is its own
// device context (HDC). Subclasses bind it to a device: an image, a control
// on its form, or the printer's current page.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/DeviceEpoch.h"
#include "platform/Gdi.h"
#include "platform/Graphics.h"
#include "platform/Surface.h"

namespace pelk {

class TBitmap;
class TDrawingRecorder;

class TCanvas : public TPersistent {
 public:
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  // The canvas font, kept at the device's resolution.
  TFont& Font();

  // The device context, with the canvas font realised (selected unless a
  // font was selected into the context directly since the last font change).
  HDC Handle();
  // The device context without realising the font, for state calls such as
  // clip selection that plotting makes before every line.
  HDC Context() { return this; }

  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }

  // Sets the current position; restarts the dash pattern.
  void MoveTo(int x, int y);
  // Draws from the current position to (x, y), leaving (x, y) out, with the
  // current pen; (x, y) becomes the current position.
  void LineTo(int x, int y) {
    if (!QuickStep(x, y, nullptr)) DrawLineTo(x, y, nullptr);
  }
  // For each x in turn: MoveTo(x, yFrom), LineTo(x, yTo). A one-pixel solid
  // pen draws them row by row, which suits the memory layout far better
  // than one column after another.
  void VerticalLines(std::span<const int> xs, int yFrom, int yTo);
  // LineTo followed by setting the end pixel plainly to endColor (no raster
  // operation), in one pass over the canvas state. Inline: plotting draws
  // one per data point, and a step of a pixel or none inside the clip with
  // a plain pen is done here from the kept line state.
  void LineToAndSetEnd(int x, int y, TColor endColor) {
    if (!QuickStep(x, y, &endColor)) DrawLineTo(x, y, &endColor);
  }
  // Brush fills the inside, pen outlines; a one-pixel pen covers columns
  // x1 .. x2-1 and rows y1 .. y2-1.
  void Rectangle(int x1, int y1, int x2, int y2);
  // Fills the rectangle (right and bottom excluded) with the brush.
  void FillRect(const TRect& rect);

  // Pixels[x][y]: read (CLR_INVALID outside the surface) and set (clipped,
  // no raster operation).
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Copies the bitmap with its top-left corner at (x, y), honouring the copy
  // mode and the clip.
  void Draw(int x, int y, TBitmap& source);
  // Copies source's rectangle onto dest with the copy mode; stretches
  // (nearest pixel) when the sizes differ.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // Text at (x, y) by the context's text alignment, in the selected font and
  // the canvas font's colour; an opaque background fills the text cell with
  // the brush colour.
  void TextOut(int x, int y, std::string_view text);
  // Sum of the advances of the selected font, without kerning.
  int TextWidth(std::string_view text);
  // Cell height (ascent + descent) of the selected font.
  int TextHeight(std::string_view text);

  // Device-context state, reached through the functions of Gdi.h.
  std::optional<TRect> ClipRegion() const { return clip_; }
  void SelectClipRect(std::optional<TRect> rect) {
    clip_ = rect;
    clipSource_ = 0;
    line_.epoch = LineState::kUnresolved;
  }
  // The clip copied from a region handle, remembered with the handle so that
  // selecting the same live region again can be skipped.
  void SelectClipFromRegion(HRGN source, std::uint64_t deletions, const TRect& rect) {
    clip_ = rect;
    clipSource_ = source;
    clipSourceDeletions_ = deletions;
    line_.epoch = LineState::kUnresolved;
  }
  bool ClipComesFrom(HRGN source, std::uint64_t deletions) const {
    return source != 0 && clipSource_ == source && clipSourceDeletions_ == deletions;
  }
  std::uint32_t TextAlign() const { return textAlign_; }
  void SetTextAlign(std::uint32_t flags) { textAlign_ = flags; }
  int BackgroundMode() const { return bkMode_; }
  void SetBackgroundMode(int mode) { bkMode_ = mode; }
  HFONT SelectedFont();                 // realises the canvas font if needed
  HFONT SelectFontHandle(HFONT font);  // returns the displaced handle
  virtual int PixelsPerInch() const;  // of the device, vertical (LOGPIXELSY; fonts use it)
  virtual int PixelsPerInchX() const { return PixelsPerInch(); }  // LOGPIXELSX

  // The device as one drawing operation sees it, resolved in one call.
  struct DeviceView {
    Surface* surface = nullptr;  // null when the device has none now
    TPoint origin;               // logical (0, 0) in surface coordinates
    TRect bounds;                // drawing limit without a clip region, surface coordinates
  };
  virtual DeviceView Device() = 0;
  Surface* DeviceSurface() { return Device().surface; }
  // The part of the surface that drawing may reach now, in surface
  // coordinates; empty without a surface.
  TRect EffectiveClip();
  // Inline: every line and pixel drawn asks for it.
  TRect EffectiveClipOf(const DeviceView& device) const {
    if (device.surface == nullptr) return {};
    const TRect& b = device.bounds;
    TRect r{std::max(0, b.Left), std::max(0, b.Top), std::min(device.surface->Width(), b.Right),
            std::min(device.surface->Height(), b.Bottom)};
    if (clip_) {
      r = TRect{std::max(r.Left, clip_->Left), std::max(r.Top, clip_->Top), std::min(r.Right, clip_->Right),
                std::min(r.Bottom, clip_->Bottom)};
    }
    if (r.IsEmpty()) return {};
    return r;
  }

 protected:
  TCanvas();
  // Whether state resolved from the device may be kept between drawing
  // calls: BeforeDrawing does nothing and every change of the device's
  // shape goes through DeviceChanged().
  virtual bool KeepsDeviceState() const { return false; }
  // Called before every drawing operation; the printer's canvas throws
  // outside a print job.
  virtual void BeforeDrawing() {}
  // Called after the canvas drew on its surface (for a window's presentation).
  virtual void AfterDrawing() {}
  // Every drawing operation is also reported to the recorder while one is
  // set (the printer's, for documents). Null: nothing is reported.
  void SetRecorder(TDrawingRecorder* recorder) {
    recorder_ = recorder;
    line_.epoch = LineState::kUnresolved;
  }

 private:
  // What a plain one-pixel line needs, resolved from the device, the clip
  // and the pen, and kept while the device epoch and the pen revision stay
  // the same and no clip is selected. Surface coordinates.
  struct LineState {
    static constexpr std::uint64_t kUnresolved = ~std::uint64_t{0};
    std::uint64_t epoch = kUnresolved;
    std::uint64_t penRevision = 0;
    bool usable = false;  // a surface, a non-empty clip, a plain pen, a device that keeps state
    std::uint32_t* pixels = nullptr;
    std::int64_t stride = 0;
    TPoint origin;
    std::int64_t clipLeft = 0, clipTop = 0;
    std::uint64_t clipWidth = 0, clipHeight = 0;
    std::uint32_t penRGB = 0;
  };
  void ResolveLineState();
  bool QuickStep(int x, int y, const TColor* endColor);

  void FontChanged();
  void RealiseFont();
  // LineTo, and the end pixel when a colour is given.
  void DrawLineTo(int x, int y, const TColor* endColor);
  void RasteriseLine(const DeviceView& device, const TRect& clip, TPoint from, TPoint to, int phase);

  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint penPos_;
  // Pixels of lines since the last MoveTo: the dash pattern continues across
  // LineTo. Its phase is this modulo the pattern length, taken only when a
  // dashed line needs it.
  std::uint64_t dashPixels_ = 0;
  std::uint32_t noLineSink_ = 0;  // takes QuickStep's branch-free write of an empty line
  LineState line_;
  TCopyMode copyMode_ = cmSrcCopy;
  std::optional<TRect> clip_;
  HRGN clipSource_ = 0;                  // region the clip was copied from, if any
  std::uint64_t clipSourceDeletions_ = 0;  // objects deleted when it was copied
  std::uint32_t textAlign_ = TA_LEFT | TA_TOP;
  int bkMode_ = OPAQUE;
  HFONT ownFont_ = 0;       // the canvas font realised as a handle
  HFONT selectedFont_ = 0;  // the font text is drawn with
  bool fontValid_ = false;
  TDrawingRecorder* recorder_ = nullptr;
};

// A step of a pixel or none with both ends inside the clip: the start pixel
// (when there is a line) and the end pixel (when a colour is given), exactly
// as DrawLineTo sets them. Anything else returns false, having changed
// nothing. Plotting draws one line per data point, mostly such steps.
inline bool TCanvas::QuickStep(int x, int y, const TColor* endColor) {
  if (line_.epoch != DeviceEpoch() || line_.penRevision != pen_.Revision()) ResolveLineState();
  if (!line_.usable) return false;
  const std::int64_t x0 = std::int64_t{penPos_.X} + line_.origin.X, y0 = std::int64_t{penPos_.Y} + line_.origin.Y;
  const std::int64_t x1 = std::int64_t{x} + line_.origin.X, y1 = std::int64_t{y} + line_.origin.Y;
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  const std::int64_t pixels = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
  const auto inColumns = [this](std::int64_t v) { return static_cast<std::uint64_t>(v - line_.clipLeft) < line_.clipWidth; };
  const auto inRows = [this](std::int64_t v) { return static_cast<std::uint64_t>(v - line_.clipTop) < line_.clipHeight; };
  if (pixels > 1 || !inColumns(x0) || !inRows(y0) || !inColumns(x1) || !inRows(y1)) return false;
  // With no line the start pixel goes to a scratch word: the two cases
  // alternate at random in dense data, so no branch chooses.
  std::uint32_t* start = line_.pixels + (y0 * line_.stride + x0);
  const auto keep = static_cast<std::uintptr_t>(0) - static_cast<std::uintptr_t>(pixels);
  std::uint32_t* target = reinterpret_cast<std::uint32_t*>((reinterpret_cast<std::uintptr_t>(start) & keep) |
                                                           (reinterpret_cast<std::uintptr_t>(&noLineSink_) & ~keep));
  *target = line_.penRGB;
  if (endColor != nullptr) line_.pixels[y1 * line_.stride + x1] = ColorToRGB(*endColor);
  penPos_ = TPoint{x, y};
  dashPixels_ += static_cast<std::uint64_t>(pixels);
  AfterDrawing();
  return true;
}

}  // namespace pelk
