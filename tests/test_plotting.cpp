// The drawing calls on the screen: pen positions, the value-to-pixel
// mapping, the pixels of a line, clipping, hidden controls and the gaps left
// by points that cannot be mapped.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>
#include <string>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr TColor kPen = clRed;
constexpr TColor kPaper = clWhite;  // plot area

// A 300 x 300 graph placed at (20, 10) on its form, no grids, both axes
// linear with 3 divisions of 64 pixels: the plot area runs from x 54 to 246
// and from y 54 to 246.
class Plotting : public ::testing::Test {
 protected:
  Plotting() {
    form.SetClientSize(340, 320);
    g.SetAutoSize(false);
    g.SetBounds(20, 10, 300, 300);
    g.SetMajorGrid(false);
    g.SetMinorGrid(false);
    for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) MakeStandardLinearAxis(*axis);
    g.SetPlotColor(kPen);
  }

  TColor Image(int x, int y) { return TPelkgraphInternals::Bitmap(g).Canvas().Pixel(x, y); }
  TColor OnControl(int x, int y) { return g.Canvas().Pixel(x, y); }
  // Pixels at a plot offset (y upwards) on the image and on the control.
  TColor ImageAt(int dx, int dy) { return Image(g.Xorigin() + dx, g.Yorigin() - dy); }
  TColor ControlAt(int dx, int dy) { return OnControl(g.Xorigin() + dx, g.Yorigin() - dy); }

  void ExpectPosition(int xGraph, int yGraph, const std::string& what) {
    EXPECT_EQ(g.XGraph(), xGraph) << what;
    EXPECT_EQ(g.YGraph(), yGraph) << what;
    EXPECT_EQ(g.XCanvas(), g.Xorigin() + xGraph) << what;
    EXPECT_EQ(g.YCanvas(), g.Yorigin() - yGraph) << what;
  }

  TForm form;
  TPelkgraph g{&form};
};

TEST_F(Plotting, EachCallSetsThePositionInControlAndPlotPixels) {
  // X: 10 per division of 64 pixels. Y: logarithmic from 10^-1, 50 pixels a decade.
  g.YAxis().SetLog(true);
  g.YAxis().SetMinExponent(-1);
  g.YAxis().SetDivWidth(50);
  g.Refresh();
  ASSERT_EQ(g.Xorigin(), 54);
  ASSERT_EQ(g.Yorigin(), 225);

  struct Case {
    const char* what;
    std::function<void(TPelkgraph&)> call;
    int xGraph, yGraph;
  };
  const Case cases[] = {
      {"MoveTo origin", [](TPelkgraph& p) { p.MoveTo(0, 0); }, 0, 0},
      {"LineTo 10, 20", [](TPelkgraph& p) { p.LineTo(10, 20); }, 10, 20},
      {"LineTo outside the area", [](TPelkgraph& p) { p.LineTo(-5, 300); }, -5, 300},
      {"MoveScaledTo 25 -> 160; 1 is a decade up", [](TPelkgraph& p) { p.MoveScaledTo(25, 1); }, 160, 50},
      {"LineScaledTo 100 is three decades up", [](TPelkgraph& p) { p.LineScaledTo(25, 100); }, 160, 150},
      {"10^-1 lies on the origin", [](TPelkgraph& p) { p.LineScaledTo(-25, 0.1f); }, -160, 0},
      {"pixel 64.5 rounds to even 64", [](TPelkgraph& p) { p.MoveScaledTo(1.640625f, 1); }, 10, 50},
      {"pixel 65.5 rounds to even 66", [](TPelkgraph& p) { p.MoveScaledTo(1.796875f, 1); }, 12, 50},
      {"negative scale runs leftwards", [](TPelkgraph& p) {
         p.XAxis().SetScale(-10.0);
         p.MoveScaledTo(25, 1);
       }, -160, 50},
  };
  for (const Case& c : cases) {
    c.call(g);
    ExpectPosition(c.xGraph, c.yGraph, c.what);
  }
}

