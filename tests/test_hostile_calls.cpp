// Calls with the arguments a hostile host might pass: a huge title in a huge
// font on a tiny graph, an axis of a hundred million one-pixel divisions on a
// tall graph, mouse events at the ends of the int range. Each is checked by
// what it draws or reports.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

struct FixedGraph {
  FixedGraph(int width, int height) {
    form.SetClientSize(std::min(width, 200), std::min(height, 200));
    graph = std::make_unique<TPelkgraph>(&form);
    graph->SetAutoSize(false);
    graph->SetStretchAxes(TStretchOption::No);
    graph->SetBounds(0, 0, width, height);
  }
  std::vector<std::uint32_t> Pixels() {
    const Surface& image = TPelkgraphInternals::Bitmap(*graph).Pixels();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) pixels.push_back(image.Get(x, y));
    }
    return pixels;
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

TEST(HostileCalls, HugeTitleDrawsWhatAShortTitleDrawsAroundTheCentre) {
  std::string period;
  for (char c = '!'; c <= '~'; ++c) period += c;
  // Both titles are a run of periods, an M, the same run again, so their
  // centre lies in the middle of the M with the same glyphs around it; the
  // rest of the long one lies beyond the image.
  std::string run;
  while (2 * (run.size() + period.size()) < 20000) run += period;
  const std::string huge = run + "M" + run;
  const std::string shortTitle = period + "M" + period;
  struct Case {
    int size;  // points
    int width, height;
  };
  const Case cases[] = {{768, 10, 10}, {768, 10, 1500}, {768, 31, 1200}, {200, 10, 400}};
  for (const Case& c : cases) {
    std::vector<std::uint32_t> images[3];
    int i = 0;
    for (const std::string& title : {huge, shortTitle, std::string()}) {
      FixedGraph scene(c.width, c.height);
      scene.graph->TitleFont().SetSize(c.size);
      scene.graph->SetTitle(title);
      scene.graph->Refresh();
      images[i++] = scene.Pixels();
    }
    EXPECT_EQ(images[0], images[1]) << c.size << " pt on " << c.width << " x " << c.height;
    if (c.height > 10) {
      EXPECT_NE(images[1], images[2]) << "the title inks the image: " << c.size << " pt on " << c.width << " x " << c.height;
    }
  }
}

TEST(HostileCalls, TallGraphTicksEveryColumnOfItsHundredMillionDivisions) {
  FixedGraph scene(10, 400000);
  TPelkgraph& g = *scene.graph;
  g.XAxis().SetNdivs(100000000);
  g.XAxis().SetDivWidth(1);
  g.Refresh();
  const Surface& image = TPelkgraphInternals::Bitmap(g).Pixels();
  ASSERT_EQ(image.Height(), 400000);
  const int tickRow = g.Yorigin() + 1;
  ASSERT_TRUE(tickRow > 0 && tickRow < image.Height());
  const std::uint32_t tick = ColorToRGB(g.MajorGridColor());
  // Every column the axis crosses holds a division's tick.
  int ticked = 0;
  for (int x = std::max(0, g.Xorigin()); x < image.Width(); ++x) {
    EXPECT_EQ(image.Get(x, tickRow) & 0xFFFFFFu, tick) << "column " << x;
    ++ticked;
  }
  EXPECT_GT(ticked, 0);
}

TEST(HostileCalls, MouseEventsAtTheIntLimitsClampToThePlotArea) {
  FixedGraph scene(300, 300);
  TPelkgraph& g = *scene.graph;
  g.ZoomBox().SetEnabled(true);
  g.Refresh();
  struct Case {
    int fromX, fromY, toX, toY;
    TRect band;  // left, top, right, bottom reported
  };
  const TRect plot{g.Xorigin(), g.Yend(), g.Xend(), g.Yorigin()};
  const Case cases[] = {
      {INT_MIN, INT_MIN, INT_MAX, INT_MAX, plot},
      {INT_MAX, INT_MAX, INT_MIN, INT_MIN, plot},
      {INT_MIN, INT_MAX, INT_MAX, INT_MIN, plot},
      {INT_MAX, g.Yorigin() - 1, INT_MIN, INT_MIN, {plot.Left, plot.Top, plot.Right, plot.Bottom - 1}},
  };
  for (const Case& c : cases) {
    g.MouseDown(mbLeft, TShiftState{ssLeft}, c.fromX, c.fromY);
    g.MouseMove(TShiftState{ssLeft}, INT_MAX, INT_MIN);
    g.MouseUp(mbLeft, TShiftState{}, c.toX, c.toY);
    const TZoomBox& z = g.ZoomBox();
    EXPECT_TRUE(z.ValidZoom());
    EXPECT_EQ((TRect{z.Left(), z.Top(), z.Right(), z.Bottom()}), c.band) << c.fromX << "," << c.fromY;
  }
  float xValue = 1, yValue = 1;
  int xOffset = 0, yOffset = 0;
  g.GetValues(INT_MIN, INT_MIN, xValue, yValue, xOffset, yOffset);
  EXPECT_EQ(xOffset, INT_MIN);
  EXPECT_EQ(yOffset, INT_MAX);
  EXPECT_EQ(xValue, 0.0f);
  EXPECT_FALSE(g.CursorInPlotArea(INT_MAX, INT_MIN));
}

}  // namespace
}  // namespace pelk
