// Axis annotation: where numbers, decades and exponents land, found from the
// drawn pixels.
#include <gtest/gtest.h>

#include "GraphFixture.h"

using namespace pelk;

namespace {

// A 320 x 320 graph without grids; the X axis writes in red, the Y axis in
// green, the second Y axis in blue.
struct AnnotatedGraph : GraphFixture {
  AnnotatedGraph() : GraphFixture(320, 320) {
    g().SetMajorGrid(false);
    g().SetMinorGrid(false);
    g().XAxis().Font().SetColor(clRed);
    g().YAxis().Font().SetColor(clLime);
    g().YAxis2().Font().SetColor(clBlue);
  }
  InkBox Ink(TRect area, std::uint32_t colour = clRed) { return FindInk(Image(), colour, area); }
  int Width(const TFont& font, const std::string& text) {
    TBitmap b;
    b.Canvas().Font().Assign(font);
    return b.Canvas().TextWidth(text);
  }
};

}  // namespace

TEST(Annotation, HorizontalNumberOnTheXAxis) {
  AnnotatedGraph f;
  f.g().Refresh();
  const int x0 = f.g().Xorigin(), y0 = f.g().Yorigin();
  // "0.0" baseline-centre at (Xorigin, Yorigin + T + O + h + 1) = (x0, y0 + 20).
  const InkBox box = f.Ink({x0 - 25, y0 + 1, x0 + 25, y0 + 25});
  ASSERT_FALSE(box.Empty());
  EXPECT_EQ(box.bottom, y0 + 20 - 1);
  EXPECT_NEAR(box.CentreX2(), 2 * x0, 3);
}

TEST(Annotation, VerticalNumberOnTheYAxis) {
  AnnotatedGraph f;
  f.g().Refresh();
  const int x0 = f.g().Xorigin(), y = f.g().Yorigin() - 64;
  // "10.0" rotated, baseline-centre at (Xorigin - T - O, tick): the glyphs lie
  // left of the baseline column and are centred on the tick.
  const InkBox box = f.Ink({x0 - 22, y - 30, x0, y + 30}, clLime);
  ASSERT_FALSE(box.Empty());
  EXPECT_EQ(box.right, x0 - 10 - 1);
  EXPECT_GT(box.bottom - box.top, box.right - box.left);  // runs along the axis
  EXPECT_NEAR(box.CentreY2(), 2 * y, 4);
}

TEST(Annotation, LowestNumberOfTheYAxisStaysAboveTheLimit) {
  for (int decimals : {0, 4}) {
    SCOPED_TRACE(decimals);
    AnnotatedGraph f;
    f.g().YAxis().SetNdecs(decimals);
    f.g().YAxis().SetScale(1);
    f.g().Refresh();
    const int x0 = f.g().Xorigin(), y0 = f.g().Yorigin();
    const std::string text = decimals == 0 ? "0" : "0.0000";
    const int half = f.Width(f.g().YAxis().Font(), text) / 2;
    const int limit = y0 + 5 + 5 - 1;  // X axis linear: Y0 + R(O' + T') - 1
    const int centre = y0 + half > limit ? limit - half : y0;
    const InkBox box = f.Ink({x0 - 22, y0 - 40, x0, y0 + 40}, clLime);
    ASSERT_FALSE(box.Empty());
    EXPECT_NEAR(box.CentreY2(), 2 * centre, 4);
    EXPECT_LE(box.bottom, limit + 1);
  }
}

TEST(Annotation, LogarithmicDecadesOnTheXAxis) {
  AnnotatedGraph f;
  f.g().XAxis().SetLog(true);
  f.g().Refresh();
  const int x0 = f.g().Xorigin(), y0 = f.g().Yorigin();
  const int tenHalf = f.Width(f.g().XAxis().Font(), "10") / 2;
  // "10" on the baseline Y0 + 20; its exponent on Y0 + 16, starting W("10") div 2 right of the tick.
  const InkBox ten = f.Ink({x0 - 20, y0 + 1, x0 + tenHalf, y0 + 25});
  const InkBox power = f.Ink({x0 + tenHalf, y0 + 1, x0 + tenHalf + 12, y0 + 25});
  ASSERT_FALSE(ten.Empty());
  ASSERT_FALSE(power.Empty());
  EXPECT_EQ(ten.bottom, y0 + 20 - 1);
  EXPECT_EQ(power.bottom, y0 + 16 - 1);
  EXPECT_GE(power.left, x0 + tenHalf);
}

