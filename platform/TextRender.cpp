#include "platform/TextRender.h"

#include "platform/Utf8.h"

namespace pelk {

namespace {

// A text run being drawn: the rotation about the reference point and the
// surface pixels it may change.
struct RunTarget {
  Surface& surface;
  TextRotation rotation;
  std::int64_t x;
  std::int64_t y;
  PixelBox clip;

  // Device pixels of a text-frame box, clipped.
  PixelBox Place(const PixelBox& textBox) const {
    PixelBox device = ToDevice(rotation, textBox);
    device.left += x;
    device.right += x;
    device.top += y;
    device.bottom += y;
    return Intersect(device, clip);
  }
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
  const TextFrameMap map = DeviceToTextFrame(target.rotation);
  // Coverage index of a device pixel, and its steps along a device row.
  const auto indexAt = [&](std::int64_t x, std::int64_t y) {
    const std::int64_t dx = x - target.x;
    const std::int64_t dy = y - target.y;
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

void DrawTextRun(Surface& surface, RealisedFont& font, std::string_view text, const TextPaint& paint) {
  if (font.IsNull()) return;
  const RunTarget target{surface, paint.rotation, paint.x, paint.y,
                         Intersect(paint.clip, {0, 0, surface.Width(), surface.Height()})};
  if (target.clip.IsEmpty()) return;
  const std::int64_t width = font.Measure(text);
  const TextStart start = AlignText(paint.align, width, font.Ascent(), font.Descent());
  const std::int64_t baseline = start.baseline;
  if (paint.opaque) {
    FillBox(target, {start.u, baseline - font.Ascent(), start.u + width, baseline + font.Descent()},
            paint.background);
  }
  std::int64_t pen = start.u;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const Glyph& glyph = font.GlyphOf(NextCodePoint(text, pos));
    if (!glyph.coverage.empty()) {
      BlendGlyph(target, glyph, pen + glyph.left, baseline - glyph.top, paint.foreground);
    }
    pen += glyph.advance;
  }
  for (const auto& [on, line] : {std::pair{paint.underline, font.Underline()},
                                 std::pair{paint.strikeOut, font.StrikeOut()}}) {
    if (!on) continue;
    const std::int64_t top = baseline + line.top;
    FillBox(target, {start.u, top, start.u + width, top + line.thickness}, paint.foreground);
  }
}

}  // namespace pelk
