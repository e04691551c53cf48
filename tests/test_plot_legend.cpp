// The legend: its frame in each corner, the corner covering the fewest
// points, when there is none, and what it draws.
#include <gtest/gtest.h>

#include <vector>

#include "common/Legend.h"
#include "platform/Bitmap.h"

using namespace pelk;
using namespace pelk::cli;

namespace {

const TRect kPlotArea{100, 50, 500, 350};
const LegendMetrics kMetrics = LegendMetricsFor(1.0, 14);

}  // namespace

TEST(PlotLegend, FramesSitInTheirCornersInsideThePlotArea) {
  for (Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}) {
    const std::optional<TRect> frame = LegendFrame(kPlotArea, corner, kMetrics, 60, 3);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->Width(), 2 * kMetrics.padding + kMetrics.sampleLength + kMetrics.gap + 60);
    EXPECT_EQ(frame->Height(), 2 * kMetrics.padding + 3 * kMetrics.rowHeight);
    const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
    const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
    EXPECT_EQ(left ? frame->Left - kPlotArea.Left : kPlotArea.Right - frame->Right, kMetrics.inset);
    EXPECT_EQ(top ? frame->Top - kPlotArea.Top : kPlotArea.Bottom - frame->Bottom, kMetrics.inset);
  }
  // Too wide or too tall for the plot area: no frame.
  EXPECT_FALSE(LegendFrame(kPlotArea, Corner::TopLeft, kMetrics, 400, 1).has_value());
  EXPECT_FALSE(LegendFrame(kPlotArea, Corner::TopLeft, kMetrics, 10, 40).has_value());
  // Distances grow with the scale.
  const LegendMetrics doubled = LegendMetricsFor(2.0, 28);
  EXPECT_EQ(doubled.sampleLength, 2 * kMetrics.sampleLength);
  EXPECT_EQ(doubled.rowHeight, 2 * kMetrics.rowHeight);
}

TEST(PlotLegend, TheCornerCoveringFewestPoints) {
  const CornerFrames frames = *LegendFrames(kPlotArea, kMetrics, 60, 2);
  for (Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}) {
    EXPECT_EQ(frames[static_cast<std::size_t>(corner)], *LegendFrame(kPlotArea, corner, kMetrics, 60, 2));
  }
  EXPECT_FALSE(LegendFrames(kPlotArea, kMetrics, 400, 1).has_value());
  const auto counts = [](long long topLeft, long long topRight, long long bottomLeft, long long bottomRight) {
    return CornerCounts{topLeft, topRight, bottomLeft, bottomRight};
  };
  struct Case {
    const char* name;
    CornerCounts covered;
    Corner expected;
  };
  const Case cases[] = {
      {"no points: top right first", counts(0, 0, 0, 0), Corner::TopRight},
      {"top right crowded", counts(0, 50, 0, 0), Corner::TopLeft},
      {"top crowded", counts(40, 50, 0, 0), Corner::BottomRight},
      {"all but bottom left", counts(40, 50, 0, 30), Corner::BottomLeft},
      {"fewest wins", counts(8, 9, 6, 5), Corner::BottomRight},
  };
  for (const Case& c : cases) EXPECT_EQ(FreestCorner(c.covered), c.expected) << c.name;
  // Auto shows a legend for two series or more; a corner asked for, for one too.
  const CornerCounts none{};
  EXPECT_FALSE(LegendCorner(LegendPlace::Auto, 1, true, none).has_value());
  EXPECT_EQ(LegendCorner(LegendPlace::Auto, 2, true, counts(1, 1, 1, 0)), Corner::BottomRight);
  EXPECT_EQ(LegendCorner(LegendPlace::BottomLeft, 1, true, none), Corner::BottomLeft);
  EXPECT_FALSE(LegendCorner(LegendPlace::None, 3, true, none).has_value());
  EXPECT_FALSE(LegendCorner(LegendPlace::TopLeft, 3, false, none).has_value());
  EXPECT_FALSE(LegendCorner(LegendPlace::Auto, 3, false, none).has_value());
}

TEST(PlotLegend, DrawsAFramedBoxWithALineInEachSeriesColour) {
  TBitmap bitmap;
  bitmap.SetSize(300, 200);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clSilver);
  canvas.FillRect({0, 0, 300, 200});
  const std::vector<view::SeriesStyle> series{{false, "alpha", {clRed, 1, LineStyle::Solid, false, 2}},
                                              {true, "beta", {clGreen, 3, LineStyle::Solid, false, 2}}};
  TFont font;
  font.SetSize(8);
  const TRect frame{20, 30, 160, 80};
  const std::vector<TextBox> names = DrawLegend(canvas, frame, kMetrics, series, font, 1.0, false);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].text, "alpha");
  EXPECT_EQ(names[1].text, "beta");
  EXPECT_LT(names[0].rect.Bottom, names[1].rect.Bottom);
  // The frame's outline is black, its inside white, the outside untouched.
  EXPECT_EQ(canvas.Pixel(frame.Left, frame.Top + 5), clBlack);
  EXPECT_EQ(canvas.Pixel(frame.Right - 1, frame.Bottom - 5), clBlack);
  EXPECT_EQ(canvas.Pixel(frame.Left - 1, frame.Top + 5), clSilver);
  EXPECT_EQ(canvas.Pixel(frame.Right - 3, frame.Top + 3), clWhite);
  // Each row's sample line runs in its series' colour, at its own height.
  for (std::size_t row = 0; row < 2; ++row) {
    const int middle = frame.Top + kMetrics.padding + static_cast<int>(row) * kMetrics.rowHeight + kMetrics.rowHeight / 2;
    const int x = frame.Left + kMetrics.padding + kMetrics.sampleLength / 2;
    EXPECT_EQ(canvas.Pixel(x, middle), series[row].pen.color) << row;
    EXPECT_LT(names[row].rect.Top, middle);
    EXPECT_GT(names[row].rect.Bottom, middle);
  }
  // Monochrome draws every line black.
  DrawLegend(canvas, frame, kMetrics, series, font, 1.0, true);
  EXPECT_EQ(canvas.Pixel(frame.Left + kMetrics.padding + 4, frame.Top + kMetrics.padding + kMetrics.rowHeight / 2),
            clBlack);
}