TEST(Annotation, CommonExponentFollowsTheLabel) {
  AnnotatedGraph f;
  f.g().XAxis().SetScale(1000);
  f.g().XAxis().SetNdivs(5);
  f.g().Refresh();
  TPelkgraph& g = f.g();
  const auto fields = TPelkgraphInternals::Fields(g);
  const int labelY = g.Yorigin() + fields.xAnnotationHeight;  // label baseline
  const int labelWidth = f.Width(g.XAxis().Font(), "X Axis *10");
  const int centreX = fields.centerX;
  // The label is centred; the raised "1" starts one pixel after its end,
  // half a text height higher.
  const InkBox label = f.Ink({centreX - labelWidth / 2 - 2, labelY - 12, centreX + labelWidth / 2 + 1, labelY + 3});
  const InkBox power = f.Ink({centreX + labelWidth / 2 + 1, labelY - 16, centreX + labelWidth / 2 + 12, labelY + 3});
  ASSERT_FALSE(label.Empty());
  ASSERT_FALSE(power.Empty());
  EXPECT_EQ(label.bottom, labelY - 1);
  EXPECT_EQ(power.bottom, labelY - 9 / 2 - 1);
}

TEST(Annotation, AxisLineAndTicksMatchTheFont) {
  AnnotatedGraph f;
  TPelkgraph& g = f.g();
  g.YAxis().SetAxisMatchesFont(true);
  g.Refresh();
  // Y ticks in the font colour, X ticks in the major grid colour.
  EXPECT_EQ(f.ImagePixel(g.Xorigin() - 3, g.Yorigin() - 64), clLime);
  EXPECT_EQ(f.ImagePixel(g.Xorigin() + 64, g.Yorigin() + 3), clBlack);
  EXPECT_EQ(f.ImagePixel(g.Xorigin(), g.Yorigin() - 100), clLime);  // the axis line
}

TEST(Annotation, ATallGraphDrawsTheXDivisionsNearItsOwnWidth) {
  // A 10 x 4,000,000 graph with 100,000,000 X divisions of a pixel shows in
  // its ten columns exactly what a 10 x 300 graph shows with the 400
  // divisions around them: the same ticks, numbers and label.
  struct Graph {
    Graph(int height, int divisions, double originValue) {
      form.SetClientSize(20, 20);
      graph = std::make_unique<TPelkgraph>(&form);
      graph->SetAutoSize(false);
      graph->SetBounds(0, 0, 10, height);
      graph->SetMinorGrid(false);
      TAxis& x = graph->XAxis();
      x.SetNdivs(divisions);
      x.SetDivWidth(1);
      x.SetOrgVal(originValue);
      x.SetScale(1);
      x.SetNfixed(10);  // the numbers keep all their digits
      x.Font().SetColor(clRed);
      graph->Refresh();
    }
    TColor At(int x, int dy) { return TPelkgraphInternals::Bitmap(*graph).Pixels().Get(x, graph->Yorigin() + dy); }
    TForm form;
    std::unique_ptr<TPelkgraph> graph;
  };
  Graph tall(4000000, 100000000, 0.0);
  Graph shortOne(300, 400, 50000000.0 - 200);
  ASSERT_EQ(tall.graph->Xorigin(), 5 - 50000000);
  ASSERT_EQ(shortOne.graph->Xorigin(), 5 - 200);
  const int band = TPelkgraphInternals::Fields(*tall.graph).xAnnotationHeight + 6;
  int ink = 0;
  for (int dy = -100; dy <= band; ++dy)
    for (int x = 0; x < 10; ++x) {
      ASSERT_EQ(tall.At(x, dy), shortOne.At(x, dy)) << "pixel (" << x << ", Yorigin + " << dy << ")";
      if (dy > 5 && TintedBy(tall.At(x, dy), clRed)) ++ink;
    }
  EXPECT_GT(ink, 20) << "numbers and label are drawn";
  EXPECT_EQ(tall.At(0, 5), clBlack) << "a tick in the first column";
  EXPECT_EQ(tall.At(9, 5), clBlack) << "a tick in the last column";
}
