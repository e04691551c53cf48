#include <gtest/gtest.h>

#include <climits>

#include "platform/Canvas.h"
#include "platform/Gdi.h"

namespace pelk {
namespace {

// A canvas over an optional surface, with a chosen origin and resolution.
class DeviceCanvas : public TCanvas {
 public:
  DeviceCanvas(Surface* surface, TPoint origin, int ppi) : surface_(surface), origin_(origin), ppi_(ppi) {}
  DeviceView Device() override { return {surface_, origin_, surface_ ? surface_->Bounds() : TRect{}}; }
  int PixelsPerInch() const override { return ppi_; }
  int drawings = 0;  // drawing operations begun

 protected:
  void BeforeDrawing() override { ++drawings; }

 private:
  Surface* surface_;
  TPoint origin_;
  int ppi_;
};

TEST(TextDevices, TextLandsAtTheDeviceOriginOrNowhere) {
  DeviceCanvas detached(nullptr, {}, 96);
  detached.TextOut(10, 10, "10");
  detached.TextOut(INT_MIN, INT_MAX, "");
  EXPECT_EQ(detached.drawings, 2);
  EXPECT_GT(detached.TextWidth("10"), 0);
  EXPECT_EQ(detached.TextHeight("10"), 13);  // 8 pt Arial at 96 ppi

  const std::pair<TPoint, TPoint> cases[] = {{{0, 0}, {5, 6}}, {{30, 20}, {5, 6}}, {{-10, 40}, {25, -30}}};
  for (const auto& [origin, at] : cases) {
    Surface surface(120, 100);
    surface.Fill(0xFFFFFF);
    DeviceCanvas canvas(&surface, origin, 96);
    canvas.Brush().SetColor(clRed);
    canvas.TextOut(at.X, at.Y, "H");  // opaque: the cell's corner is at the point
    const int x = origin.X + at.X, y = origin.Y + at.Y;
    EXPECT_EQ(surface.Get(x, y), 0x0000FFu);
    EXPECT_EQ(surface.Get(x - 1, y), 0xFFFFFFu);
    EXPECT_EQ(surface.Get(x, y - 1), 0xFFFFFFu);
  }
}

TEST(TextDevices, FontsFollowTheDeviceResolution) {
  struct Case {
    int ppi, size, height, textHeight;
  };
  const Case cases[] = {
      {96, 8, -11, 13}, {96, 10, -13, 15}, {300, 10, -42, 48}, {600, 9, -75, 84},
  };
  for (const Case& c : cases) {
    DeviceCanvas canvas(nullptr, {}, c.ppi);
    canvas.Font().SetSize(c.size);
    EXPECT_EQ(canvas.Font().Height(), c.height) << c.ppi;
    EXPECT_EQ(canvas.TextHeight("X"), c.textHeight) << c.ppi;
  }
  // A screen font assigned to a printer canvas keeps its point size.
  TFont screenFont;
  screenFont.SetSize(10);
  DeviceCanvas printer(nullptr, {}, 600), screen(nullptr, {}, 96);
  printer.Font().Assign(screenFont);
  screen.Font().Assign(screenFont);
  EXPECT_EQ(printer.Font().Height(), -83);
  EXPECT_GT(printer.TextWidth("Axis Label"), 5 * screen.TextWidth("Axis Label"));
}

TEST(TextDevices, CanvasRealisesAndSelectsFonts) {
  DeviceCanvas canvas(nullptr, {}, 96);
  const HFONT own = canvas.SelectedFont();
  ASSERT_TRUE(FontDescription(own).has_value());
  EXPECT_EQ(FontDescription(own)->FaceName, "Arial");
  EXPECT_EQ(canvas.SelectedFont(), own);  // unchanged font, same handle
  const int width = canvas.TextWidth("Label");
  canvas.Font().SetStyle({fsBold});
  const HFONT bold = canvas.SelectedFont();
  EXPECT_FALSE(FontDescription(own).has_value());  // the old realisation is released
  EXPECT_EQ(FontDescription(bold)->Weight, FW_BOLD);
  EXPECT_GT(canvas.TextWidth("Label"), width);
  // A font selected directly is the one measured with.
  const HFONT big = CreateFontA(-30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  EXPECT_EQ(canvas.SelectFontHandle(big), bold);
  EXPECT_GT(canvas.TextHeight("x"), 30);
  EXPECT_EQ(canvas.SelectFontHandle(0), big);  // the null handle means the canvas font
  EXPECT_EQ(canvas.SelectedFont(), bold);
  DeleteObject(big);
}

}  // namespace
}  // namespace pelk