TEST_F(Plotting, SecondYAxisHasItsOwnScaleButTheDivisionsOfTheFirst) {
  g.YAxis2().SetOrgVal(100.0);
  g.YAxis2().SetScale(1.0);
  g.YAxis2().SetDivWidth(20);  // not used for mapping
  struct Case {
    bool secondYaxis, useSecond, secondIsLog;
    float y;
    int yGraph;
  };
  const Case cases[] = {
      {true, true, false, 105, 320},  // (105 - 100) * 64 / 1
      {true, false, false, 105, 672},  // 105 * 64 / 10 on YAxis
      {false, true, false, 105, 672},
      {false, false, false, 105, 672},
      {true, true, true, 1000, 128},  // from 10^1, 64 pixels a decade
  };
  for (const Case& c : cases) {
    g.SetSecondYaxis(c.secondYaxis);
    g.SetUseSecondYAxis(c.useSecond);
    g.YAxis2().SetLog(c.secondIsLog);
    g.YAxis2().SetMinExponent(1);
    g.Refresh();
    g.MoveScaledTo(0, c.y);
    EXPECT_EQ(g.YGraph(), c.yGraph) << c.secondYaxis << c.useSecond << c.secondIsLog;
  }
}

TEST_F(Plotting, LineModeDecidesTheEndPixel) {
  struct Case {
    TLineMode mode;
    TPenMode penMode;
    TColor body, end;
  };
  const TColor xored = kPaper ^ kPen;
  const Case cases[] = {
      {TLineMode::Graph, pmCopy, kPen, kPen},
      {TLineMode::Graph, pmXor, xored, kPen},  // the end pixel is set plainly
      {TLineMode::Windows, pmCopy, kPen, kPaper},
      {TLineMode::Windows, pmXor, xored, kPaper},
  };
  for (const Case& c : cases) {
    const std::string what = "mode " + std::to_string(int(c.mode)) + " pen mode " + std::to_string(c.penMode);
    g.SetLineMode(c.mode);
    g.SetPenMode(c.penMode);
    g.Refresh();
    g.MoveTo(10, 40);
    g.LineTo(30, 40);
    for (bool onImage : {true, false}) {
      auto at = [&](int dx, int dy) { return onImage ? ImageAt(dx, dy) : ControlAt(dx, dy); };
      EXPECT_EQ(at(10, 40), c.body) << what << " image " << onImage;
      EXPECT_EQ(at(20, 40), c.body) << what << " image " << onImage;
      EXPECT_EQ(at(30, 40), c.end) << what << " image " << onImage;
      EXPECT_EQ(at(31, 40), kPaper) << what << " image " << onImage;
    }
    // PlotLastPixel sets the end on request.
    g.PlotLastPixel();
    EXPECT_EQ(ImageAt(30, 40), kPen) << what;
    EXPECT_EQ(ControlAt(30, 40), kPen) << what;
  }
}

TEST_F(Plotting, ClipDataConfinesLinesToThePlotAreaWithItsEdges) {
  // In this order: without ClipData a line is not confined; with it, it is;
  // switched off again, neither is: the Refresh starts the control's canvas
  // from its default clip, as it starts a fresh image.
  for (const bool clipData : {false, true, false}) {
    g.SetClipData(clipData);
    g.Refresh();
    const int x0 = g.Xorigin(), x1 = g.Xend(), y0 = g.Yorigin(), y1 = g.Yend();
    const int row = y0 - 50, column = x0 + 30;
    g.MoveTo(-100, 50);
    g.LineTo(400, 50);
    g.MoveTo(30, -100);
    g.LineTo(30, 400);
    struct Probe {
      int x, y;
      bool inside;
    };
    const Probe probes[] = {
        {x0, row, true},     {x1, row, true},      {x0 - 1, row, false}, {x1 + 1, row, false},
        {column, y0, true},  {column, y1, true},   {column, y0 + 1, false}, {column, y1 - 1, false},
    };
    for (const Probe& p : probes) {
      const std::string what =
          "ClipData " + std::to_string(clipData) + " at " + std::to_string(p.x) + "," + std::to_string(p.y);
      EXPECT_EQ(Image(p.x, p.y) == kPen, p.inside || !clipData) << what;
      EXPECT_EQ(OnControl(p.x, p.y) == kPen, p.inside || !clipData) << what;
    }
  }
}

TEST_F(Plotting, HiddenControlMovesItsPenButDrawsNothingOnIt) {
  g.SetVisible(false);
  g.Refresh();
  const TColor formColor = OnControl(g.Xorigin() + 20, g.Yorigin() - 40);
  g.MoveTo(10, 40);
  EXPECT_EQ(g.Canvas().PenPos(), (TPoint{g.Xorigin() + 10, g.Yorigin() - 40}));
  EXPECT_EQ(TPelkgraphInternals::Bitmap(g).Canvas().PenPos(), g.Canvas().PenPos());
  g.LineTo(30, 40);
  EXPECT_EQ(ImageAt(20, 40), kPen);
  EXPECT_EQ(ImageAt(30, 40), kPen);
  EXPECT_EQ(ControlAt(20, 40), formColor);
  EXPECT_EQ(ControlAt(30, 40), formColor);
  EXPECT_NE(formColor, kPen);
}

