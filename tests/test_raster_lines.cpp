// One-pixel and wide lines drawn on a bitmap canvas, read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Bitmap.h"

namespace pelk {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

// A bitmap of the given size filled with one colour.
void Prepare(TBitmap& b, int w, int h, TColor background) {
  b.SetSize(w, h);
  b.Pixels().Fill(background);
}

PixelSet PixelsOf(TBitmap& b, TColor color) {
  PixelSet s;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixel(x, y) == color) s.insert({x, y});
  return s;
}

// Row y as text: '#' where the pixel has the colour, '.' elsewhere.
std::string RowText(TBitmap& b, int y, TColor color) {
  std::string s;
  for (int x = 0; x < b.Width(); ++x) s += b.Canvas().Pixel(x, y) == color ? '#' : '.';
  return s;
}

TEST(RasterLines, EachOctantSetsTheRulePixelsAndLeavesTheEndOut) {
  struct Case {
    int dx, dy;
    PixelSet offsets;
  };
  const std::vector<Case> cases = {
      {5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
      {-2, 5, {{0, 0}, {0, 1}, {-1, 2}, {-1, 3}, {-2, 4}}},
      {-5, 2, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}, {-4, 2}}},
      {-5, -2, {{0, 0}, {-1, 0}, {-2, -1}, {-3, -1}, {-4, -2}}},
      {-2, -5, {{0, 0}, {0, -1}, {-1, -2}, {-1, -3}, {-2, -4}}},
      {2, -5, {{0, 0}, {0, -1}, {1, -2}, {1, -3}, {2, -4}}},
      {5, -2, {{0, 0}, {1, 0}, {2, -1}, {3, -1}, {4, -2}}},
      {3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {-3, 3, {{0, 0}, {-1, 1}, {-2, 2}}},
      {4, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {0, -3, {{0, 0}, {0, -1}, {0, -2}}},
      {0, 0, {}},
  };
  for (const Case& c : cases) {
    TBitmap b;
    Prepare(b, 21, 21, clWhite);
    b.Canvas().MoveTo(10, 10);
    b.Canvas().LineTo(10 + c.dx, 10 + c.dy);
    PixelSet expected;
    for (auto [x, y] : c.offsets) expected.insert({10 + x, 10 + y});
    EXPECT_EQ(PixelsOf(b, clBlack), expected) << "line by " << c.dx << ", " << c.dy;
    EXPECT_EQ(b.Canvas().PenPos(), (TPoint{10 + c.dx, 10 + c.dy}));
  }
}

TEST(RasterLines, EachPenModeCombinesPenAndDestination) {
  const TColor pen = 0x00CC55, dst = 0x5A0FF0;
  const std::vector<std::pair<TPenMode, TColor>> cases = {
      {pmBlack, 0x000000},       {pmWhite, 0xFFFFFF},      {pmNop, 0x5A0FF0},
      {pmNot, 0xA5F00F},         {pmCopy, 0x00CC55},       {pmNotCopy, 0xFF33AA},
      {pmMergePenNot, 0xA5FC5F}, {pmMaskPenNot, 0x00C005}, {pmMergeNotPen, 0xFF3FFA},
      {pmMaskNotPen, 0x5A03A0},  {pmMerge, 0x5ACFF5},      {pmNotMerge, 0xA5300A},
      {pmMask, 0x000C50},        {pmNotMask, 0xFFF3AF},    {pmXor, 0x5AC3A5},
      {pmNotXor, 0xA53C5A},
  };
  for (auto [mode, expected] : cases) {
    TBitmap b;
    Prepare(b, 4, 1, dst);
    b.Canvas().Pen().SetColor(pen);
    b.Canvas().Pen().SetMode(mode);
    b.Canvas().MoveTo(1, 0);
    b.Canvas().LineTo(2, 0);
    EXPECT_EQ(b.Canvas().Pixel(1, 0), expected) << "mode " << int(mode);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), dst);
    EXPECT_EQ(b.Canvas().Pixel(2, 0), dst);
  }
}

// `count` characters of the periodic pattern from position `from` on.
std::string Periodic(const std::string& period, int from, int count) {
  std::string s;
  for (int i = from; i < from + count; ++i) s += period[i % period.size()];
  return s;
}

