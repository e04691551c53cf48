// The arithmetic of the printed frame: scale, printed size, place, centred
// plot area, title baselines and the printer counterpart of a position.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "print/PrintLayout.h"
#include "render/LayoutMath.h"

namespace pelk {
namespace {

TEST(PrintLayout, PrintedFrames) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    int ppi, sppi;
    float printedWidth;  // the control is square
    float left, top, width;
    float scale, fontScale;
    int graph, pLeft, pTop, centre, xorigin, xend;
  };
  const Case cases[] = {
      {"600 / 96, natural size", 600, 96, 3.125f, 0, 0, 0, 6.25f, 1.0f, 1875, 0, 0, 937, 337, 1537},
      {"600 / 96, 6 inches wide", 600, 96, 3.125f, 0, 0, 6, 12.0f, 1.92f, 3600, 0, 0, 1800, 648, 2952},
      {"120 ppi screen: 3.125 inches, axes 960", 600, 120, 2.5f, 0, 0, 0, 5.0f, 1.0f, 1875, 0, 0, 937, 457, 1417},
      {"placed at 1, 1.5 inches", 600, 96, 3.125f, 1, 1.5f, 0, 6.25f, 1.0f, 1875, 600, 900, 1537, 937, 2137},
      {"negative width: natural size", 600, 96, 3.125f, 0, 0, -2, 6.25f, 1.0f, 1875, 0, 0, 937, 337, 1537},
      {"NaN width: natural size", 600, 96, 3.125f, 0, 0, nan, 6.25f, 1.0f, 1875, 0, 0, 937, 337, 1537},
      {"infinite width: natural size", 600, 96, 3.125f, 0, 0, inf, 6.25f, 1.0f, 1875, 0, 0, 937, 337, 1537},
      {"a graph 0 inches wide: nothing divides by zero", 600, 96, 0.0f, 0, 0, 6, 6.25f, 1.0f, 0, 0, 0, 0, -600, 600},
      {"NaN place: the page origin", 300, 96, 3.125f, nan, nan, 0, 3.125f, 1.0f, 938, 0, 0, 469, 169, 769},
      {"far off the page: saturated", 600, 96, 3.125f, 1e30f, -1e30f, 0, 6.25f, 1.0f, 1875, INT_MAX, INT_MIN,
       INT_MAX, INT_MAX - 600, INT_MAX},
  };
  for (const Case& c : cases) {
    const PrintedFrame f = PlacePrintedFrame({c.ppi, c.sppi, c.printedWidth, c.printedWidth, 192, 192}, c.left, c.top,
                                             c.width);
    EXPECT_EQ(f.scaleFactor, c.scale) << c.what;
    EXPECT_EQ(f.fontScale, c.fontScale) << c.what;
    EXPECT_EQ(f.graphWidth, c.graph) << c.what;
    EXPECT_EQ(f.graphHeight, c.graph) << c.what;
    EXPECT_EQ(f.left, c.pLeft) << c.what;
    EXPECT_EQ(f.top, c.pTop) << c.what;
    EXPECT_EQ(f.centerX, c.centre) << c.what;
    EXPECT_EQ(f.xorigin, c.xorigin) << c.what;
    EXPECT_EQ(f.xend, c.xend) << c.what;
    // The plot area is square like the control (unless saturated at the 32-bit edge).
    if (f.xend != INT_MAX) {
      EXPECT_EQ(std::int64_t{f.yorigin} - f.yend, std::int64_t{f.xend} - f.xorigin) << c.what;
    }
  }
}

TEST(PrintLayout, FontSizesAndPenPositionOnThePrinter) {
  EXPECT_EQ(PrinterFontSize(10, 1.92f), 19);  // 19.2
  EXPECT_EQ(PrinterFontSize(8, 1.0f), 8);
  EXPECT_EQ(PrinterFontSize(5, 2.5f), 12);  // 12.5, halves to even
  EXPECT_EQ(PrinterFontSize(10, 1e30f), INT_MAX);

  PrintedFrame frame;
  frame.xorigin = 40;
  frame.yorigin = 900;
  frame.scaleFactor = 4.0f;
  struct Case {
    int xGraph, yGraph;
    TPoint printer;
  };
  const Case cases[] = {{3, 5, {52, 880}}, {0, 0, {40, 900}}, {-3, -5, {28, 920}}, {INT_MAX, INT_MIN, {INT_MAX, INT_MAX}}};
  for (const Case& c : cases) {
    const TPoint p = PrinterCounterpart(frame, c.xGraph, c.yGraph);
    EXPECT_EQ(p, c.printer) << c.xGraph << ", " << c.yGraph << " gives " << p.X << ", " << p.Y;
  }
}

TEST(PrintLayout, TitleBaselinesScaleEachGroupOnItsOwn) {
  // Heights 9 (Id), 11 (Subtitle), 13 (Title), offsets 5, 6, 7.
  const TitleMetrics m{13, 11, 9, 7, 6, 5};
  struct Case {
    const char* what;
    TitleLines present;
    float scale;
    TitleBaselines baselines;  // of the lines present
  };
  const Case cases[] = {
      {"screen, all three: stacked upwards", {true, true, true}, 1.0f, {1000 - 5, 1000 - 14 - 6, 1000 - 31 - 7}},
      {"screen, title alone: TitleOffset above the plot area", {true, false, false}, 1.0f, {0, 0, 1000 - 7}},
      {"screen, no Id: the subtitle moves down", {false, true, false}, 1.0f, {0, 1000 - 6, 0}},
      {"printer 2.5, all three", {true, true, true}, 2.5f, {1000 - 12, 1000 - 50, 1000 - 95}},
      // Title: -R(38) + R(14) + R(17) = -95 + 35 + 42, one pixel off R(7) = 18.
      {"printer 2.5, title alone: down by both groups", {true, false, false}, 2.5f, {0, 0, 1000 - 18}},
      {"printer 2.5, no Subtitle", {true, false, true}, 2.5f, {1000 - 12, 0, 1000 - 53}},
  };
  for (const Case& c : cases) {
    const TitleBaselines b = TitleLineBaselines(c.present, m, 1000, c.scale);
    if (c.present.id) {
      EXPECT_EQ(b.id, c.baselines.id) << c.what;
    }
    if (c.present.subtitle) {
      EXPECT_EQ(b.subtitle, c.baselines.subtitle) << c.what;
    }
    if (c.present.title) {
      EXPECT_EQ(b.title, c.baselines.title) << c.what;
    }
  }
}

}  // namespace
}  // namespace pelk
