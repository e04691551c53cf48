// The zoom drag driven through a form: which presses start it, the result in
// pixels and values, clamping, the degenerate bands, the band left on the
// screen and in the image, pens and the second-Y flag around the drag.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

constexpr int kLeft = 20, kTop = 10;  // the graph's place on its form

// The form's whole surface and the graph's image.
struct Picture {
  std::vector<std::uint32_t> screen, image;
  friend bool operator==(const Picture&, const Picture&) = default;
};

std::vector<std::uint32_t> PixelsOf(const Surface& s) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) pixels.push_back(s.Get(x, y));
  return pixels;
}

// The ten result values of the zoom box, in one comparable line.
std::string Result(const TZoomBox& z) {
  return "LRTB " + std::to_string(z.Left()) + " " + std::to_string(z.Right()) + " " + std::to_string(z.Top()) + " " +
         std::to_string(z.Bottom()) + " X " + std::to_string(z.XScaledLeft()) + " " +
         std::to_string(z.XScaledRight()) + " Y " + std::to_string(z.YScaledTop()) + " " +
         std::to_string(z.YScaledBottom()) + " Y2 " + std::to_string(z.SecondYScaledTop()) + " " +
         std::to_string(z.SecondYScaledBottom());
}

// A 300 x 300 graph at (20, 10) with a second Y axis. The axes have 3
// divisions of 64 pixels: X and Y 10 per division from 0, the second Y axis
// 20 per division from 100.
class ZoomDrag : public ::testing::Test {
 protected:
  ZoomDrag() {
    form.SetClientSize(400, 360);
    g.SetAutoSize(false);
    g.SetBounds(kLeft, kTop, 300, 300);
    for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) MakeStandardLinearAxis(*axis);
    g.YAxis2().SetOrgVal(100.0);
    g.YAxis2().SetScale(20.0);
    g.YAxis2().SetDivWidth(32);  // not used: the second Y axis shares the primary's divisions
    g.SetSecondYaxis(true);
    Render();
    g.ZoomBox().SetEnabled(true);
  }

  void Render() {
    g.Refresh();
    ASSERT_EQ(g.Xend() - g.Xorigin(), 192);
    ASSERT_EQ(g.Yorigin() - g.Yend(), 192);
  }

  // A point at a plot offset (y upwards), in control coordinates.
  TPoint P(int dx, int dy) const { return {g.Xorigin() + dx, g.Yorigin() - dy}; }

  // Mouse input in control coordinates, sent through the form.
  void Down(TPoint p, TShiftState shift = {ssLeft}, TMouseButton button = mbLeft) {
    form.MouseDown(button, shift, p.X + kLeft, p.Y + kTop);
  }
  void Move(TPoint p, TShiftState shift = {ssLeft}) { form.MouseMove(shift, p.X + kLeft, p.Y + kTop); }
  void Up(TPoint p, TShiftState shift = {}, TMouseButton button = mbLeft) {
    form.MouseUp(button, shift, p.X + kLeft, p.Y + kTop);
  }
  // A left drag with the default trigger, moving on the way.
  void Drag(TPoint from, TPoint to) {
    Down(from);
    Move({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
    Move(to);
    Up(to);
  }

  Picture Shot() { return {PixelsOf(form.ClientSurface()), PixelsOf(TPelkgraphInternals::Bitmap(g).Pixels())}; }
  TColor OnScreen(TPoint p) { return form.ClientSurface().Get(p.X + kLeft, p.Y + kTop); }
  TColor InImage(TPoint p) { return TPelkgraphInternals::Bitmap(g).Pixels().Get(p.X, p.Y); }

  TForm form;
  TPelkgraph g{&form};
};

TShiftState FlagOf(TMouseButton button) {
  return button == mbLeft ? TShiftState{ssLeft} : button == mbRight ? TShiftState{ssRight} : TShiftState{ssMiddle};
}

TEST_F(ZoomDrag, OnlyThePressMatchingTheTriggerExactlyStartsADrag) {
  struct Case {
    const char* what;
    TZButton zoomButton;
    TZKey zoomKey;
    TMouseButton button;
    TShiftState shift;  // at the press
    bool doubleClick;
    bool starts;
  };
  const TShiftState left{ssLeft}, right{ssRight};
  const Case cases[] = {
      {"left, no key", TZButton::MouseLeft, TZKey::None, mbLeft, left, false, true},
      {"left with Shift held", TZButton::MouseLeft, TZKey::None, mbLeft, {ssLeft, ssShift}, false, false},
      {"right press", TZButton::MouseLeft, TZKey::None, mbRight, right, false, false},
      {"left while right is down", TZButton::MouseLeft, TZKey::None, mbLeft, left + right, false, false},
      {"second press of a double click", TZButton::MouseLeft, TZKey::None, mbLeft, left, true, false},
      {"right with Ctrl and Shift", TZButton::MouseRight, TZKey::CtrlShift, mbRight, {ssRight, ssCtrl, ssShift},
       false, true},
      {"right with Ctrl only", TZButton::MouseRight, TZKey::CtrlShift, mbRight, {ssRight, ssCtrl}, false, false},
      {"right with Ctrl, Shift and Alt", TZButton::MouseRight, TZKey::CtrlShift, mbRight,
       {ssRight, ssCtrl, ssShift, ssAlt}, false, false},
      {"left with Ctrl and Shift", TZButton::MouseRight, TZKey::CtrlShift, mbLeft, {ssLeft, ssCtrl, ssShift}, false,
       false},
      {"middle with Alt", TZButton::MouseMiddle, TZKey::Alt, mbMiddle, {ssMiddle, ssAlt}, false, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g.ZoomBox().SetButton(c.zoomButton);
    g.ZoomBox().SetKey(c.zoomKey);
    Render();
    // A corner of its own for each case, so that a result is never an old one.
    const TPoint from = P(32, 64), to = P(100 + n++, 128);
    const TShiftState held = c.shift - FlagOf(c.button);
    if (c.doubleClick) {
      Down(from, c.shift, c.button);
      Up(from, held, c.button);
    }
    const Picture before = Shot();
    const std::string result = Result(g.ZoomBox());
    if (c.doubleClick) {
      form.DoubleClick(c.button, c.shift, from.X + kLeft, from.Y + kTop);
    } else {
      Down(from, c.shift, c.button);
    }
    Move(to, c.shift);
    // The band follows the mouse only during a drag.
    EXPECT_EQ(Shot() == before, !c.starts);
    Up(to, held, c.button);
    EXPECT_EQ(Shot(), before);  // erased at the release, or never drawn
    if (c.starts) {
      EXPECT_TRUE(g.ZoomBox().ValidZoom());
      EXPECT_EQ(g.ZoomBox().Left(), from.X);
      EXPECT_EQ(g.ZoomBox().Right(), to.X);
    } else {
      EXPECT_EQ(Result(g.ZoomBox()), result);
    }
  }
}

TEST_F(ZoomDrag, ReleaseGivesANormalisedRectangleWithTheValuesAtItsEdges) {
  struct Case {
    const char* what;
    double xScale, yScale;
    TPoint from, to;  // plot offsets (y upwards), the drag's ends
    bool moveToEnd;   // the last move reports the release point
    int left, right, top, bottom;  // plot offsets of the edges
    float xLeft, xRight, yTop, yBottom, y2Top, y2Bottom;
  };
  // Inside the plot area: X 32 .. 160 is 5 .. 25, Y 64 .. 128 is 10 .. 20
  // (second Y axis 120 .. 140).
  const Case cases[] = {
      {"down right to up left", 10, 10, {160, 64}, {32, 128}, true, 32, 160, 128, 64, 5, 25, 20, 10, 140, 120},
      {"up left to down right", 10, 10, {32, 128}, {160, 64}, true, 32, 160, 128, 64, 5, 25, 20, 10, 140, 120},
      {"down left to up right", 10, 10, {32, 64}, {160, 128}, true, 32, 160, 128, 64, 5, 25, 20, 10, 140, 120},
      {"up right to down left", 10, 10, {160, 128}, {32, 64}, true, 32, 160, 128, 64, 5, 25, 20, 10, 140, 120},
      {"negative scales", -10, -10, {32, 64}, {160, 128}, true, 32, 160, 128, 64, -5, -25, -20, -10, 140, 120},
      {"released right of and below the area", 10, 10, {32, 128}, {400, -50}, true, 32, 192, 128, 0, 5, 30, 20, 0,
       140, 100},
      {"released left of and above the area", 10, 10, {160, 64}, {-80, 300}, true, 0, 160, 192, 64, 0, 25, 30, 10,
       160, 120},
      {"pressed outside, released inside", 10, 10, {-10, -10}, {32, 64}, true, 0, 32, 64, 0, 0, 5, 10, 0, 120, 100},
      {"released where no move reported", 10, 10, {32, 64}, {160, 128}, false, 32, 160, 128, 64, 5, 25, 20, 10, 140,
       120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g.XAxis().SetScale(c.xScale);
    g.YAxis().SetScale(c.yScale);
    Render();
    const Picture before = Shot();
    Down(P(c.from.X, c.from.Y));
    Move(P((c.from.X + c.to.X) / 2, (c.from.Y + c.to.Y) / 2));
    if (c.moveToEnd) Move(P(c.to.X, c.to.Y));
    Up(P(c.to.X, c.to.Y));

    const TZoomBox& z = g.ZoomBox();
    EXPECT_TRUE(z.ValidZoom());
    EXPECT_EQ(z.Left(), g.Xorigin() + c.left);
    EXPECT_EQ(z.Right(), g.Xorigin() + c.right);
    EXPECT_EQ(z.Top(), g.Yorigin() - c.top);
    EXPECT_EQ(z.Bottom(), g.Yorigin() - c.bottom);
    EXPECT_FLOAT_EQ(z.XScaledLeft(), c.xLeft);
    EXPECT_FLOAT_EQ(z.XScaledRight(), c.xRight);
    EXPECT_FLOAT_EQ(z.YScaledTop(), c.yTop);
    EXPECT_FLOAT_EQ(z.YScaledBottom(), c.yBottom);
    EXPECT_FLOAT_EQ(z.SecondYScaledTop(), c.y2Top);
    EXPECT_FLOAT_EQ(z.SecondYScaledBottom(), c.y2Bottom);
    // AutoErase removed the band from the screen and the image.
    EXPECT_EQ(Shot(), before);
  }
}

TEST_F(ZoomDrag, ABandOfNoWidthOrHeightIsNoZoomAndLeavesNoMark) {
  struct Case {
    const char* what;
    TPoint press;               // plot offsets (y upwards)
    std::vector<TPoint> moves;
    TPoint release;
    bool autoErase;
  };
  const Case cases[] = {
      {"click without movement", {64, 64}, {}, {64, 64}, true},
      {"back to the starting row", {64, 64}, {{128, 128}, {128, 64}}, {128, 64}, true},
      {"back to the starting column", {64, 64}, {{128, 128}, {64, 128}}, {64, 128}, true},
      {"back to the starting point", {64, 64}, {{128, 128}, {64, 64}}, {64, 64}, true},
      {"back to the starting row, band kept", {64, 64}, {{128, 128}, {128, 64}}, {128, 64}, false},
      {"row reached only at the release", {64, 64}, {{128, 128}}, {100, 64}, true},
      {"along the bottom edge, outside", {64, -10}, {{100, -20}}, {150, -40}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g.ZoomBox().SetAutoErase(true);
    Drag(P(10, 10), P(150, 150));  // an earlier valid zoom
    ASSERT_TRUE(g.ZoomBox().ValidZoom());
    g.ZoomBox().SetAutoErase(c.autoErase);
    const Picture before = Shot();

    Down(P(c.press.X, c.press.Y));
    for (TPoint m : c.moves) Move(P(m.X, m.Y));
    Up(P(c.release.X, c.release.Y));

    EXPECT_FALSE(g.ZoomBox().ValidZoom());
    EXPECT_EQ(Result(g.ZoomBox()), Result(TZoomBox{}));
    EXPECT_EQ(Shot(), before);
  }
}

TEST_F(ZoomDrag, WithoutASecondYAxisItsValuesAreZero) {
  g.SetSecondYaxis(false);
  Render();
  Drag(P(32, 64), P(160, 128));
  ASSERT_TRUE(g.ZoomBox().ValidZoom());
  EXPECT_FLOAT_EQ(g.ZoomBox().YScaledTop(), 20);
  EXPECT_EQ(g.ZoomBox().SecondYScaledTop(), 0);
  EXPECT_EQ(g.ZoomBox().SecondYScaledBottom(), 0);
}

TEST_F(ZoomDrag, TheDragReadsThePrimaryYAxisAndTheHostSeesTheResultOnRelease) {
  g.SetUseSecondYAxis(true);
  std::string seen;
  auto note = [&](const char* event) {
    seen += std::string(event) + (g.UseSecondYAxis() ? " second" : " primary") +
            (g.ZoomBox().ValidZoom() ? " valid" : "") + "; ";
  };
  g.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { note("down"); };
  g.OnMouseMove = [&](TObject*, TShiftState, int, int) { note("move"); };
  g.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { note("up"); };

  Drag(P(32, 64), P(160, 128));
  EXPECT_EQ(seen, "down primary; move primary; move primary; up second valid; ");
  EXPECT_TRUE(g.UseSecondYAxis());
  EXPECT_FLOAT_EQ(g.ZoomBox().YScaledTop(), 20);  // from YAxis, not YAxis2
  EXPECT_FLOAT_EQ(g.ZoomBox().YScaledBottom(), 10);
  EXPECT_FLOAT_EQ(g.ZoomBox().SecondYScaledTop(), 140);
}

TEST_F(ZoomDrag, TheBandPenIsOnBothCanvasesOnlyDuringTheDrag) {
  g.SetPlotColor(clRed);
  g.SetPenWidth(3);
  g.SetPenStyle(psDash);
  g.SetPenMode(pmMerge);
  g.ZoomBox().SetColor(clLime);
  auto pens = [&] {
    std::string line;
    for (TCanvas* canvas : {&g.Canvas(), &TPelkgraphInternals::Bitmap(g).Canvas()}) {
      TPen& pen = canvas->Pen();
      line += std::to_string(pen.Mode()) + "/" + std::to_string(pen.Width()) + "/" + std::to_string(pen.Color()) +
              "/" + std::to_string(pen.Style()) + " ";
    }
    return line;
  };
  const std::string data = pens();
  std::string duringDrag;
  g.OnMouseMove = [&](TObject*, TShiftState, int, int) { duringDrag = pens(); };
  Drag(P(32, 64), P(160, 128));
  const std::string band = std::to_string(pmNotXor) + "/1/" + std::to_string(clLime) + "/" + std::to_string(psSolid);
  EXPECT_EQ(duringDrag, band + " " + band + " ");
  EXPECT_EQ(pens(), data);
}

TEST_F(ZoomDrag, WithoutAutoEraseTheBandStaysUntilEraseZoomBoxOrRefresh) {
  g.ZoomBox().SetAutoErase(false);
  const Picture clean = Shot();
  const TPoint corners[] = {P(32, 64), P(160, 128), P(32, 128), P(160, 64)};
  std::vector<TColor> cornersBefore;
  for (TPoint p : corners) cornersBefore.push_back(InImage(p));
  const TColor inside = InImage(P(97, 99));
  Drag(P(32, 64), P(160, 128));
  ASSERT_TRUE(g.ZoomBox().ValidZoom());
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(OnScreen(corners[i]), cornersBefore[i]) << i;
    EXPECT_NE(InImage(corners[i]), cornersBefore[i]) << i;
  }
  EXPECT_EQ(InImage(P(97, 99)), inside);  // an outline, not a filled box

  g.EraseZoomBox();
  EXPECT_EQ(Shot(), clean);
  g.EraseZoomBox();  // nothing left to remove
  EXPECT_EQ(Shot(), clean);

  // A new drag leaves an earlier band alone; Refresh removes both.
  Drag(P(32, 64), P(160, 128));
  Drag(P(10, 10), P(100, 100));
  const Picture twoBands = Shot();
  g.EraseZoomBox();
  EXPECT_NE(Shot(), clean);
  EXPECT_NE(Shot(), twoBands);
  g.Refresh();
  EXPECT_EQ(Shot(), clean);
  g.EraseZoomBox();
  EXPECT_EQ(Shot(), clean);

  // Disabled, EraseZoomBox draws nothing but counts the band as gone.
  Drag(P(32, 64), P(160, 128));
  const Picture oneBand = Shot();
  g.ZoomBox().SetEnabled(false);
  g.EraseZoomBox();
  EXPECT_EQ(Shot(), oneBand);
  g.ZoomBox().SetEnabled(true);
  g.EraseZoomBox();
  EXPECT_EQ(Shot(), oneBand);
}

TEST_F(ZoomDrag, AMatchingPressDuringADragKeepsItsAnchorPensAndFlag) {
  g.SetUseSecondYAxis(true);
  g.SetPenMode(pmMerge);
  const Picture before = Shot();
  Down(P(32, 64));
  Move(P(100, 100));
  Up(P(100, 100), TShiftState{ssShift});  // other keys: the drag goes on
  Move(P(120, 110), TShiftState{});
  EXPECT_NE(Shot(), before);
  EXPECT_FALSE(g.UseSecondYAxis());

  Down(P(150, 150));  // does not start again
  Move(P(160, 128));
  Up(P(160, 128));
  EXPECT_TRUE(g.ZoomBox().ValidZoom());
  EXPECT_EQ(g.ZoomBox().Left(), P(32, 0).X);
  EXPECT_EQ(g.ZoomBox().Bottom(), P(0, 64).Y);
  EXPECT_TRUE(g.UseSecondYAxis());
  EXPECT_EQ(g.Canvas().Pen().Mode(), pmMerge);
  EXPECT_EQ(Shot(), before);
}

TEST_F(ZoomDrag, DisabledDuringADragTheHandlersOnlyPassTheEventsOn) {
  g.SetUseSecondYAxis(true);
  const Picture before = Shot();
  Down(P(32, 64));
  Move(P(100, 100));
  const Picture band = Shot();
  g.ZoomBox().SetEnabled(false);
  Move(P(160, 128));
  EXPECT_EQ(Shot(), band);
  Up(P(160, 128));
  EXPECT_FALSE(g.ZoomBox().ValidZoom());
  EXPECT_FALSE(g.UseSecondYAxis());  // the drag is still open
  g.EraseZoomBox();                   // draws nothing while disabled
  EXPECT_EQ(Shot(), band);

  g.ZoomBox().SetEnabled(true);
  Move(P(160, 128));
  Up(P(160, 128));
  EXPECT_TRUE(g.ZoomBox().ValidZoom());
  EXPECT_EQ(g.ZoomBox().Right(), P(160, 0).X);
  EXPECT_TRUE(g.UseSecondYAxis());
  EXPECT_EQ(Shot(), before);
}

}  // namespace
}  // namespace pelk
