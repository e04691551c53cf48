// Draw and CopyRect: copy modes, clipping, stretching and overlapping copies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Blit.h"

namespace pelk {
namespace {

// A w x h bitmap whose pixel (x, y) is Tag(x, y).
std::uint32_t Tag(int x, int y) { return static_cast<std::uint32_t>(0x100 * y + x + 1); }

void FillTagged(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Pixels().Set(x, y, Tag(x, y));
}

TEST(RasterCopy, EachCopyModeCombinesSourceDestinationAndBrush) {
  const TColor src = 0x00CC55, dst = 0x5A0FF0;
  const std::vector<std::pair<TCopyMode, TColor>> cases = {
      {cmSrcCopy, 0x00CC55},    {cmSrcInvert, 0x5AC3A5},  {cmSrcAnd, 0x000C50},
      {cmSrcPaint, 0x5ACFF5},   {cmNotSrcCopy, 0xFF33AA}, {cmDstInvert, 0xA5F00F},
      {cmBlackness, 0x000000},  {cmWhiteness, 0xFFFFFF},  {cmMergePaint, 0xFF3FFA},
      {cmSrcErase, 0x00C005},   {cmNotSrcErase, 0xA5300A}, {cmMergeCopy, 0x000C05},
      {0x12345678, 0x00CC55},
  };
  for (auto [mode, expected] : cases) {
    TBitmap source, target;
    source.SetSize(1, 1);
    source.Pixels().Fill(src);
    target.SetSize(3, 1);
    target.Pixels().Fill(dst);
    target.Canvas().SetCopyMode(mode);
    target.Canvas().Brush().SetColor(0x0F0F0F);
    target.Canvas().Draw(1, 0, source);
    EXPECT_EQ(target.Canvas().Pixel(1, 0), expected) << std::hex << mode;
    EXPECT_EQ(target.Canvas().Pixel(0, 0), dst);
    EXPECT_EQ(target.Canvas().Pixel(2, 0), dst);
  }
}

TEST(RasterCopy, DrawIsClippedToTheTargetAndCopiesExactly) {
  TBitmap source, target;
  FillTagged(source, 4, 3);
  target.SetSize(5, 5);
  const HRGN region = CreateRectRgn(0, 0, 4, 5);
  SelectClipRgn(&target.Canvas(), region);
  target.Canvas().Draw(2, 3, source);
  target.Canvas().Draw(-2147483647, 2147483647, source);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 2 && x < 4 && y >= 3;
      EXPECT_EQ(target.Canvas().Pixel(x, y), inside ? Tag(x - 2, y - 3) : 0u) << x << "," << y;
    }
  }
  DeleteObject(region);
}

TEST(RasterCopy, CopyRectStretchesShrinksAndMirrorsToTheNearestPixel) {
  struct Case {
    const char* name;
    TRect dest, src;
    std::vector<std::vector<int>> expectedSourceXY;  // per destination row: pairs x, y
  };
  // Source 2 x 2; destination rows listed as source (x, y) per pixel.
  const std::vector<Case> cases = {
      {"double", {0, 0, 4, 2}, {0, 0, 2, 1}, {{0, 0, 0, 0, 1, 0, 1, 0}, {0, 0, 0, 0, 1, 0, 1, 0}}},
      {"halve", {0, 0, 1, 1}, {0, 0, 2, 2}, {{1, 1}}},
      {"mirror", {2, 0, 0, 1}, {0, 0, 2, 1}, {{1, 0, 0, 0}}},
      {"flip", {0, 0, 2, 2}, {0, 2, 2, 0}, {{0, 1, 1, 1}, {0, 0, 1, 0}}},
      {"partly off the source", {0, 0, 2, 1}, {1, 0, 3, 1}, {{1, 0, -1, -1}}},
  };
  for (const Case& c : cases) {
    TBitmap source, target;
    FillTagged(source, 2, 2);
    target.SetSize(4, 2);
    target.Canvas().CopyRect(c.dest, source.Canvas(), c.src);
    for (std::size_t y = 0; y < c.expectedSourceXY.size(); ++y) {
      const std::vector<int>& row = c.expectedSourceXY[y];
      for (std::size_t i = 0; i + 1 < row.size(); i += 2) {
        const int x = static_cast<int>(i / 2);
        const std::uint32_t expected = row[i] < 0 ? 0u : Tag(row[i], row[i + 1]);
        EXPECT_EQ(target.Canvas().Pixel(x, static_cast<int>(y)), expected) << c.name << " at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(NearestSourceOffset(0, 3, 7), 1);
  EXPECT_EQ(NearestSourceOffset(2, 3, 7), 5);
  EXPECT_EQ(NearestSourceOffset(4000000000, 4000000001, 3), 2);
}

TEST(RasterCopy, OverlappingCopyWithinOneImageReadsTheOriginal) {
  for (int shift : {1, -1}) {
    TBitmap b;
    FillTagged(b, 6, 3);
    b.Canvas().CopyRect(TRect{1 + shift, shift, 5 + shift, 2 + shift}, b.Canvas(), TRect{1, 0, 5, 2});
    for (int y = 0; y < 2; ++y)
      for (int x = 1; x < 5; ++x) {
        if (x + shift < 0 || x + shift >= 6 || y + shift < 0) continue;
        EXPECT_EQ(b.Canvas().Pixel(x + shift, y + shift), Tag(x, y)) << "shift " << shift;
      }
  }
}

}  // namespace
}  // namespace pelk