TEST_F(Plotting, UnmappablePointsLeaveAGapAndAreCounted) {
  struct Case {
    const char* what;
    bool yLog;
    std::function<void(TPelkgraph&)> bad;
  };
  const Case cases[] = {
      {"NaN x", false, [](TPelkgraph& p) { p.LineScaledTo(kNaN, 4); }},
      {"infinite y", false, [](TPelkgraph& p) { p.LineScaledTo(4, kInf); }},
      {"minus infinity x", false, [](TPelkgraph& p) { p.LineScaledTo(-kInf, 4); }},
      {"pixel beyond 32 bits", false, [](TPelkgraph& p) { p.LineScaledTo(1e30f, 4); }},
      {"pixel below 32 bits", false, [](TPelkgraph& p) { p.LineScaledTo(4, -1e30f); }},
      {"zero on a log axis", true, [](TPelkgraph& p) { p.LineScaledTo(4, 0); }},
      {"negative on a log axis", true, [](TPelkgraph& p) { p.LineScaledTo(4, -1); }},
      {"NaN on a log axis", true, [](TPelkgraph& p) { p.LineScaledTo(4, kNaN); }},
      {"Xorigin + X overflows", false, [](TPelkgraph& p) { p.LineTo(INT_MAX, 64); }},
      {"Yorigin - Y overflows", false, [](TPelkgraph& p) { p.LineTo(30, INT_MIN); }},
      {"bad move", false, [](TPelkgraph& p) { p.MoveScaledTo(kNaN, kNaN); }},
      {"bad pixel move", false, [](TPelkgraph& p) { p.MoveTo(INT_MAX, 0); }},
  };
  for (const Case& c : cases) {
    g.YAxis().SetLog(c.yLog);
    g.YAxis().SetMinExponent(0);
    g.Refresh();
    EXPECT_EQ(g.SkippedPoints(), 0) << c.what;
    g.MoveTo(10, 64);
    c.bad(g);
    ExpectPosition(10, 64, c.what);
    EXPECT_EQ(g.SkippedPoints(), 1) << c.what;
    g.LineTo(50, 64);  // starts a new piece instead of bridging the gap
    g.LineTo(90, 64);
    for (int x = 11; x < 50; ++x) ASSERT_EQ(ImageAt(x, 64), kPaper) << c.what << " x " << x;
    for (int x = 11; x < 50; ++x) ASSERT_EQ(ControlAt(x, 64), kPaper) << c.what << " x " << x;
    for (int x = 50; x <= 90; ++x) ASSERT_EQ(ImageAt(x, 64), kPen) << c.what << " x " << x;
    for (int x = 50; x <= 90; ++x) ASSERT_EQ(ControlAt(x, 64), kPen) << c.what << " x " << x;
    ExpectPosition(90, 64, c.what);
  }
}

TEST_F(Plotting, RenderingForgetsSkippedPointsAndTheGap) {
  g.Refresh();
  g.LineScaledTo(kNaN, 1);
  g.MoveScaledTo(1, kNaN);
  EXPECT_EQ(g.SkippedPoints(), 2);
  g.Refresh();
  EXPECT_EQ(g.SkippedPoints(), 0);
  // Without a pending gap the line runs on from the render's pen position,
  // the plot origin.
  g.LineTo(30, 30);
  EXPECT_EQ(ImageAt(15, 15), kPen);
  EXPECT_EQ(ControlAt(15, 15), kPen);
}

TEST_F(Plotting, LinesKeepTheImageFromBeingRenderedAgain) {
  g.Refresh();
  EXPECT_TRUE(TPelkgraphInternals::RedrawFrame(g));
  g.MoveTo(10, 40);
  g.MoveScaledTo(1, 4);
  EXPECT_TRUE(TPelkgraphInternals::RedrawFrame(g));
  g.MoveTo(10, 40);
  g.LineTo(30, 40);
  EXPECT_FALSE(TPelkgraphInternals::RedrawFrame(g));
  g.Paint();
  EXPECT_EQ(ImageAt(20, 40), kPen);
  EXPECT_EQ(ControlAt(20, 40), kPen);

  g.Refresh();
  g.LineScaledTo(1, 4);
  EXPECT_FALSE(TPelkgraphInternals::RedrawFrame(g));
}

}  // namespace
}  // namespace pelk
