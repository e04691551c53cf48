// Rectangles, fills and single pixels; device origin, bounds and clip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace pelk {
namespace {

// A canvas on a given surface with an origin and a drawing limit, counting
// the drawing notifications.
class DeviceCanvas : public TCanvas {
 public:
  DeviceCanvas(Surface* s, TPoint origin, TRect bounds) : surface_(s), origin_(origin), bounds_(bounds) {}
  DeviceView Device() override { return {surface_, origin_, bounds_}; }
  int before = 0;
  int after = 0;

 protected:
  void BeforeDrawing() override { ++before; }
  void AfterDrawing() override { ++after; }

 private:
  Surface* surface_;
  TPoint origin_;
  TRect bounds_;
};

// The image as rows of characters, one per pixel, from a colour legend.
std::vector<std::string> Picture(const Surface& s, const std::vector<std::pair<TColor, char>>& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.Height(); ++y) {
    std::string row;
    for (int x = 0; x < s.Width(); ++x) {
      char ch = '?';
      for (auto [color, c] : legend)
        if (s.Get(x, y) == color) ch = c;
      row += ch;
    }
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::pair<TColor, char>> kLegend = {
    {clWhite, '.'}, {clBlack, 'P'}, {clRed, 'B'}, {clRed ^ clWhite, 'x'}};

TEST(RasterShapes, RectangleOutlineAndFill) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    int penWidth;
    TPenStyle penStyle;
    TBrushStyle brushStyle;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"one-pixel pen", 1, 1, 7, 6, 1, psSolid, bsSolid,
       {"........", ".PPPPPP.", ".PBBBBP.", ".PBBBBP.", ".PBBBBP.", ".PPPPPP.", "........"}},
      {"swapped corners", 7, 6, 1, 1, 1, psDash, bsSolid,
       {"........", ".PPPPPP.", ".PBBBBP.", ".PBBBBP.", ".PBBBBP.", ".PPPPPP.", "........"}},
      {"clear pen", 1, 1, 7, 6, 1, psClear, bsSolid,
       {"........", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", "........"}},
      {"clear brush", 1, 1, 7, 6, 1, psSolid, bsClear,
       {"........", ".PPPPPP.", ".P....P.", ".P....P.", ".P....P.", ".PPPPPP.", "........"}},
      {"two-pixel pen inward", 0, 0, 8, 7, 2, psSolid, bsSolid,
       {"PPPPPPPP", "PPPPPPPP", "PPBBBBPP", "PPBBBBPP", "PPBBBBPP", "PPPPPPPP", "PPPPPPPP"}},
      {"pen wider than the box", 1, 1, 4, 7, 5, psSolid, bsSolid,
       {"........", ".PPP....", ".PPP....", ".PPP....", ".PPP....", ".PPP....", ".PPP...."}},
      {"thin box", 2, 3, 7, 4, 1, psSolid, bsSolid,
       {"........", "........", "........", "..PPPPP.", "........", "........", "........"}},
      {"empty", 2, 3, 2, 6, 1, psSolid, bsSolid,
       {"........", "........", "........", "........", "........", "........", "........"}},
  };
  for (const Case& c : cases) {
    TBitmap b;
    b.SetSize(8, 7);
    b.Pixels().Fill(clWhite);
    TCanvas& canvas = b.Canvas();
    canvas.Pen().SetWidth(c.penWidth);
    canvas.Pen().SetStyle(c.penStyle);
    canvas.Brush().SetColor(clRed);
    canvas.Brush().SetStyle(c.brushStyle);
    canvas.Rectangle(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(Picture(b.Pixels(), kLegend), c.expected) << c.name;
  }
}

TEST(RasterShapes, RectangleAppliesThePenModeOnceToOutlineAndFill) {
  TBitmap b;
  b.SetSize(6, 5);
  b.Pixels().Fill(clWhite);
  TCanvas& canvas = b.Canvas();
  canvas.Pen().SetMode(pmXor);
  canvas.Pen().SetColor(clWhite);  // white ^ white: black outline
  canvas.Brush().SetColor(clRed);
  canvas.Rectangle(0, 0, 6, 4);
  const std::vector<std::string> expected = {"PPPPPP", "PxxxxP", "PxxxxP", "PPPPPP", "......"};
  EXPECT_EQ(Picture(b.Pixels(), kLegend), expected);
}

TEST(RasterShapes, WholeSurfaceFillsHonourTheClip) {
  for (bool useRectangle : {false, true}) {
    TBitmap b;
    b.SetSize(6, 4);
    TCanvas& canvas = b.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.Pen().SetStyle(psClear);
    const HRGN region = CreateRectRgn(1, 1, 3, 3);
    SelectClipRgn(&canvas, region);
    if (useRectangle) {
      canvas.Rectangle(-5, -5, 100, 100);
    } else {
      canvas.FillRect(TRect{-5, -5, 100, 100});
    }
    const std::vector<std::string> expected = {"......", ".BB...", ".BB...", "......"};
    EXPECT_EQ(Picture(b.Pixels(), {{0, '.'}, {clRed, 'B'}}), expected);
    SelectClipRgn(&canvas, 0);
    canvas.FillRect(TRect{-5, -5, 100, 100});
    EXPECT_EQ(Picture(b.Pixels(), {{clRed, 'B'}}), std::vector<std::string>(4, "BBBBBB"));
    DeleteObject(region);
  }
}

TEST(RasterShapes, FillRectExcludesRightAndBottomAndIgnoresThePenMode) {
  TBitmap b;
  b.SetSize(5, 4);
  b.Pixels().Fill(clWhite);
  TCanvas& canvas = b.Canvas();
  canvas.Pen().SetMode(pmXor);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(TRect{1, 1, 4, 3});
  canvas.FillRect(TRect{4, 3, 2, 1});  // inverted: nothing
  const std::vector<std::string> expected = {".....", ".BBB.", ".BBB.", "....."};
  EXPECT_EQ(Picture(b.Pixels(), kLegend), expected);
  canvas.Brush().SetStyle(bsClear);
  canvas.FillRect(TRect{0, 0, 5, 4});
  EXPECT_EQ(Picture(b.Pixels(), kLegend), expected);
}

TEST(RasterShapes, PixelsAreReadAndSetThroughOriginAndClip) {
  Surface s(8, 6);
  s.Fill(clWhite);
  // Logical (0, 0) at surface (2, 1); drawing limited to surface x < 6.
  DeviceCanvas canvas(&s, TPoint{2, 1}, TRect{0, 0, 6, 6});
  EXPECT_EQ(canvas.Pixel(-2, -1), clWhite);
  EXPECT_EQ(canvas.Pixel(-3, 0), CLR_INVALID);
  EXPECT_EQ(canvas.Pixel(5, 0), clWhite);  // outside the bounds, on the surface
  EXPECT_EQ(canvas.Pixel(0, 5), CLR_INVALID);
  EXPECT_EQ(canvas.Pixel(2147483647, 0), CLR_INVALID);
  canvas.SetPixel(0, 0, clBtnShadow);  // system colours are resolved
  canvas.SetPixel(4, 0, clRed);        // surface x 6: beyond the bounds
  canvas.SetPixel(-2147483647 - 1, 0, clRed);
  EXPECT_EQ(s.Get(2, 1), 0x808080u);
  EXPECT_EQ(ColorToRGB(0x80000019), 0u);  // beyond the table
  EXPECT_EQ(ColorToRGB(0x12345678), 0x345678u);
  EXPECT_EQ(s.Get(6, 1), clWhite);
  // A clip reaching past the bounds is cut to them.
  canvas.SelectClipRect(TRect{3, 2, 20, 20});
  canvas.MoveTo(-2, 2);
  canvas.LineTo(10, 2);  // surface row 3, clipped to x 3 .. 5
  std::string row;
  for (int x = 0; x < 8; ++x) row += s.Get(x, 3) == clBlack ? '#' : '.';
  EXPECT_EQ(row, "...###..");
  EXPECT_EQ(canvas.before, 4);
  EXPECT_EQ(canvas.after, 4);
  DeviceCanvas none(nullptr, TPoint{}, TRect{0, 0, 10, 10});
  none.FillRect(TRect{0, 0, 5, 5});
  none.Rectangle(0, 0, 5, 5);
  EXPECT_EQ(none.Pixel(0, 0), CLR_INVALID);
}

}  // namespace
}  // namespace pelk
