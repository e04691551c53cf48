// Text measured from outlines and drawn only where it reaches the image:
// the boxes, the partly rendered large glyphs and the skipped runs must give
// the pixels that rendering every glyph whole gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FontEngine.h"
#include "platform/Gdi.h"
#include "platform/Utf8.h"

namespace pelk {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

LogFont Arial(int height, int weight = FW_NORMAL, bool italic = false) {
  LogFont f;
  f.FaceName = "Arial";
  f.Height = height;
  f.Weight = weight;
  f.Italic = italic;
  return f;
}

std::string Printable() {
  std::string text;
  for (char c = '!'; c <= '~'; ++c) text += c;
  return text + "\xC3\xA9\xC3\x85\xE2\x82\xAC";  // é Å €
}

TEST(TextClipping, GlyphBoxesAreThoseOfTheRenderedGlyphs) {
  const LogFont fonts[] = {Arial(-11), Arial(-20, FW_BOLD), Arial(-33, FW_NORMAL, true), Arial(-120, FW_BOLD, true),
                           Arial(-230)};
  for (const LogFont& f : fonts) {
    FontEngine::Instance().WithFont(f, [&](RealisedFont& font) {
      const std::string text = Printable();
      std::size_t pos = 0;
      while (pos < text.size()) {
        const char32_t c = NextCodePoint(text, pos);
        const GlyphBox box = font.BoxOf(c);
        const Glyph& glyph = font.GlyphOf(c);
        const auto where = testing::Message() << "U+" << std::hex << static_cast<unsigned>(c) << std::dec
                                              << " at height " << f.Height;
        EXPECT_EQ(box.advance, glyph.advance) << where;
        EXPECT_EQ(box.width, glyph.width) << where;
        EXPECT_EQ(box.rows, glyph.rows) << where;
        if (glyph.width > 0) {
          EXPECT_EQ(box.left, glyph.left) << where;
          EXPECT_EQ(box.top, glyph.top) << where;
        }
      }
    });
  }
}

TEST(TextClipping, PartsOfALargeGlyphAgreeWithEachOtherAndTheWholeGlyph) {
  struct Window {
    std::int64_t left, top, right, bottom;  // relative to the whole glyph's top-left pixel
  };
  const Window windows[] = {
      {0, 0, 37, 41},            // top-left corner
      {150, 200, 151, 600},      // one column
      {-50, 333, 900, 334},      // one row, wider than the glyph
      {200, -20, 260, 30},       // partly above the glyph
      {5000, 5000, 5010, 5010},  // beyond it: nothing
  };
  for (const char32_t c : {U'W', U'@', U'g', U'\u20AC'}) {
    FontEngine::Instance().WithFont(Arial(-900, FW_BOLD, true), [&](RealisedFont& font) {
      const Glyph whole = font.GlyphOf(c);
      ASSERT_GT(whole.width * whole.rows, 64 * 1024) << "large enough to be rendered in parts";
      const Glyph all = font.GlyphCovering(c, whole.left, -whole.top, whole.left + whole.width,
                                           whole.rows - whole.top);
      // The band edges round their cells a little differently; a misplaced
      // band would differ by whole edges.
      ASSERT_EQ(all.coverage.size(), whole.coverage.size());
      for (std::size_t i = 0; i < all.coverage.size(); ++i) {
        ASSERT_LE(std::abs(all.coverage[i] - whole.coverage[i]), 8) << "pixel " << i;
      }
      for (const Window& w : windows) {
        const Glyph& part = font.GlyphCovering(c, whole.left + w.left, -whole.top + w.top, whole.left + w.right,
                                               -whole.top + w.bottom);
        const auto where = testing::Message() << "U+" << std::hex << static_cast<unsigned>(c) << std::dec
                                              << " window " << w.left << "," << w.top;
        ASSERT_EQ(part.coverage.size(), static_cast<std::size_t>(part.width) * part.rows) << where;
        for (std::int64_t y = std::max<std::int64_t>(w.top, 0); y < std::min<std::int64_t>(w.bottom, whole.rows); ++y) {
          for (std::int64_t x = std::max<std::int64_t>(w.left, 0); x < std::min<std::int64_t>(w.right, whole.width);
               ++x) {
            const std::int64_t col = x + whole.left - part.left;
            const std::int64_t row = y - whole.top + part.top;
            ASSERT_TRUE(col >= 0 && col < part.width && row >= 0 && row < part.rows) << where << " covers " << x << "," << y;
            ASSERT_EQ(part.coverage[row * part.width + col], all.coverage[y * all.width + x]) << where << " at " << x << "," << y;
          }
        }
      }
    });
  }
}

// Draws `text` at (x, y) with the font, alignment and rotation on a white
// image, clipped to `clip` when it is not empty.
std::vector<std::uint32_t> Drawn(int width, int height, const TRect& clip, int fontHeight, int escapement,
                                 std::uint32_t align, int x, int y, const std::string& text) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Pixels().Fill(kWhite);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetHeight(fontHeight);
  canvas.Font().SetColor(0x202020);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextAlign(canvas.Handle(), align);
  const HFONT rotated = CreateFontA(fontHeight, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                    OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Arial");
  const HGDIOBJ previous = SelectObject(canvas.Handle(), rotated);
  HRGN region = 0;
  if (!clip.IsEmpty()) {
    region = CreateRectRgn(clip.Left, clip.Top, clip.Right, clip.Bottom);
    SelectClipRgn(canvas.Handle(), region);
  }
  canvas.TextOut(x, y, text);
  SelectObject(canvas.Handle(), previous);
  DeleteObject(rotated);
  DeleteObject(region);
  std::vector<std::uint32_t> pixels;
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) pixels.push_back(bitmap.Pixels().Get(col, row));
  }
  return pixels;
}

