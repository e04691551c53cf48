// Drawing a line of text from a realised font onto a surface.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/RealisedFont.h"
#include "platform/Surface.h"
#include "platform/TextGeometry.h"
#include "platform/Utf8.h"

namespace pelk {

struct TextPaint {
  std::int64_t x = 0;  // reference point, surface coordinates
  std::int64_t y = 0;
  std::uint32_t align = 0;  // TA_ flags; TA_UPDATECP is ignored
  TextRotation rotation = TextRotation::None;
  bool opaque = false;            // fill the text cell with `background` first
  std::uint32_t background = 0;   // 0x00BBGGRR
  std::uint32_t foreground = 0;   // 0x00BBGGRR
  bool underline = false;
  bool strikeOut = false;
  PixelBox clip;  // surface pixels that may change
};

// Where the parts of a run lie in its text frame: the pen start and the
// baseline, the text cell that an opaque background fills, and the boxes of
// the decoration lines that are on (empty boxes for those that are off).
struct TextRunLayout {
  TextStart start;
  PixelBox cell;
  PixelBox underline;
  PixelBox strikeOut;
};
TextRunLayout LayOutTextRun(RealisedFont& font, std::string_view text, const TextPaint& paint);

// The surface pixels of a text-frame box of the run, before clipping.
PixelBox PlaceTextBox(const TextPaint& paint, const PixelBox& textBox);

// Calls visit(character, glyph box, pen) for each character of the UTF-8
// text, the pen (text-frame u of the glyph's origin) advancing from `pen` by
// each glyph's advance, as the run is drawn. Nothing is rendered.
template <class Visit>
void ForEachGlyph(RealisedFont& font, std::string_view text, std::int64_t pen, Visit&& visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = NextCodePoint(text, pos);
    const GlyphBox& box = font.BoxOf(c);
    visit(c, box, pen);
    pen += box.advance;
  }
}

// Whether any pixel of the run (glyphs, cell, decorations) can lie within
// `box` (surface pixels), judged from the font's extents and the text's
// length alone, before anything is measured.
bool RunCanTouch(const RealisedFont& font, std::string_view text, const TextPaint& paint, const PixelBox& box);

// Draws the UTF-8 text; nothing outside paint.clip or the surface changes.
void DrawTextRun(Surface& surface, RealisedFont& font, std::string_view text, const TextPaint& paint);

}  // namespace pelk
