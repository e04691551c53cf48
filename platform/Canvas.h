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

#include "platform/Gdi.h"
#include "platform/Graphics.h"
#include "platform/PixelLayers.h"
#include "platform/StateGeneration.h"
#include "platform/Surface.h"

namespace pelk {

class TBitmap;
class TDrawingRecorder;

/// A drawing surface with pen, brush, font, current position, text alignment,
/// background mode, copy mode and clip; images, controls and the printer's page have one.
class TCanvas : public TPersistent {
 public:
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  /// The pen lines and outlines are drawn with.
  TPen& Pen() { return pen_; }
  /// The brush fills and opaque text backgrounds are drawn with.
  TBrush& Brush() { return brush_; }
  /// The canvas font, kept at the device's resolution.
  TFont& Font();

  /// The device context, with the canvas font realised (selected unless a
  /// font was selected into the context directly since the last font change).
  HDC Handle();
  /// The device context without realising the font, for state calls such as
  /// clip selection.
  HDC Context() { return this; }

  /// The current position.
  TPoint PenPos() const { return penPos_; }
  /// Moves the current position, as MoveTo.
  void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }

  /// Sets the current position; restarts the dash pattern.
  void MoveTo(int x, int y);
  /// Draws from the current position to (x, y), leaving (x, y) out, with the
  /// current pen; (x, y) becomes the current position.
  void LineTo(int x, int y) { DrawLineTo(x, y, nullptr); }
  /// For each x in turn: MoveTo(x, yFrom), LineTo(x, yTo). A one-pixel solid
  /// pen draws them row by row, which suits the memory layout far better
  /// than one column after another.
  void VerticalLines(std::span<const int> xs, int yFrom, int yTo);
  /// LineTo followed by setting the end pixel plainly to endColor (no raster
  /// operation, clipped), in one pass over the canvas state.
  void LineToAndSetEnd(int x, int y, TColor endColor) { DrawLineTo(x, y, &endColor); }
  /// Brush fills the inside, pen outlines; a one-pixel pen covers columns
  /// x1 .. x2-1 and rows y1 .. y2-1.
  void Rectangle(int x1, int y1, int x2, int y2);
  /// Fills the rectangle (right and bottom excluded) with the brush.
  void FillRect(const TRect& rect);

  /// Pixels[x][y]: read (CLR_INVALID outside the surface) and set (clipped,
  /// no raster operation).
  TColor Pixel(int x, int y);
  /// Sets one pixel (clipped, no raster operation).
  void SetPixel(int x, int y, TColor color);
  // Sets the layers' pixels plainly like SetPixel (clipped, no raster
  // operation), a later layer over an earlier one, visiting each row once.
  void SetPixelLayers(std::span<const PixelLayer> layers);

  /// Copies the bitmap with its top-left corner at (x, y), honouring the copy
  /// mode and the clip.
  void Draw(int x, int y, TBitmap& source);
  /// Copies source's rectangle onto dest with the copy mode; stretches
  /// (nearest pixel) when the sizes differ.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
  /// The raster operation Draw and CopyRect copy with.
  TCopyMode CopyMode() const { return copyMode_; }
  /// Sets the raster operation of copies.
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  /// Text at (x, y) by the context's text alignment, in the selected font and
  /// the canvas font's colour; an opaque background fills the text cell with
  /// the brush colour.
  void TextOut(int x, int y, std::string_view text);
  /// Sum of the advances of the selected font, without kerning.
  int TextWidth(std::string_view text);
  /// Cell height (ascent + descent) of the selected font.
  int TextHeight(std::string_view text);

  /// The clip in surface coordinates, or none (device-context state, also reached through Gdi.h).
  std::optional<TRect> ClipRegion() const { return clip_; }
  /// A clip in surface coordinates, or none; a change moves the drawing state
  /// generation.
  void SelectClipRect(std::optional<TRect> rect) {
    if (rect == clip_) return;
    clip_ = rect;
    DrawingStateChanged();
  }
  /// The TA_ flags TextOut places text by.
  std::uint32_t TextAlign() const { return textAlign_; }
  /// Sets the TA_ flags TextOut places text by.
  void SetTextAlign(std::uint32_t flags) { textAlign_ = flags; }
  /// OPAQUE (text cells filled with the brush colour) or TRANSPARENT.
  int BackgroundMode() const { return bkMode_; }
  /// Sets whether text cells are filled.
  void SetBackgroundMode(int mode) { bkMode_ = mode; }
  /// The font text is drawn with; realises the canvas font if needed.
  HFONT SelectedFont();                 // realises the canvas font if needed
  /// Selects a font handle for text; returns the handle it displaces.
  HFONT SelectFontHandle(HFONT font);  // returns the displaced handle
  /// The device's vertical resolution, which fonts are sized with.
  virtual int PixelsPerInch() const;  // of the device, vertical (LOGPIXELSY; fonts use it)
  /// The device's horizontal resolution.
  virtual int PixelsPerInchX() const { return PixelsPerInch(); }  // LOGPIXELSX

  /// The device as one drawing operation sees it, resolved in one call.
  struct DeviceView {
    /// The surface drawn on; null when the device has none now.
    Surface* surface = nullptr;  // null when the device has none now
    /// Logical (0, 0) in surface coordinates.
    TPoint origin;               // logical (0, 0) in surface coordinates
    /// The drawing limit without a clip region, in surface coordinates.
    TRect bounds;                // drawing limit without a clip region, surface coordinates
  };
  /// The device this canvas draws on, as a drawing operation sees it now.
  virtual DeviceView Device() = 0;
  /// The surface drawn on now, or null.
  Surface* DeviceSurface() { return Device().surface; }
  /// The part of the surface that drawing may reach now, in surface
  /// coordinates; empty without a surface.
  TRect EffectiveClip() { return EffectiveClipOf(Device()); }
  /// The same for a device resolved already. Inline: every line and pixel
  /// drawn asks for it.
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
  /// Whether state resolved from the device may be kept between drawing
  /// calls (DirectLines): BeforeDrawing does nothing and every change of the
  /// device moves the drawing state generation.
  virtual bool KeepsDeviceState() const { return false; }
  /// Called before every drawing operation; the printer's canvas throws
  /// outside a print job.
  virtual void BeforeDrawing() {}
  /// Called after the canvas drew on its surface (for a window's presentation).
  virtual void AfterDrawing() {}
  /// Every drawing operation is also reported to the recorder while one is
  /// set (the printer's, for documents). Null: nothing is reported.
  void SetRecorder(TDrawingRecorder* recorder) {
    recorder_ = recorder;
    DrawingStateChanged();
  }

 private:
  friend class DirectLines;  // draws plain lines from state it keeps

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
  TCopyMode copyMode_ = cmSrcCopy;
  std::optional<TRect> clip_;
  std::uint32_t textAlign_ = TA_LEFT | TA_TOP;
  int bkMode_ = OPAQUE;
  HFONT ownFont_ = 0;       // the canvas font realised as a handle
  HFONT selectedFont_ = 0;  // the font text is drawn with
  bool fontValid_ = false;
  TDrawingRecorder* recorder_ = nullptr;
};

}  // namespace pelk