TEST(RasterLines, DashPatternsCountPixelsAcrossLinesAndRestartAtMoveTo) {
  const std::vector<std::pair<TPenStyle, std::string>> cases = {
      {psSolid, "########################"},
      {psInsideFrame, "########################"},
      {psClear, "........................"},
      {psDash, "##################......"},
      {psDot, "###...###...###...###..."},
      {psDashDot, "#########......###......"},
      {psDashDotDot, "#########...###...###..."},
  };
  for (const auto& [style, period] : cases) {
    TBitmap b;
    Prepare(b, 30, 4, clWhite);
    TCanvas& c = b.Canvas();
    c.Pen().SetStyle(style);
    // Row 0: one line. Row 1: the same line in two pieces.
    c.MoveTo(0, 0);
    c.LineTo(30, 0);
    c.MoveTo(0, 1);
    c.LineTo(7, 1);
    c.LineTo(30, 1);
    // Row 2: a line starting 10 pixels left of the image.
    c.MoveTo(-10, 2);
    c.LineTo(30, 2);
    // Row 3: MoveTo restarts the pattern at x = 10.
    c.MoveTo(0, 3);
    c.LineTo(10, 3);
    c.MoveTo(10, 3);
    c.LineTo(30, 3);
    EXPECT_EQ(RowText(b, 0, clBlack), Periodic(period, 0, 30)) << "style " << int(style);
    EXPECT_EQ(RowText(b, 1, clBlack), Periodic(period, 0, 30)) << "style " << int(style);
    EXPECT_EQ(RowText(b, 2, clBlack), Periodic(period, 10, 30)) << "style " << int(style);
    EXPECT_EQ(RowText(b, 3, clBlack), Periodic(period, 0, 10) + Periodic(period, 0, 20))
        << "style " << int(style);
    EXPECT_EQ(c.PenPos(), (TPoint{30, 3}));
  }
}

// The pixels of the rule for a line, computed directly for the indices
// whose major coordinate falls inside a w x h image.
PixelSet ReferenceVisible(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h) {
  __extension__ typedef __int128 I128;
  const std::int64_t adx = std::llabs(x1 - x0), ady = std::llabs(y1 - y0);
  const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const std::int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
  PixelSet s;
  const int extent = xMajor ? w : h;
  for (int m = 0; m < extent; ++m) {
    const std::int64_t i = ((xMajor ? x0 : y0) - m) * -(xMajor ? sx : sy);
    if (i < 0 || i >= major) continue;
    const std::int64_t offset = static_cast<std::int64_t>((I128{2} * i * minor + major) / (I128{2} * major));
    const std::int64_t x = xMajor ? m : x0 + sx * offset;
    const std::int64_t y = xMajor ? y0 + sy * offset : m;
    if (x >= 0 && x < w && y >= 0 && y < h) s.insert({int(x), int(y)});
  }
  return s;
}

TEST(RasterLines, HugeLinesSetExactlyTheirVisiblePixels) {
  struct Case {
    int x0, y0, x1, y1;
  };
  const std::vector<Case> cases = {
      {10, 20, 2000000000, -2000000000},
      {-2000000000, 5, 2000000000, 40},
      {3, 3, 2147483647, 2147483647},
      {2147483647, -5, -2147483647 - 1, 60},
      {-1000, 1030, 1030, -1000},
      {32 - 2000000000, 24 - 1800000000, 32 + 2000000000, 24 + 1800000000},
      {32 + 2000000000, 24 - 1800000000, 32 - 2000000000, 24 + 1800000000},
      {60 - 1800000000, 24 - 2000000000, 60 + 1800000000, 24 + 2000000000},
      {4 + 1800000000, 24 + 2000000000, 4 - 1800000000, 24 - 2000000000},
      {31, -2000000000, 33, 2000000000},
  };
  for (const Case& c : cases) {
    TBitmap b;
    Prepare(b, 64, 48, clWhite);
    b.Canvas().MoveTo(c.x0, c.y0);
    b.Canvas().LineTo(c.x1, c.y1);
    EXPECT_EQ(PixelsOf(b, clBlack), ReferenceVisible(c.x0, c.y0, c.x1, c.y1, 64, 48))
        << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
  }
  // A huge line and a short one of the same slope from the same start agree.
  for (int sign : {1, -1}) {
    TBitmap huge, shortLine;
    Prepare(huge, 64, 48, clWhite);
    Prepare(shortLine, 64, 48, clWhite);
    huge.Canvas().MoveTo(30, 20);
    huge.Canvas().LineTo(30 + sign * 2000000000, 20 + sign * 1000000000);
    shortLine.Canvas().MoveTo(30, 20);
    shortLine.Canvas().LineTo(30 + sign * 200, 20 + sign * 100);
    EXPECT_EQ(PixelsOf(huge, clBlack), PixelsOf(shortLine, clBlack));
    EXPECT_FALSE(PixelsOf(huge, clBlack).empty());
  }
}

