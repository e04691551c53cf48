// Lines drawn from a canvas's kept direct line state must match lines drawn
// by the canvas's general path, through every change of pen, clip and
// device: each such change moves the drawing state generation, and the
// state is taken again when it has moved.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/DirectLines.h"
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

// Direct lines on a canvas, taken again whenever the generation has moved,
// as the graph's plot session takes them.
class KeptLines {
 public:
  explicit KeptLines(TCanvas& canvas) : canvas_(canvas) {}
  DirectLines& Now() {
    if (at_ != DrawingStateGeneration()) {
      lines_ = DirectLines(canvas_);
      at_ = DrawingStateGeneration();
    }
    return lines_;
  }

 private:
  TCanvas& canvas_;
  DirectLines lines_;
  std::uint64_t at_ = ~std::uint64_t{0};
};

// Lines through the bitmap canvas's kept direct lines, and the same calls on
// a canvas over a twin surface that draws everything by the general path.
struct Twin {
  TBitmap kept;
  KeptLines keptLines{kept.Canvas()};
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

// Random walks of short and long steps, in and out of the clip, single and
// in runs, interleaved with every kind of state change (plain pens most of
// the time, so that the direct steps are in use); both canvases end in the
// same pixels and the same pen position after each step. Dotted lines after
// direct steps show that the dash position is kept too.
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
    } else if (what < 60) {
      // Mostly steps of a pixel or none, as dense data makes.
      const int reach = what < 55 ? 1 : 8;
      x += pick(-reach, reach);
      y += pick(-reach, reach);
      const std::uint32_t lime = ColorToRGB(clLime);
      const bool end = pick(0, 4) != 0;
      t.keptLines.Now().LineTo(x, y, end ? &lime : nullptr);
      if (end) {
        t.fresh.LineToAndSetEnd(x, y, clLime);
      } else {
        t.fresh.LineTo(x, y);
      }
    } else {
      // A run of steps with an occasional move, drawn or (a hidden
      // control's) only moved.
      std::vector<DirectStep> run(static_cast<std::size_t>(pick(1, 40)));
      for (DirectStep& s : run) {
        s.move = pick(0, 15) == 0;
        const int reach = s.move ? 20 : pick(0, 9) ? 1 : 8;
        x += pick(-reach, reach);
        y += pick(-reach, reach);
        s.x = x;
        s.y = y;
      }
      const bool end = pick(0, 4) != 0, draw = pick(0, 7) != 0;
      const std::uint32_t lime = ColorToRGB(clLime);
      DirectLines& lines = t.keptLines.Now();
      DirectPen pen = lines.Begin();
      // In two parts, as a plotting run takes its chunks.
      const std::size_t half = run.size() / 2;
      lines.Take(pen, std::span(run).first(half), end ? &lime : nullptr, draw);
      lines.Take(pen, std::span(run).subspan(half), end ? &lime : nullptr, draw);
      lines.End(pen);
      for (const DirectStep& s : run) {
        if (s.move) {
          t.fresh.MoveTo(s.x, s.y);
        } else if (draw && end) {
          t.fresh.LineToAndSetEnd(s.x, s.y, clLime);
        } else if (draw) {
          t.fresh.LineTo(s.x, s.y);
        }
      }
      if (!draw) {
        // Lines left out leave the pen at the last move.
        x = t.fresh.PenPos().X;
        y = t.fresh.PenPos().Y;
      }
    }
    ASSERT_EQ(t.kept.Canvas().PenPos(), t.fresh.PenPos());
    ASSERT_TRUE(t.Same());
  }
}

// The dash pattern continues across direct steps: a dotted line drawn after
// some one-pixel steps (single or in a run) starts at the same phase as
// after the canvas's own steps.
TEST(KeptLineState, DottedLineAfterDirectStepsKeepsThePhase) {
  struct Case {
    int steps;
    bool inRun;
  };
  const Case cases[] = {{1, false}, {2, false}, {5, false}, {1, true}, {2, true}, {4, true}, {5, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.steps << " steps" << (c.inRun ? " in a run" : " one by one"));
    Twin t;
    t.Resize(40, 3);
    t.kept.Pixels().Fill(clWhite);
    t.freshSurface.Fill(clWhite);
    t.Both([](TCanvas& cv) { cv.MoveTo(0, 0); });
    std::vector<DirectStep> run;
    for (int i = 1; i <= c.steps; ++i) run.push_back({i, 0, false});
    DirectLines& lines = t.keptLines.Now();
    if (c.inRun) {
      DirectPen pen = lines.Begin();
      lines.Take(pen, run, nullptr, true);
      lines.End(pen);
    } else {
      for (const DirectStep& s : run) lines.LineTo(s.x, s.y, nullptr);
    }
    for (const DirectStep& s : run) t.fresh.LineTo(s.x, s.y);
    t.Both([](TCanvas& cv) {
      cv.Pen().SetStyle(psDot);
      cv.LineTo(39, 0);
    });
    for (int x = 0; x < 40; ++x) ASSERT_EQ(t.kept.Pixels().Get(x, 0), t.freshSurface.Get(x, 0)) << "x " << x;
  }
}

// Direct lines on a control's canvas follow its control and form: moving,
// resizing and re-parenting the control and resizing the form between two
// lines puts the second line where the control is now, and never outside
// the form.
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
    KeptLines lines(canvas);
    canvas.Pen().SetColor(clRed);
    canvas.MoveTo(1, 1);
    const std::uint32_t red = ColorToRGB(clRed), blue = ColorToRGB(clBlue);
    lines.Now().LineTo(2, 2, &red);
    k.apply(a, b, control);
    a.ClientSurface().Fill(0xFFFFFF);
    b.ClientSurface().Fill(0xFFFFFF);
    lines.Now().LineTo(2, 1, &blue);

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
