#include "platform/Graphics.h"

#include <climits>

#include "platform/Arith.h"
#include "platform/Screen.h"

namespace pelk {

namespace {

// Stores value into field; true when that changed it.
template <typename T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

// -v without overflow for INT_MIN.
int Negated(int v) { return v == INT_MIN ? INT_MAX : -v; }

constexpr int kPointsPerInch = 72;
constexpr int kDefaultFontSize = 8;
constexpr std::size_t kMaxFaceNameLength = 31;

}  // namespace

// --- TPen ---

void TPen::SetColor(TColor value) {
  if (Store(color_, value)) Changed();
}

void TPen::SetWidth(int value) {
  if (Store(width_, value)) Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (Store(style_, value)) Changed();
}

void TPen::SetMode(TPenMode value) {
  if (Store(mode_, value)) Changed();
}

void TPen::Assign(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (pen == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  bool changed = Store(color_, pen->color_);
  changed |= Store(width_, pen->width_);
  changed |= Store(style_, pen->style_);
  changed |= Store(mode_, pen->mode_);
  if (changed) Changed();
}

// --- TBrush ---

void TBrush::SetColor(TColor value) {
  if (Store(color_, value)) Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (Store(style_, value)) Changed();
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (brush == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  bool changed = Store(color_, brush->color_);
  changed |= Store(style_, brush->style_);
  if (changed) Changed();
}

// --- TFont ---

TFont::TFont() {
  SetPixelsPerInch(Screen().PixelsPerInch());
  height_ = Negated(MulDiv(kDefaultFontSize, pixelsPerInch_, kPointsPerInch));
}

void TFont::SetName(const std::string& value) {
  if (Store(name_, value)) Changed();
}

int TFont::Size() const { return Negated(MulDiv(height_, kPointsPerInch, pixelsPerInch_)); }

void TFont::SetSize(int value) { SetHeight(Negated(MulDiv(value, pixelsPerInch_, kPointsPerInch))); }

void TFont::SetHeight(int value) {
  if (Store(height_, value)) Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (Store(style_, value)) Changed();
}

void TFont::SetColor(TColor value) {
  if (Store(color_, value)) Changed();
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (font == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  // A font on another device keeps its point size at this font's resolution.
  const int height = font->pixelsPerInch_ == pixelsPerInch_
                         ? font->height_
                         : Negated(MulDiv(font->Size(), pixelsPerInch_, kPointsPerInch));
  bool changed = Store(name_, font->name_);
  changed |= Store(height_, height);
  changed |= Store(style_, font->style_);
  changed |= Store(color_, font->color_);
  if (changed) Changed();
}

LogFont TFont::Description() const {
  LogFont f;
  f.Height = height_;
  f.Escapement = 0;
  f.Weight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  f.Italic = style_.Contains(fsItalic);
  f.Underline = style_.Contains(fsUnderline);
  f.StrikeOut = style_.Contains(fsStrikeOut);
  f.FaceName = name_.substr(0, kMaxFaceNameLength);
  return f;
}

}  // namespace pelk
