// Lines drawn from a canvas's kept device state must match lines drawn with
// the state resolved afresh, through every change of pen, clip and device.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

namespace pelk {
namespace {

// A canvas over a surface that never keeps device state: every line takes
// the general path.
class FreshCanvas : public TCanvas {
 public:
  explicit FreshCanvas(Surface& s) : surface_(s) {}
  DeviceView Device() override { return {&surface_, {}, surface_.Bounds()}; }

 private:
  Surface& surface_;
};

// Applies the same call to the bitmap's canvas (which keeps state) and to a
// fresh-state canvas over a twin surface.
struct Twin {
  TBitmap kept;
  Surface freshSurface;
  FreshCanvas fresh{freshSurface};

  void Resize(int w, int h) {
    kept.SetSize(w, h);
    freshSurface.Resize(w, h);
  }
  template <class F>
  void Both(F f) {
    f(kept.Canvas());
    f(static_cast<TCanvas&>(fresh));
  }
  bool Same() const {
    const Surface& a = kept.Pixels();
    if (a.Width() != freshSurface.Width() || a.Height() != freshSurface.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.Get(x, y) != freshSurface.Get(x, y)) return false;
    return true;
  }
};

// Random walks of short and long steps, in and out of the clip, interleaved
// with every kind of state change (plain pens most of the time, so that the
// kept state is in use); both canvases end in the same pixels and the same
// pen position after each step.
TEST(KeptLineState, MatchesFreshStateThroughEveryChange) {
  std::mt19937 rng(4711);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Twin t;
  t.Resize(40, 30);
  t.Both([](TCanvas& c) { c.MoveTo(10, 10); });
  const TColor colors[] = {clBlack, clRed, 0x00123456, clBtnFace};
  int x = 10, y = 10;
  for (int step = 0; step < 4000; ++step) {
    SCOPED_TRACE(step);
    const int what = pick(0, 99);
    if (what < 3) {
      const TColor c = colors[pick(0, 3)];
      t.Both([&](TCanvas& cv) { cv.Pen().SetColor(c); });
    } else if (what < 4) {
      const TPenMode m = pick(0, 4) ? pmCopy : pmXor;
      t.Both([&](TCanvas& cv) { cv.Pen().SetMode(m); });
    } else if (what < 5) {
      const int w = pick(0, 9) ? pick(0, 1) : 2;
      t.Both([&](TCanvas& cv) { cv.Pen().SetWidth(w); });
    } else if (what < 6) {
      const TPenStyle s = pick(0, 4) ? psSolid : psDot;
      t.Both([&](TCanvas& cv) { cv.Pen().SetStyle(s); });
    } else if (what < 8) {
      const TRect r{pick(-5, 20), pick(-5, 15), pick(10, 45), pick(10, 35)};
      const bool none = pick(0, 3) == 0;
      t.Both([&](TCanvas& cv) { cv.SelectClipRect(none ? std::nullopt : std::optional<TRect>(r)); });
    } else if (what < 9) {
      t.Resize(pick(0, 50), pick(0, 40));
    } else if (what < 11) {
      x = pick(-10, 50);
      y = pick(-10, 40);
      t.Both([&](TCanvas& cv) { cv.MoveTo(x, y); });
    } else {
      // Mostly steps of a pixel or none, as dense data makes.
      const int reach = what < 90 ? 1 : 8;
      x += pick(-reach, reach);
      y += pick(-reach, reach);
      const bool end = pick(0, 4) != 0;
      t.Both([&](TCanvas& cv) {
        if (end) {
          cv.LineToAndSetEnd(x, y, clLime);
        } else {
          cv.LineTo(x, y);
        }
      });
    }
    ASSERT_EQ(t.kept.Canvas().PenPos(), t.fresh.PenPos());
    ASSERT_TRUE(t.Same());
  }
}

// A control's canvas follows its control and form: moving, resizing and
// re-parenting the control and resizing the form between two lines puts
// the second line where the control is now, and never outside the form.
TEST(KeptLineState, ControlCanvasFollowsItsControlAndForm) {
  struct Case {
    const char* change;
    void (*apply)(TForm& a, TForm& b, TGraphicControl& c);
    TForm* (*formAfter)(TForm& a, TForm& b);
    TPoint originAfter;
  };
  const Case cases[] = {
      {"move", [](TForm&, TForm&, TGraphicControl& c) { c.SetBounds(30, 20, 40, 40); },
       [](TForm& a, TForm&) { return &a; }, {30, 20}},
      {"resize smaller", [](TForm&, TForm&, TGraphicControl& c) { c.SetBounds(10, 10, 3, 3); },
       [](TForm& a, TForm&) { return &a; }, {10, 10}},
      {"form shrinks", [](TForm& a, TForm&, TGraphicControl&) { a.SetClientSize(12, 12); },
       [](TForm& a, TForm&) { return &a; }, {10, 10}},
      {"new parent", [](TForm&, TForm& b, TGraphicControl& c) { c.SetParent(&b); },
       [](TForm&, TForm& b) { return &b; }, {10, 10}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.change);
    TForm a, b;
    a.SetClientSize(100, 80);
    b.SetClientSize(100, 80);
    TGraphicControl control(&a);
    control.SetBounds(10, 10, 40, 40);
    TCanvas& canvas = control.Canvas();
    canvas.Pen().SetColor(clRed);
    canvas.MoveTo(1, 1);
    canvas.LineToAndSetEnd(2, 2, clRed);
    k.apply(a, b, control);
    a.ClientSurface().Fill(0xFFFFFF);
    b.ClientSurface().Fill(0xFFFFFF);
    canvas.LineToAndSetEnd(2, 1, clBlue);

    TForm& now = *k.formAfter(a, b);
    const Surface& s = now.ClientSurface();
    const int px = k.originAfter.X + 2, py = k.originAfter.Y + 1;
    const bool visible = px < std::min(s.Width(), control.Left() + control.Width()) &&
                         py < std::min(s.Height(), control.Top() + control.Height());
    int changed = 0;
    for (int yy = 0; yy < s.Height(); ++yy)
      for (int xx = 0; xx < s.Width(); ++xx) changed += s.Get(xx, yy) != 0xFFFFFFu;
    if (visible) {
      EXPECT_EQ(s.Get(px, py), ColorToRGB(clBlue));
      EXPECT_EQ(s.Get(px, py + 1), ColorToRGB(clRed));  // the start pixel (2, 2)
      EXPECT_EQ(changed, 2);
    } else {
      EXPECT_EQ(changed, 0);
    }
  }
}

}  // namespace
}  // namespace pelk