TEST(TextClipping, ClippedTextKeepsTheUnclippedPixels) {
  struct Case {
    int fontHeight, escapement;
    std::uint32_t align;
    TRect clip;
  };
  const Case cases[] = {
      {-20, 0, TA_BASELINE | TA_LEFT, {310, 285, 370, 300}},
      {-20, 900, TA_BASELINE | TA_CENTER, {290, 100, 310, 250}},
      {-300, 0, TA_TOP | TA_CENTER, {100, 380, 137, 411}},
      {-300, 900, TA_BASELINE | TA_RIGHT, {250, 400, 300, 460}},
      {-300, 1800, TA_BOTTOM | TA_LEFT, {0, 400, 600, 401}},
      {-300, 2700, TA_BASELINE | TA_CENTER, {301, 0, 302, 600}},
  };
  const std::string text = "Wg@" + Printable();
  for (const Case& c : cases) {
    const std::vector<std::uint32_t> whole = Drawn(600, 600, {}, c.fontHeight, c.escapement, c.align, 300, 300, text);
    const std::vector<std::uint32_t> clipped =
        Drawn(600, 600, c.clip, c.fontHeight, c.escapement, c.align, 300, 300, text);
    int inked = 0;
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 600; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * 600 + x;
        const bool inside = x >= c.clip.Left && x < c.clip.Right && y >= c.clip.Top && y < c.clip.Bottom;
        ASSERT_EQ(clipped[i], inside ? whole[i] : kWhite) << "escapement " << c.escapement << " at " << x << "," << y;
        inked += inside && whole[i] != kWhite;
      }
    }
    EXPECT_GT(inked, 0) << "the clip holds part of the text, escapement " << c.escapement;
  }
}

TEST(TextClipping, TextBeyondTheImageDrawsWhatItsVisiblePartDraws) {
  std::string pattern;
  for (char c = '!'; c <= '~'; ++c) pattern += c;
  std::string huge;
  while (huge.size() < 20000) huge += pattern;
  struct Case {
    int fontHeight, escapement;
    std::uint32_t align;
    int x, y;
    std::string visible;  // a shorter text drawing the same pixels
  };
  const Case cases[] = {
      {-1024, 0, TA_TOP | TA_LEFT, -100, -250, pattern.substr(0, 3)},
      {-1024, 900, TA_BASELINE | TA_LEFT, 45, 150, pattern.substr(0, 3)},
      {-20, 0, TA_BASELINE | TA_RIGHT, 40, 25, huge.substr(huge.size() - 12)},
      {-1024, 0, TA_BASELINE | TA_LEFT, 0, 5000, ""},        // far below
      {-1024, 0, TA_BASELINE | TA_RIGHT, -2000, 300, ""},     // ends far to the left
      {-20, 2700, TA_BASELINE | TA_LEFT, 100000, 0, ""},      // far to the right
  };
  for (const Case& c : cases) {
    const auto drawn = Drawn(50, 50, {}, c.fontHeight, c.escapement, c.align, c.x, c.y, huge);
    const auto expected = Drawn(50, 50, {}, c.fontHeight, c.escapement, c.align, c.x, c.y, c.visible);
    EXPECT_EQ(drawn, expected) << "escapement " << c.escapement << " at " << c.x << "," << c.y;
    if (!c.visible.empty()) {
      EXPECT_NE(expected, std::vector<std::uint32_t>(expected.size(), kWhite)) << "the visible part inks the image";
    }
  }
}

}  // namespace
}  // namespace pelk
