// Reading a pixel back as axis values, and the hit test of the plot area.
#include <gtest/gtest.h>

#include <climits>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

// A 300 x 300 graph whose axes have 3 divisions of 64 pixels: X and Y 10 per
// division from 0, the second Y axis 20 per division from 100.
class ZoomReadout : public ::testing::Test {
 protected:
  ZoomReadout() {
    form.SetClientSize(320, 320);
    g.SetAutoSize(false);
    g.SetBounds(0, 0, 300, 300);
    for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) MakeStandardLinearAxis(*axis);
    g.YAxis2().SetOrgVal(100.0);
    g.YAxis2().SetScale(20.0);
  }

  struct Values {
    float x = -1, y = -1;
    int xOffset = -1, yOffset = -1;
  };
  Values At(int X, int Y) {
    Values v;
    g.GetValues(X, Y, v.x, v.y, v.xOffset, v.yOffset);
    return v;
  }

  TForm form;
  TPelkgraph g{&form};
};

TEST_F(ZoomReadout, GetValuesMapsAPixelBackThroughTheAxisInUse) {
  struct Case {
    const char* what;
    void (*setUp)(TPelkgraph&);
    int dx, dy;  // offset from the plot origin, y upwards
    float x, y;
  };
  const Case cases[] = {
      {"origin", [](TPelkgraph&) {}, 0, 0, 0, 0},
      {"inside", [](TPelkgraph&) {}, 32, 96, 5, 15},
      {"far corner", [](TPelkgraph&) {}, 192, 192, 30, 30},
      {"negative scale, shifted origin",
       [](TPelkgraph& p) {
         p.XAxis().SetScale(-2.5);
         p.YAxis().SetOrgVal(-40.0);
       },
       64, 32, -2.5f, -35},
      {"log Y from 10^-1, 50 pixels a decade",
       [](TPelkgraph& p) {
         p.YAxis().SetLog(true);
         p.YAxis().SetMinExponent(-1);
         p.YAxis().SetDivWidth(50);
       },
       0, 100, 0, 10},
      {"log X from 10^2",
       [](TPelkgraph& p) {
         p.XAxis().SetLog(true);
         p.XAxis().SetMinExponent(2);
       },
       128, 0, 1e4f, 0},
      {"second Y axis in use: its scale, the primary's divisions",
       [](TPelkgraph& p) {
         p.SetSecondYaxis(true);
         p.SetUseSecondYAxis(true);
         p.YAxis2().SetDivWidth(32);
       },
       0, 128, 0, 140},
      {"second Y axis asked for but not shown", [](TPelkgraph& p) { p.SetUseSecondYAxis(true); }, 0, 128, 0, 20},
      {"second Y axis shown but not in use", [](TPelkgraph& p) { p.SetSecondYaxis(true); }, 0, 128, 0, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g.SetSecondYaxis(false);
    c.setUp(g);
    g.Refresh();
    const Values v = At(g.Xorigin() + c.dx, g.Yorigin() - c.dy);
    EXPECT_FLOAT_EQ(v.x, c.x);
    EXPECT_FLOAT_EQ(v.y, c.y);
    EXPECT_EQ(v.xOffset, c.dx);
    EXPECT_EQ(v.yOffset, c.dy);
    // Undo for the next case.
    g.SetUseSecondYAxis(false);
    g.XAxis().SetLog(false);
    g.YAxis().SetLog(false);
    g.XAxis().SetScale(10.0);
    g.YAxis().SetOrgVal(0.0);
    g.YAxis().SetDivWidth(64);
  }
}

TEST_F(ZoomReadout, OutsideThePlotAreaTheValuesAreZeroButTheOffsetsAreKept) {
  g.Refresh();
  struct Case {
    const char* what;
    int X, Y;
    int xOffset, yOffset;
  };
  const int x0 = g.Xorigin(), y0 = g.Yorigin();
  const Case cases[] = {
      {"left", x0 - 1, y0 - 10, -1, 10},
      {"right", x0 + 193, y0 - 10, 193, 10},
      {"below", x0 + 10, y0 + 5, 10, -5},
      {"above", x0 + 10, y0 - 193, 10, 193},
      {"far left and above: offsets saturate", INT_MIN, INT_MIN, INT_MIN, INT_MAX},
      {"far right and below", INT_MAX, INT_MAX, INT_MAX - x0, y0 - INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Values v = At(c.X, c.Y);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.xOffset, c.xOffset);
    EXPECT_EQ(v.yOffset, c.yOffset);
  }
}

TEST_F(ZoomReadout, AZeroDivisionWidthGivesTheValueAtTheOrigin) {
  g.XAxis().SetDivWidth(0);
  g.XAxis().SetOrgVal(7.0);
  g.YAxis().SetLog(true);
  g.YAxis().SetMinExponent(2);
  g.YAxis().SetDivWidth(0);
  g.Refresh();
  ASSERT_EQ(g.Xend(), g.Xorigin());
  ASSERT_EQ(g.Yend(), g.Yorigin());
  const Values v = At(g.Xorigin(), g.Yorigin());
  EXPECT_FLOAT_EQ(v.x, 7);
  EXPECT_FLOAT_EQ(v.y, 100);
}

TEST_F(ZoomReadout, CursorInPlotAreaIncludesAllFourEdges) {
  g.Refresh();
  const int x0 = g.Xorigin(), y0 = g.Yorigin(), x1 = g.Xend(), y1 = g.Yend();
  struct Case {
    int X, Y;
    bool inside;
  };
  const Case cases[] = {
      {x0, y0, true},      {x1, y0, true},      {x0, y1, true},      {x1, y1, true},
      {x0 - 1, y0, false}, {x0, y0 + 1, false}, {x1 + 1, y0, false}, {x1, y0 + 1, false},
      {x0 - 1, y1, false}, {x0, y1 - 1, false}, {x1 + 1, y1, false}, {x1, y1 - 1, false},
  };
  for (const Case& c : cases) EXPECT_EQ(g.CursorInPlotArea(c.X, c.Y), c.inside) << c.X << "," << c.Y;
}

}  // namespace
}  // namespace pelk
