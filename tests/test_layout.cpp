// Frame layout: plot-area placement, bands, required size, AutoSize,
// stretching of the divisions and the clip regions.
#include <gtest/gtest.h>

#include "GraphFixture.h"
#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "render/LayoutMath.h"

using namespace pelk;

namespace {

int WidthOf(const TFont& font, const std::string& text) {
  TBitmap b;
  b.Canvas().Font().Assign(font);
  return b.Canvas().TextWidth(text);
}

}  // namespace

TEST(Layout, PlotAreaPlacement) {
  struct Case {
    int width, height, xDivisionWidth, left, top;
    int centerX, xorigin, xend, yorigin, yend;
    TRect imageClip, canvasClip;
  };
  const Case cases[] = {
      {300, 300, 64, 0, 0, 150, 54, 246, 246, 54, {54, 54, 247, 247}, {54, 54, 247, 247}},
      {301, 300, 65, 0, 0, 150, 53, 248, 246, 54, {53, 54, 249, 247}, {53, 54, 249, 247}},
      {300, 300, 64, 10, 20, 150, 54, 246, 246, 54, {54, 54, 247, 247}, {64, 74, 257, 267}},
      // A control larger than needed keeps the plot area's size, centred.
      {500, 400, 64, 0, 0, 250, 154, 346, 296, 104, {154, 104, 347, 297}, {154, 104, 347, 297}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    GraphFixture f(c.width, c.height, c.left, c.top);
    f.g().XAxis().SetDivWidth(c.xDivisionWidth);
    f.g().Refresh();
    const auto fields = TPelkgraphInternals::Fields(f.g());
    EXPECT_EQ(fields.xAxisLength, 3 * c.xDivisionWidth);
    EXPECT_EQ(fields.yAxisLength, 192);
    EXPECT_EQ(fields.centerX, c.centerX);
    EXPECT_EQ(fields.centerY, c.height / 2);
    EXPECT_EQ(f.g().Xorigin(), c.xorigin);
    EXPECT_EQ(f.g().Xend(), c.xend);
    EXPECT_EQ(f.g().Yorigin(), c.yorigin);
    EXPECT_EQ(f.g().Yend(), c.yend);
    EXPECT_EQ(RegionRect(fields.bitmapClipRgn), c.imageClip);
    EXPECT_EQ(RegionRect(fields.canvasClipRgn), c.canvasClip);
    EXPECT_EQ(TPelkgraphInternals::Bitmap(f.g()).Width(), c.width);
    EXPECT_EQ(TPelkgraphInternals::Bitmap(f.g()).Height(), c.height);
    EXPECT_FLOAT_EQ(f.g().PrintedWidth(), c.width / 96.0f);
    EXPECT_FLOAT_EQ(f.g().PrintedHeight(), c.height / 96.0f);
  }
}

TEST(Layout, TitleBlockAndBands) {
  struct Case {
    const char *title, *subtitle, *id;
    int titleBlock;
  };
  // Default fonts at 96 pixels per inch: heights 10, 9 and 9; offsets 5.
  const Case cases[] = {
      {"T", "S", "I", 10 + 9 + 9 + 15},
      {"T", "", "", 10 + 9 + 9 + 15},  // a title reserves all three lines
      {"", "S", "", 9 + 9 + 10},
      {"", "", "I", 9 + 5},
      {"", "", "", 0},
  };
  for (const Case& c : cases) {
    GraphFixture f;
    f.g().SetTitle(c.title);
    f.g().SetSubtitle(c.subtitle);
    f.g().SetIdentification(c.id);
    f.g().Refresh();
    const auto fields = TPelkgraphInternals::Fields(f.g());
    EXPECT_EQ(fields.titleBlockHeight, c.titleBlock) << c.title << c.subtitle << c.id;
    EXPECT_EQ(fields.titleHeight, 10);
    EXPECT_EQ(fields.idHeight, 9);
    // Linear X numbers measured by height: offset + height + tick, then label offset + height.
    EXPECT_EQ(fields.xAnnotationHeight, 5 + 9 + 5 + 10 + 9);
    EXPECT_EQ(fields.yAnnotationWidth, 5 + 5 + 9 + 10 + 9);
    EXPECT_EQ(fields.y2AnnotationWidth, 0);
    const int band = std::max(c.titleBlock, fields.xAnnotationHeight);
    EXPECT_EQ(fields.requiredHeight, 192 + 2 * band + 2 * 10);
    EXPECT_EQ(fields.requiredWidth, 192 + 2 * fields.yAnnotationWidth + 2 * 10);
  }
}

TEST(Layout, BandCases) {
  GraphFixture f;
  TPelkgraph& g = f.g();
  g.SetSecondYaxis(true);
  g.YAxis().SetLog(true);
  g.YAxis2().SetAnnotationAngle(TAnnotationAngle::Horizontal);
  g.YAxis2().SetLog(true);
  g.YAxis2().SetMinExponent(-12);
  g.XAxis().SetAnnotationAngle(TAnnotationAngle::Vertical);
  g.XAxis().SetOrgVal(-1000);
  g.Refresh();
  auto fields = TPelkgraphInternals::Fields(g);
  // Logarithmic Y by height: half a text height more.
  EXPECT_EQ(fields.yAnnotationWidth, 5 + 5 + 9 + 9 / 2 + 10 + 9);
  // Logarithmic second Y by width: tick, offset, "10" and the widest exponent.
  const TFont& y2 = g.YAxis2().Font();
  EXPECT_EQ(fields.y2AnnotationWidth,
            5 + 5 + WidthOf(y2, "10") + std::max(WidthOf(y2, "-12"), WidthOf(y2, "-9")) + 10 + 9);
  // Vertical linear X numbers by the width of the wider of the first and last
  // (a power of ten is taken out of -1000 .. -970).
  const TFont& x = g.XAxis().Font();
  EXPECT_EQ(fields.xAnnotationHeight, 5 + 5 + std::max(WidthOf(x, "-100.0"), WidthOf(x, "-97.0")) + 10 + 9);
  // The side band is the wider of the two Y bands.
  EXPECT_EQ(fields.requiredWidth, 192 + 2 * std::max(fields.yAnnotationWidth, fields.y2AnnotationWidth) + 20);

  g.SetSecondYaxis(false);
  g.Refresh();
  EXPECT_EQ(TPelkgraphInternals::Fields(g).y2AnnotationWidth, 0);
}

TEST(Layout, AutoSizeResizesTheControl) {
  TForm form;
  form.SetClientSize(800, 800);
  TPelkgraph g(&form);
  g.SetStretchAxes(TStretchOption::Yes);  // no effect while AutoSize is on
  form.ProcessMessages();
  const auto fields = TPelkgraphInternals::Fields(g);
  EXPECT_EQ(g.Width(), fields.requiredWidth);
  EXPECT_EQ(g.Height(), fields.requiredHeight);
  EXPECT_EQ(g.XAxis().DivisionWidth(), 64);
  EXPECT_EQ(g.Xend() - g.Xorigin(), 192);

  // A title wider than the X axis widens both side bands by half its overhang.
  g.SetTitle(std::string(60, 'W'));
  g.Refresh();
  const int overhang = WidthOf(g.TitleFont(), g.Title()) - 192;
  ASSERT_GT(overhang, 100);
  EXPECT_EQ(g.Width(), 192 + 2 * (overhang / 2) + 20);
}

TEST(Layout, StretchDivisions) {
  struct Case {
    TStretchOption option;
    int width, height;
    int xWidth, yWidth;  // division widths after the layout; 0: unchanged (64)
  };
  // Default graph needs 288 x 298 pixels with 3 divisions of 64 each way.
  const Case cases[] = {
      {TStretchOption::Yes, 400, 400, 64 + (400 - 288) / 3, 64 + (400 - 298) / 3},
      {TStretchOption::StretchOnly, 400, 400, 64 + (400 - 288) / 3, 64 + (400 - 298) / 3},
      {TStretchOption::ShrinkOnly, 400, 400, 0, 0},
      {TStretchOption::Yes, 250, 250, 64 - (288 - 250) / 3, 64 - (298 - 250) / 3},
      {TStretchOption::ShrinkOnly, 250, 250, 64 - (288 - 250) / 3, 64 - (298 - 250) / 3},
      {TStretchOption::StretchOnly, 250, 250, 0, 0},
      {TStretchOption::No, 400, 250, 0, 0},
      {TStretchOption::Yes, 10, 10, 0, 0},  // the candidate width would be 0 or less
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.option));
    GraphFixture f(c.width, c.height);
    f.g().SetStretchAxes(c.option);
    f.g().Refresh();
    EXPECT_EQ(f.g().XAxis().DivisionWidth(), c.xWidth ? c.xWidth : 64);
    EXPECT_EQ(f.g().YAxis().DivisionWidth(), c.yWidth ? c.yWidth : 64);
    // The layout of the same render uses the new widths.
    EXPECT_EQ(f.g().Xend() - f.g().Xorigin(), 3 * f.g().XAxis().DivisionWidth());
  }
}

