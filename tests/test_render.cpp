// Frame rendering and painting: background, border, axis lines, text lines,
// the retained image.
#include <gtest/gtest.h>

#include "GraphFixture.h"

using namespace pelk;

TEST(Render, BorderAndBackground) {
  for (bool border : {true, false}) {
    SCOPED_TRACE(border);
    GraphFixture f(320, 330);
    TPelkgraph& g = f.g();
    g.SetBorder(border);
    g.SetHighlightColor(clYellow);
    g.SetShadowColor(clNavy);
    g.SetAreaBackGroundColor(clTeal);
    g.Refresh();
    const int w = g.Width(), h = g.Height();
    const std::uint32_t light = border ? clYellow : clTeal, dark = border ? clNavy : clTeal;
    for (int y = 1; y < h; ++y) ASSERT_EQ(f.ImagePixel(0, y), light) << y;
    for (int x = 0; x < w - 1; ++x) ASSERT_EQ(f.ImagePixel(x, 0), light) << x;
    for (int y = 0; y < h; ++y) ASSERT_EQ(f.ImagePixel(w - 1, y), dark) << y;
    for (int x = 1; x < w; ++x) ASSERT_EQ(f.ImagePixel(x, h - 1), dark) << x;
    EXPECT_EQ(f.ImagePixel(1, 1), clTeal);
    EXPECT_EQ(f.ImagePixel(w - 2, h - 2), clTeal);
  }
}

TEST(Render, AxisLinesCoverExactlyTheirPixels) {
  GraphFixture f;
  TPelkgraph& g = f.g();
  g.SetMajorGrid(false);
  g.SetMinorGrid(false);
  g.SetSecondYaxis(true);
  g.SetPlotBackGroundColor(clWhite);
  g.XAxis().Font().SetColor(clBlue);
  g.YAxis().Font().SetColor(clRed);
  g.YAxis2().Font().SetColor(clGreen);
  for (TAxis* a : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) a->SetAxisMatchesFont(true);
  g.Refresh();
  const int xo = g.Xorigin(), yo = g.Yorigin(), xe = g.Xend(), ye = g.Yend();
  EXPECT_EQ(f.ImagePixel(xo, ye), clRed);
  EXPECT_EQ(f.ImagePixel(xo, yo - 1), clRed);
  EXPECT_NE(f.ImagePixel(xo, ye - 1), clRed);
  EXPECT_EQ(f.ImagePixel(xo, yo), clBlue);  // the X axis starts where the Y axis ends
  EXPECT_EQ(f.ImagePixel(xe - 1, yo), clBlue);
  EXPECT_EQ(f.ImagePixel(xe, yo), clGreen);  // the second Y axis runs from Yorigin ...
  EXPECT_EQ(f.ImagePixel(xe, ye), clGreen);  // ... up to and including Yend
  EXPECT_NE(f.ImagePixel(xe, ye - 1), clGreen);
  EXPECT_NE(f.ImagePixel(xe + 1, yo - 100), clBlue);

  // Without the second axis the X axis line includes Xend.
  g.SetSecondYaxis(false);
  g.Refresh();
  EXPECT_EQ(f.ImagePixel(xe, yo), clBlue);
  EXPECT_NE(f.ImagePixel(xe + 1, yo), clBlue);
  EXPECT_EQ(f.ImagePixel(xe, yo - 100), clWhite);
}

TEST(Render, TitleBaselines) {
  struct Case {
    const char *subtitle, *id;
    int baselineAboveYend;
  };
  // Offsets 5; line heights: subtitle 9, identification 9.
  const Case cases[] = {{"", "", 5}, {"S", "", 5 + 9 + 5}, {"", "I", 5 + 9 + 5}, {"S", "I", 5 + 9 + 5 + 9 + 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baselineAboveYend);
    GraphFixture f(300, 360);
    TPelkgraph& g = f.g();
    g.SetTitle("TTT");
    g.SetSubtitle(c.subtitle);
    g.SetIdentification(c.id);
    g.TitleFont().SetColor(clRed);
    g.Refresh();
    const int centre = g.Width() / 2;
    const InkBox title = FindInk(f.Image(), clRed, {0, 0, g.Width(), g.Yend()});
    ASSERT_FALSE(title.Empty());
    EXPECT_EQ(title.bottom, g.Yend() - c.baselineAboveYend - 1);
    EXPECT_NEAR(title.CentreX2(), 2 * centre, 3);
  }
}