// Pixels whose centres lie within width / 2 of the segment (even widths:
// centres at half-pixel offsets), inside a w x h image.
PixelSet ReferenceBand(double ax, double ay, double bx, double by, int width, int w, int h) {
  const double c = width % 2 == 0 ? 0.5 : 0.0, r = width / 2.0;
  PixelSet s;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double px = x + c - ax, py = y + c - ay, dx = bx - ax, dy = by - ay;
      const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
      if (std::hypot(px - t * dx, py - t * dy) <= r) s.insert({x, y});
    }
  }
  return s;
}

TEST(RasterLines, WidePenDrawsARoundEndedBandOncePerPixel) {
  struct Case {
    int x0, y0, x1, y1, width;
  };
  const std::vector<Case> cases = {
      {10, 10, 40, 25, 5}, {5, 20, 55, 20, 4}, {30, 3, 30, 40, 3},
      {12, 40, 50, 7, 8},  {-1000000000, 10, 1000000000, 30, 3},
  };
  for (const Case& c : cases) {
    TBitmap b;
    Prepare(b, 64, 48, clBlack);
    TCanvas& canvas = b.Canvas();
    canvas.Pen().SetColor(0x00FF00);
    canvas.Pen().SetMode(pmXor);
    canvas.Pen().SetWidth(c.width);
    canvas.Pen().SetStyle(psDot);  // ignored by wide pens
    canvas.MoveTo(c.x0, c.y0);
    canvas.LineTo(c.x1, c.y1);
    // A pixel written twice would have toggled back to black.
    EXPECT_EQ(PixelsOf(b, 0x00FF00), ReferenceBand(c.x0, c.y0, c.x1, c.y1, c.width, 64, 48))
        << "width " << c.width;
    EXPECT_EQ(PixelsOf(b, 0x00FF00).size() + PixelsOf(b, clBlack).size(), 64u * 48u);
  }
  // Even and odd widths: a horizontal band is exactly `width` rows deep.
  for (int width : {2, 3, 4, 7}) {
    TBitmap b;
    Prepare(b, 40, 40, clWhite);
    b.Canvas().Pen().SetWidth(width);
    b.Canvas().MoveTo(10, 20);
    b.Canvas().LineTo(30, 20);
    int rows = 0;
    for (int y = 0; y < 40; ++y) rows += b.Canvas().Pixel(20, y) == clBlack;
    EXPECT_EQ(rows, width);
  }
}

TEST(RasterLines, NoSurfaceOrClearPenStillMovesThePosition) {
  TBitmap empty;  // 0 x 0
  empty.Canvas().MoveTo(1, 2);
  empty.Canvas().LineTo(50, 60);
  EXPECT_EQ(empty.Canvas().PenPos(), (TPoint{50, 60}));
  TBitmap b;
  Prepare(b, 10, 10, clWhite);
  b.Canvas().Pen().SetStyle(psClear);
  b.Canvas().Pen().SetWidth(3);
  b.Canvas().LineTo(9, 9);
  EXPECT_EQ(b.Canvas().PenPos(), (TPoint{9, 9}));
  EXPECT_TRUE(PixelsOf(b, clBlack).empty());
}

}  // namespace
}  // namespace pelk