TEST(Layout, StretchingSettles) {
  // need 310, width 300, 3 divisions of 64: 61, and then no further change.
  EXPECT_EQ(StretchedDivisionWidth(64, 3, 300, 310, TStretchOption::Yes), 61);
  EXPECT_EQ(StretchedDivisionWidth(61, 3, 300, 301, TStretchOption::Yes), 61);
  EXPECT_EQ(StretchedDivisionWidth(64, 3, 10, 300, TStretchOption::Yes), std::nullopt);
  GraphFixture f(300, 300);
  f.g().SetStretchAxes(TStretchOption::Yes);
  f.g().Refresh();
  const int settled = f.g().XAxis().DivisionWidth();
  f.g().Refresh();
  EXPECT_EQ(f.g().XAxis().DivisionWidth(), settled);
}

TEST(Layout, ClipDataOffKeepsTheRegions) {
  GraphFixture f;
  f.g().Refresh();
  const auto before = TPelkgraphInternals::Fields(f.g());
  f.g().SetClipData(false);
  f.g().XAxis().SetDivWidth(30);
  f.g().Refresh();
  const auto after = TPelkgraphInternals::Fields(f.g());
  EXPECT_EQ(after.bitmapClipRgn, before.bitmapClipRgn);
  EXPECT_EQ(RegionRect(after.bitmapClipRgn), RegionRect(before.bitmapClipRgn));
}

TEST(Layout, AbsurdSettingsStillLayOut) {
  GraphFixture f(200, 200);
  TPelkgraph& g = f.g();
  g.XAxis().SetNdivs(INT_MAX);
  g.XAxis().SetDivWidth(INT_MAX);
  g.YAxis().SetDivWidth(0);
  g.YAxis().SetLog(true);
  g.YAxis().SetNdivs(1000000000);
  g.YAxis().SetMinExponent(INT_MAX);
  g.XAxis().SetScale(1e-300);
  g.XAxis().SetOrgVal(std::numeric_limits<double>::quiet_NaN());
  g.SetMinorGridDivisions(INT_MAX);
  g.Refresh();
  EXPECT_EQ(TPelkgraphInternals::Bitmap(g).Width(), 200);
  // AutoSize asks for an image too large to make: a clear error, and the
  // graph renders again once the axes are sane.
  g.SetAutoSize(true);
  EXPECT_THROW(g.Refresh(), std::exception);
  g.XAxis().SetNdivs(3);
  g.XAxis().SetDivWidth(64);
  g.Refresh();
  EXPECT_EQ(TPelkgraphInternals::Bitmap(g).Width(), g.Width());
}
