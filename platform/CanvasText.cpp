// The text side of TCanvas: font realisation and selection, measuring and
// drawing text.
#include <optional>
#include <utility>

#include "platform/Canvas.h"
#include "platform/DrawingRecorder.h"
#include "platform/FontEngine.h"
#include "platform/TextRender.h"

namespace pelk {

namespace {

// The logical font of the selected handle; the canvas font's own when the
// handle is unknown (deleted or never a font).
LogFont SelectedLogFont(HFONT selected, const TFont& fallback) {
  std::optional<LogFont> selectedFont = FontDescription(selected);
  return selectedFont ? std::move(*selectedFont) : fallback.Description();
}

PixelBox ToPixelBox(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

TFont& TCanvas::Font() {
  font_.SetPixelsPerInch(PixelsPerInch());
  return font_;
}

HDC TCanvas::Handle() {
  if (!fontValid_) RealiseFont();
  return this;
}

HFONT TCanvas::SelectedFont() {
  if (!fontValid_) RealiseFont();
  return selectedFont_;
}

HFONT TCanvas::SelectFontHandle(HFONT font) {
  if (!fontValid_) RealiseFont();
  const HFONT previous = selectedFont_;
  // The null handle stands for the canvas's own font.
  selectedFont_ = font != 0 ? font : ownFont_;
  return previous;
}

void TCanvas::FontChanged() { fontValid_ = false; }

void TCanvas::RealiseFont() {
  const LogFont f = font_.Description();
  if (ownFont_ != 0) DeleteObject(ownFont_);
  ownFont_ = CreateFontA(f.Height, 0, f.Escapement, f.Escapement, f.Weight, f.Italic, f.Underline,
                         f.StrikeOut, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                         PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, f.FaceName.c_str());
  selectedFont_ = ownFont_;
  fontValid_ = true;
}

int TCanvas::TextWidth(std::string_view text) {
  if (!fontValid_) RealiseFont();
  return FontEngine::Instance().WithFont(SelectedLogFont(selectedFont_, font_),
                                         [&](RealisedFont& font) { return font.Measure(text); });
}

int TCanvas::TextHeight(std::string_view) {
  if (!fontValid_) RealiseFont();
  return FontEngine::Instance().WithFont(SelectedLogFont(selectedFont_, font_), [](RealisedFont& font) {
    return font.Ascent() + font.Descent();
  });
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  BeforeDrawing();
  if (!fontValid_) RealiseFont();
  const DeviceView d = Device();
  if (Surface* surface = d.surface) {
    const LogFont logFont = SelectedLogFont(selectedFont_, font_);
    const TPoint origin = d.origin;
    TextPaint paint;
    paint.x = static_cast<std::int64_t>(x) + origin.X;
    paint.y = static_cast<std::int64_t>(y) + origin.Y;
    paint.align = TextAlign();
    paint.rotation = RotationOfEscapement(logFont.Escapement);
    paint.opaque = BackgroundMode() == OPAQUE;
    paint.background = ColorToRGB(brush_.Color());
    paint.foreground = ColorToRGB(font_.Color());
    paint.underline = logFont.Underline;
    paint.strikeOut = logFont.StrikeOut;
    paint.clip = ToPixelBox(EffectiveClipOf(d));
    FontEngine::Instance().WithFont(logFont, [&](RealisedFont& font) {
      DrawTextRun(*surface, font, text, paint);
      if (recorder_ != nullptr && !paint.clip.IsEmpty()) recorder_->Text(font, text, paint);
    });
  }
  AfterDrawing();
}

}  // namespace pelk
