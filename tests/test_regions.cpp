// Graphics-object handles: regions, fonts, clip selection and DC state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Gdi.h"

namespace pelk {
namespace {

TEST(Regions, CreateSelectAndDeleteIncludingNullAndStaleHandles) {
  TBitmap b;
  b.SetSize(10, 8);
  HDC dc = &b.Canvas();

  const HRGN region = CreateRectRgn(7, 6, 2, 1);  // swapped corners
  ASSERT_NE(region, 0u);
  EXPECT_EQ(RegionRect(region), (TRect{2, 1, 7, 6}));
  EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
  EXPECT_EQ(dc->ClipRegion(), (TRect{2, 1, 7, 6}));

  // The canvas keeps its copy when the region goes away.
  EXPECT_TRUE(DeleteObject(region));
  EXPECT_FALSE(DeleteObject(region));
  EXPECT_EQ(RegionRect(region), std::nullopt);
  EXPECT_EQ(SelectClipRgn(dc, region), RGN_ERROR);
  EXPECT_EQ(dc->ClipRegion(), (TRect{2, 1, 7, 6}));
  EXPECT_EQ(SelectObject(dc, region), 0u);
  EXPECT_FALSE(DeleteObject(0));
  EXPECT_FALSE(DeleteObject(0xFFFFFFF0u));

  // Handles are never reused.
  const HRGN next = CreateRectRgn(0, 0, 3, 3);
  EXPECT_GT(next, region);
  EXPECT_EQ(SelectObject(dc, next), static_cast<HGDIOBJ>(SIMPLEREGION));
  EXPECT_EQ(dc->ClipRegion(), (TRect{0, 0, 3, 3}));
  const HRGN empty = CreateRectRgn(4, 4, 4, 9);
  EXPECT_EQ(SelectClipRgn(dc, empty), NULLREGION);
  b.Pixels().Fill(clWhite);
  dc->Brush().SetColor(clRed);
  dc->FillRect(TRect{0, 0, 10, 8});  // an empty clip lets nothing through
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(b.Pixels().Get(x, y), clWhite) << x << "," << y;
  EXPECT_EQ(SelectClipRgn(dc, 0), SIMPLEREGION);
  EXPECT_EQ(dc->ClipRegion(), std::nullopt);
  EXPECT_EQ(SelectClipRgn(nullptr, next), RGN_ERROR);
  EXPECT_EQ(SelectObject(nullptr, next), 0u);
  EXPECT_TRUE(DeleteObject(next));
  EXPECT_TRUE(DeleteObject(empty));
}

TEST(Regions, FontHandlesKeepTheirLogicalFont) {
  const std::string longName(40, 'N');
  const HFONT font = CreateFontA(-13, 0, 900, 900, FW_BOLD, 1, 0, 7, ANSI_CHARSET, OUT_TT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, longName.c_str());
  LogFont expected;
  expected.Height = -13;
  expected.Escapement = 900;
  expected.Weight = FW_BOLD;
  expected.Italic = true;
  expected.StrikeOut = true;
  expected.FaceName = std::string(31, 'N');
  EXPECT_EQ(FontDescription(font), expected);
  EXPECT_EQ(RegionRect(font), std::nullopt);
  const HFONT unnamed = CreateFontA(0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, nullptr);
  ASSERT_TRUE(FontDescription(unnamed).has_value());
  EXPECT_TRUE(FontDescription(unnamed)->Underline);
  EXPECT_EQ(FontDescription(unnamed)->FaceName, "");
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_TRUE(DeleteObject(unnamed));
  EXPECT_EQ(FontDescription(font), std::nullopt);
}

TEST(Regions, DeviceContextCallsRefuseANullContext) {
  TBitmap b;
  b.SetSize(33, 21);
  HDC dc = &b.Canvas();
  EXPECT_EQ(SetBkMode(dc, 77), 0);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 33);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 21);
  EXPECT_EQ(SetTextAlign(nullptr, TA_CENTER), GDI_ERROR);
  EXPECT_EQ(GetTextAlign(nullptr), GDI_ERROR);
  EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
  EXPECT_EQ(GetBkMode(nullptr), 0);
  EXPECT_EQ(GetDeviceCaps(nullptr, HORZRES), 0);
}

// Selecting the region a context already holds is cheap, but a region deleted
// since then is still refused and leaves the clip as it is.
TEST(Regions, ReselectingARegionSeesItsDeletion) {
  TBitmap image;
  image.SetSize(20, 20);
  HDC dc = image.Canvas().Handle();
  const HRGN a = CreateRectRgn(1, 2, 5, 6);
  const HRGN b = CreateRectRgn(0, 0, 3, 3);
  EXPECT_EQ(SelectClipRgn(dc, a), SIMPLEREGION);
  EXPECT_EQ(SelectClipRgn(dc, a), SIMPLEREGION);
  EXPECT_EQ(image.Canvas().ClipRegion(), (TRect{1, 2, 5, 6}));
  EXPECT_TRUE(DeleteObject(a));
  EXPECT_EQ(SelectClipRgn(dc, a), RGN_ERROR);
  EXPECT_EQ(image.Canvas().ClipRegion(), (TRect{1, 2, 5, 6}));
  EXPECT_EQ(SelectClipRgn(dc, b), SIMPLEREGION);
  image.Canvas().SelectClipRect(TRect{7, 7, 9, 9});  // replaced by other means
  EXPECT_EQ(SelectClipRgn(dc, b), SIMPLEREGION);
  EXPECT_EQ(image.Canvas().ClipRegion(), (TRect{0, 0, 3, 3}));
  DeleteObject(b);
}

TEST(Regions, IntersectRectTable) {
  struct Case {
    TRect a, b;
    bool overlap;
    TRect result;
  };
  const std::vector<Case> cases = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {}},
      {{0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}},
      {{0, 0, 0, 10}, {0, 0, 10, 10}, false, {}},
      {{5, 5, 1, 1}, {0, 0, 10, 10}, false, {}},
      {{-2147483647 - 1, -5, 2147483647, 5}, {0, 0, 3, 3}, true, {0, 0, 3, 3}},
  };
  for (const Case& c : cases) {
    TRect r{9, 9, 9, 9};
    EXPECT_EQ(IntersectRect(r, c.a, c.b), c.overlap);
    EXPECT_EQ(r, c.result);
  }
}

}  // namespace
}  // namespace pelk
