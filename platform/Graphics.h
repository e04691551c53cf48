// Graphics objects of a canvas: pen, brush and font.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Classes.h"
#include "platform/Gdi.h"
#include "platform/StateGeneration.h"
#include "platform/Types.h"

namespace pelk {

// Base of pen, brush and font: every effective change moves the drawing
// state generation and then calls OnChange.
class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    DrawingStateChanged();
    if (OnChange) OnChange(this);
  }
};

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TPen"; }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TBrush"; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// A font: Size in points and Height in pixels are two views of one value,
// Height = -MulDiv(Size, PixelsPerInch, 72) for the device the font is on.
class TFont : public TGraphicsObject {
 public:
  TFont();  // "Arial", 8 pt, no style, black, at the screen's resolution

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  int Size() const;
  void SetSize(int value);
  int Height() const { return height_; }
  void SetHeight(int value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // Resolution the Size is converted with; set by the canvas's device.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value > 0 ? value : 96; }

  // Copies name, height, style and colour; when the resolutions differ the
  // size in points is kept instead of the height. Notifies once if anything
  // changed.
  void Assign(const TPersistent& source) override;
  const char* ClassName() const override { return "TFont"; }

  // The logical font this font realises (escapement 0).
  LogFont Description() const;

 private:
  std::string name_ = "Arial";
  int height_ = 0;
  TFontStyles style_;
  TColor color_ = clBlack;
  int pixelsPerInch_ = 96;
};

}  // namespace pelk
