// Graphics objects of a canvas: pen, brush and font.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Classes.h"
#include "platform/Gdi.h"
#include "platform/StateGeneration.h"
#include "platform/Types.h"

namespace pelk {

/// Base of pen, brush and font: every effective change moves the drawing
/// state generation and then calls OnChange.
class TGraphicsObject : public TPersistent {
 public:
  /// Called after every effective change.
  TNotifyEvent OnChange;

 protected:
  /// Reports a change: moves the drawing state generation, then calls OnChange.
  void Changed() {
    DrawingStateChanged();
    if (OnChange) OnChange(this);
  }
};

/// The pen of a canvas: the colour, width, dash style and raster operation of lines.
class TPen : public TGraphicsObject {
 public:
  /// The colour of lines (clBlack at first).
  TColor Color() const { return color_; }
  /// Sets the colour of lines.
  void SetColor(TColor value);
  /// The width of lines in pixels; above 1 a solid band with round ends.
  int Width() const { return width_; }
  /// Sets the width of lines.
  void SetWidth(int value);
  /// The dash pattern of lines (psSolid at first).
  TPenStyle Style() const { return style_; }
  /// Sets the dash pattern.
  void SetStyle(TPenStyle value);
  /// The raster operation of lines (pmCopy at first).
  TPenMode Mode() const { return mode_; }
  /// Sets the raster operation.
  void SetMode(TPenMode value);
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TPen"; }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

/// The brush of a canvas: the colour and style of fills.
class TBrush : public TGraphicsObject {
 public:
  /// The fill colour (clWhite at first).
  TColor Color() const { return color_; }
  /// Sets the fill colour.
  void SetColor(TColor value);
  /// Whether the brush fills (bsSolid at first).
  TBrushStyle Style() const { return style_; }
  /// Sets whether the brush fills.
  void SetStyle(TBrushStyle value);
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TBrush"; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

/// A font: Size in points and Height in pixels are two views of one value,
/// Height = -MulDiv(Size, PixelsPerInch, 72) for the device the font is on.
class TFont : public TGraphicsObject {
 public:
  TFont();  // "Arial", 8 pt, no style, black, at the screen's resolution

  /// The family name, matched through fontconfig ("Arial" finds a face of the same metrics).
  const std::string& Name() const { return name_; }
  /// Sets the family name.
  void SetName(const std::string& value);
  /// The size in points.
  int Size() const;
  /// Sets the size in points.
  void SetSize(int value);
  /// The height in pixels; negative: the character height without the leading.
  int Height() const { return height_; }
  /// Sets the height in pixels.
  void SetHeight(int value);
  /// Bold, italic, underline and strike-out.
  TFontStyles Style() const { return style_; }
  /// Sets the styles.
  void SetStyle(TFontStyles value);
  /// The colour of text.
  TColor Color() const { return color_; }
  /// Sets the colour of text.
  void SetColor(TColor value);
  /// Resolution the Size is converted with; set by the canvas's device.
  int PixelsPerInch() const { return pixelsPerInch_; }
  /// Sets the resolution Size is converted with (96 for values below 1).
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value > 0 ? value : 96; }

  /// Copies name, height, style and colour; when the resolutions differ the
  /// size in points is kept instead of the height. Notifies once if anything
  /// changed.
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TFont"; }

  /// The logical font this font realises (escapement 0).
  LogFont Description() const;

 private:
  std::string name_ = "Arial";
  int height_ = 0;
  TFontStyles style_;
  TColor color_ = clBlack;
  int pixelsPerInch_ = 96;
};

}  // namespace pelk
