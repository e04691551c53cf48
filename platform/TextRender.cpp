#include "platform/TextRender.h"

namespace pelk {

namespace {

// A text run being drawn: its paint and the surface pixels it may change.
struct RunTarget {
  Surface& surface;
  const TextPaint& paint;
  PixelBox clip;

  // Device pixels of a text-frame box, clipped.
  PixelBox Place(const PixelBox& textBox) const { return Intersect(PlaceTextBox(paint, textBox), clip); }
};

void FillBox(const RunTarget& target, const PixelBox& textBox, std::uint32_t rgb) {
  const PixelBox box = target.Place(textBox);
  if (box.IsEmpty()) return;
  for (auto y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = target.surface.Row(static_cast<int>(y));
    for (auto x = box.left; x < box.right; ++x) row[x] = rgb;
  }
}

// Blends a glyph whose bitmap's top-left pixel is at text-frame (u0, v0).
void BlendGlyph(const RunTarget& target, const Glyph& glyph, std::int64_t u0, std::int64_t v0,
                std::uint32_t rgb) {
  const PixelBox box = target.Place({u0, v0, u0 + glyph.width, v0 + glyph.rows});
  if (box.IsEmpty()) return;
  const TextFrameMap map = DeviceToTextFrame(target.paint.rotation);
  // Coverage index of a device pixel, and its steps along a device row.
  const auto indexAt = [&](std::int64_t x, std::int64_t y) {
    const std::int64_t dx = x - target.paint.x;
    const std::int64_t dy = y - target.paint.y;
    const std::int64_t col = map.uPerX * dx + map.uPerY * dy + map.uBase - u0;
    const std::int64_t line = map.vPerX * dx + map.vPerY * dy + map.vBase - v0;
    return line * glyph.width + col;
  };
  const std::int64_t step = map.vPerX * static_cast<std::int64_t>(glyph.width) + map.uPerX;
  const std::uint8_t* coverage = glyph.coverage.data();
  for (auto y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = target.surface.Row(static_cast<int>(y));
    // Inside the placed box every index lies within the bitmap.
    std::int64_t index = indexAt(box.left, y);
    for (auto x = box.left; x < box.right; ++x, index += step) {
      const unsigned a = coverage[index];
      if (a != 0) row[x] = BlendCoverage(row[x], rgb, a);
    }
  }
}

}  // namespace

TextRunLayout LayOutTextRun(RealisedFont& font, std::string_view text, const TextPaint& paint) {
  TextRunLayout layout;
  const std::int64_t width = font.Measure(text);
  layout.start = AlignText(paint.align, width, font.Ascent(), font.Descent());
  const std::int64_t u = layout.start.u;
  const std::int64_t baseline = layout.start.baseline;
  layout.cell = {u, baseline - font.Ascent(), u + width, baseline + font.Descent()};
  const auto lineBox = [&](const DecorationLine& line) {
    const std::int64_t top = baseline + line.top;
    return PixelBox{u, top, u + width, top + line.thickness};
  };
  if (paint.underline) layout.underline = lineBox(font.Underline());
  if (paint.strikeOut) layout.strikeOut = lineBox(font.StrikeOut());
  return layout;
}

PixelBox PlaceTextBox(const TextPaint& paint, const PixelBox& textBox) {
  PixelBox box = ToDevice(paint.rotation, textBox);
  box.left += paint.x;
  box.right += paint.x;
  box.top += paint.y;
  box.bottom += paint.y;
  return box;
}

bool RunCanTouch(const RealisedFont& font, std::string_view text, const TextPaint& paint, const PixelBox& box) {
  // Every glyph advances at most the reach and covers pixels within it of
  // its pen; the cell and the decorations lie within ascent and descent of
  // a baseline that is itself at most that far from the reference point.
  const std::int64_t reach = font.GlyphReach();
  const std::int64_t along = static_cast<std::int64_t>(text.size()) * reach + reach;
  const std::int64_t across = std::int64_t{font.Ascent()} + font.Descent() + reach;
  return !Intersect(PlaceTextBox(paint, {-along, -across, along + 1, across + 1}), box).IsEmpty();
}

void DrawTextRun(Surface& surface, RealisedFont& font, std::string_view text, const TextPaint& paint) {
  if (font.IsNull()) return;
  const RunTarget target{surface, paint, Intersect(paint.clip, {0, 0, surface.Width(), surface.Height()})};
  if (target.clip.IsEmpty() || !RunCanTouch(font, text, paint, target.clip)) return;
  const TextRunLayout layout = LayOutTextRun(font, text, paint);
  const std::int64_t baseline = layout.start.baseline;
  if (paint.opaque) FillBox(target, layout.cell, paint.background);
  ForEachGlyph(font, text, layout.start.u, [&](char32_t c, const GlyphBox& box, std::int64_t pen) {
    const std::int64_t u0 = pen + box.left;
    const std::int64_t v0 = baseline - box.top;
    // Only glyphs that reach the clip are rendered, and only the part that does.
    const PixelBox visible = target.Place({u0, v0, u0 + box.width, v0 + box.rows});
    if (visible.IsEmpty()) return;
    const PixelBox wanted = ToTextFrame(paint.rotation, {visible.left - paint.x, visible.top - paint.y,
                                                   visible.right - paint.x, visible.bottom - paint.y});
    const Glyph& glyph = font.GlyphCovering(c, wanted.left - pen, wanted.top - baseline, wanted.right - pen,
                                            wanted.bottom - baseline);
    if (!glyph.coverage.empty()) BlendGlyph(target, glyph, pen + glyph.left, baseline - glyph.top, paint.foreground);
  });
  for (const PixelBox& line : {layout.underline, layout.strikeOut}) {
    if (!line.IsEmpty()) FillBox(target, line, paint.foreground);
  }
}

}  // namespace pelk