TEST(Render, PaintShowsTheRetainedImage) {
  GraphFixture f(300, 300, 20, 30);
  TPelkgraph& g = f.g();
  f.form.ProcessMessages();  // the first paint renders and shows the frame
  EXPECT_TRUE(TPelkgraphInternals::RedrawFrame(g));
  const Surface& screen = f.form.ClientSurface();
  EXPECT_EQ(screen.Get(20 + g.Xorigin() + 1, 30 + g.Yend() + 1), f.ImagePixel(g.Xorigin() + 1, g.Yend() + 1));

  // Drawing into the image clears the flag; a paint then only copies.
  g.SetPlotColor(clRed);
  g.MoveTo(0, 0);
  g.LineTo(100, 100);
  EXPECT_FALSE(TPelkgraphInternals::RedrawFrame(g));
  g.SetPlotBackGroundColor(clYellow);
  g.Invalidate();
  f.form.ProcessMessages();
  EXPECT_EQ(f.ImagePixel(g.Xorigin() + 50, g.Yorigin() - 50), clRed);
  EXPECT_EQ(f.ImagePixel(g.Xorigin() + 50, g.Yorigin() - 40), clWhite);  // not rendered again
  EXPECT_EQ(screen.Get(20 + g.Xorigin() + 50, 30 + g.Yorigin() - 50), clRed);

  // Refresh renders anew: the data is gone, the new colour shows.
  g.Refresh();
  EXPECT_EQ(f.ImagePixel(g.Xorigin() + 50, g.Yorigin() - 40), clYellow);
  EXPECT_EQ(screen.Get(20 + g.Xorigin() + 50, 30 + g.Yorigin() - 40), clYellow);
}

TEST(Render, RefreshWhileHidden) {
  GraphFixture f(300, 300, 10, 10);
  TPelkgraph& g = f.g();
  g.SetVisible(false);
  g.SetPlotBackGroundColor(clYellow);
  const std::uint32_t before = f.form.ClientSurface().Get(10 + 150, 10 + 150);
  g.Refresh();
  EXPECT_EQ(f.ImagePixel(g.Xorigin() + 3, g.Yend() + 3), clYellow);  // rendered
  EXPECT_EQ(f.form.ClientSurface().Get(10 + 150, 10 + 150), before);  // not shown
}

// A plotted line leaves the plot-area clip selected into the control's
// canvas; the next paint still shows the whole image, not only the plot area.
TEST(Render, PaintAfterClippedPlottingShowsTheWholeImage) {
  struct Case {
    const char* name;
    bool clipDataOffBeforeRefresh;  // else the form repaints the retained image
  };
  const Case cases[] = {{"form repaint", false}, {"Refresh with ClipData off", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GraphFixture f(300, 300, 20, 30);
    TPelkgraph& g = f.g();
    g.Refresh();
    g.MoveTo(0, 0);
    g.LineTo(50, 50);
    Surface& screen = f.form.ClientSurface();
    screen.Fill(clFuchsia);
    if (c.clipDataOffBeforeRefresh) {
      g.SetClipData(false);
      g.Refresh();
    } else {
      f.form.InvalidateAll();
      f.form.ProcessMessages();
    }
    // Corners of the control and a point of the title band, all outside the plot area.
    const TPoint outside[] = {{0, 0}, {g.Width() - 1, g.Height() - 1}, {g.Width() / 2, g.Yend() - 3}};
    for (const TPoint p : outside) {
      EXPECT_EQ(screen.Get(20 + p.X, 30 + p.Y), f.ImagePixel(p.X, p.Y)) << p.X << "," << p.Y;
    }
    // Lines drawn afterwards are clipped to the plot area again.
    g.SetClipData(true);
    g.SetPlotColor(clRed);
    g.MoveTo(-20, 10);
    g.LineTo(20, 10);
    EXPECT_NE(screen.Get(20 + g.Xorigin() - 10, 30 + g.Yorigin() - 10), clRed);
    EXPECT_EQ(screen.Get(20 + g.Xorigin() + 10, 30 + g.Yorigin() - 10), clRed);
  }
}
