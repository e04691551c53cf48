// The plotting calls against a slow reference written here from the rule:
// each call maps in extended precision, rounds, selects the clip regions and
// draws on the canvases themselves. Three graphs take the same random walks
// and the same changes of pens, clips, axes, surfaces and control places:
// one through the single calls, one through the batch calls, one through the
// reference. After every step all three show the same pixels on the image
// and on the form, the same positions, SkippedPoints and flags, and their
// forms agree on whether there is something new to present.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "tests/PelkgraphInternals.h"

namespace pelk {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// The rule of the value-to-pixel mapping: extended precision, in the order
// written, stored in single precision.
float RulePixel(const TAxis& scale, int divisionWidth, int origin, bool horizontal, float v) {
  const long double value = v;
  const long double offset =
      scale.LogAxis() ? (std::log(value) / std::log(10.0) - scale.MinExponent()) * divisionWidth
                      : (value - scale.OriginValue()) * divisionWidth / scale.ScalePerDivision();
  return static_cast<float>(horizontal ? origin + offset : origin - offset);
}

// Nearest, halves to even; nothing outside 32 bits.
std::optional<int> RoundRule(float pixel) {
  if (!(pixel >= -2147483648.0f && pixel < 2147483648.0f)) return std::nullopt;
  return static_cast<int>(std::nearbyint(pixel));
}

bool Fits(long long v) { return v >= INT_MIN && v <= INT_MAX; }

// The drawing calls done plainly, one call at a time, on a graph that only
// lends its settings, layout, regions and canvases.
class Reference {
 public:
  explicit Reference(TPelkgraph& g) : g_(g) {}

  void Rendered() {
    skipped = 0;
    broken_ = false;
    redrawFrame = true;
  }
  void MoveTo(int X, int Y) { Pen(Pixel(X, Y), false); }
  void LineTo(int X, int Y) {
    SelectClips();
    Pen(Pixel(X, Y), true);
    redrawFrame = false;
  }
  void MoveScaledTo(float X, float Y) { Pen(Scaled(X, Y), false); }
  void LineScaledTo(float X, float Y) {
    SelectClips();
    Pen(Scaled(X, Y), true);
    redrawFrame = false;
  }

  int xCanvas = 0, yCanvas = 0, xGraph = 0, yGraph = 0;
  long long skipped = 0;
  bool redrawFrame = true;

 private:
  struct Place {
    int xCanvas, yCanvas, xGraph, yGraph;
  };

  std::optional<Place> Pixel(int X, int Y) const {
    const long long x = 0LL + g_.Xorigin() + X, y = 0LL + g_.Yorigin() - Y;
    if (!Fits(x) || !Fits(y)) return std::nullopt;
    return Place{int(x), int(y), X, Y};
  }
  std::optional<Place> Scaled(float X, float Y) const {
    const TAxis& yScale = g_.SecondYaxis() && g_.UseSecondYAxis() ? g_.YAxis2() : g_.YAxis();
    const auto x = RoundRule(RulePixel(g_.XAxis(), g_.XAxis().DivisionWidth(), g_.Xorigin(), true, X));
    const auto y = RoundRule(RulePixel(yScale, g_.YAxis().DivisionWidth(), g_.Yorigin(), false, Y));
    if (!x || !y) return std::nullopt;
    const long long xg = 0LL + *x - g_.Xorigin(), yg = 0LL + g_.Yorigin() - *y;
    if (!Fits(xg) || !Fits(yg)) return std::nullopt;
    return Place{*x, *y, int(xg), int(yg)};
  }
  void SelectClips() {
    if (!g_.ClipData()) return;
    const auto fields = TPelkgraphInternals::Fields(g_);
    SelectClipRgn(Image().Handle(), fields.bitmapClipRgn);
    SelectClipRgn(g_.Canvas().Handle(), fields.canvasClipRgn);
  }
  void Pen(const std::optional<Place>& place, bool line) {
    if (!place) {
      ++skipped;
      broken_ = true;
      return;
    }
    if (broken_) line = false;
    broken_ = false;
    xCanvas = place->xCanvas;
    yCanvas = place->yCanvas;
    xGraph = place->xGraph;
    yGraph = place->yGraph;
    if (!g_.ScreenEnabled()) return;
    if (!line) {
      Image().MoveTo(xCanvas, yCanvas);
      g_.Canvas().MoveTo(xCanvas, yCanvas);
      return;
    }
    Draw(Image());
    if (g_.Visible()) Draw(g_.Canvas());
  }
  void Draw(TCanvas& canvas) const {
    canvas.LineTo(xCanvas, yCanvas);
    if (g_.LineMode() == TLineMode::Graph) canvas.SetPixel(xCanvas, yCanvas, g_.PenColor());
  }
  TCanvas& Image() const { return TPelkgraphInternals::Bitmap(g_).Canvas(); }

  TPelkgraph& g_;
  bool broken_ = false;
};

// A graph on its own form.
struct Placed {
  TForm form;
  TPelkgraph g{&form};
};

class PlottingDifferential : public ::testing::Test {
 protected:
  PlottingDifferential() {
    for (Placed* p : {&single, &batch, &slow}) {
      p->form.SetClientSize(340, 300);
      TPelkgraph& g = p->g;
      g.SetAutoSize(false);
      g.SetBounds(10, 5, 300, 260);
      g.SetMinorGrid(false);
      for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) MakeStandardLinearAxis(*axis);
      g.YAxis().SetNdivs(2);
      // The second Y axis maps the same values elsewhere.
      g.YAxis2().SetOrgVal(-4.0);
      g.YAxis2().SetScale(7.5);
      g.SetPlotColor(clRed);
    }
    Each([](TPelkgraph& g) { g.Refresh(); });
  }

  // The same change on the three graphs; a render also restarts the reference.
  void Each(const std::function<void(TPelkgraph&)>& change) {
    for (Placed* p : {&single, &batch, &slow}) change(p->g);
  }
  void Refresh() {
    Each([](TPelkgraph& g) { g.Refresh(); });
    reference.Rendered();
  }

  static bool SameSurface(const Surface& a, const Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y))) return false;
    return true;
  }
  // Both library graphs against the reference, after the step described.
  void ExpectSame(const std::string& step) {
    TPelkgraph& r = slow.g;
    // Whether the form has something new to present.
    const bool presented = slow.form.TakeSurfaceChanged();
    for (Placed* p : {&single, &batch}) {
      TPelkgraph& g = p->g;
      const std::string who = (p == &single ? "single calls, " : "batch calls, ") + step;
      ASSERT_TRUE(SameSurface(TPelkgraphInternals::Bitmap(g).Pixels(), TPelkgraphInternals::Bitmap(r).Pixels()))
          << "image differs: " << who;
      ASSERT_TRUE(SameSurface(p->form.ClientSurface(), slow.form.ClientSurface())) << "form differs: " << who;
      ASSERT_EQ(g.XCanvas(), reference.xCanvas) << who;
      ASSERT_EQ(g.YCanvas(), reference.yCanvas) << who;
      ASSERT_EQ(g.XGraph(), reference.xGraph) << who;
      ASSERT_EQ(g.YGraph(), reference.yGraph) << who;
      ASSERT_EQ(g.SkippedPoints(), reference.skipped) << who;
      ASSERT_EQ(TPelkgraphInternals::RedrawFrame(g), reference.redrawFrame) << who;
      ASSERT_EQ(TPelkgraphInternals::Bitmap(g).Canvas().PenPos(), TPelkgraphInternals::Bitmap(r).Canvas().PenPos())
          << "image pen: " << who;
      ASSERT_EQ(g.Canvas().PenPos(), r.Canvas().PenPos()) << "control pen: " << who;
      ASSERT_EQ(p->form.TakeSurfaceChanged(), presented) << "surface changed: " << who;
    }
  }

  Placed single, batch, slow;
  Reference reference{slow.g};
};

// A run of points of a random walk: mostly steps of a pixel or none in
// value space, some longer jumps and points outside the plot area, and now
// and then a value that cannot be mapped.
struct Walker {
  std::mt19937 rng{20240611};
  float x = 10, y = 10;

  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }
  std::pair<float, float> Next() {
    const int kind = Pick(0, 199);
    if (kind == 0) return {kNaN, y};
    if (kind == 1) return {x, Pick(0, 1) ? kInf : -kInf};
    if (kind == 2) return {x, -1.0f};  // not positive: unmappable on a logarithmic axis
    if (kind == 3) return {1e30f, y};  // beyond 32 bits
    if (kind < 14) {
      x = Uniform(-15, 45);
      y = Uniform(-15, 45);
    } else {
      // One pixel is 10 / 64 of a value.
      x += Uniform(-0.2f, 0.2f);
      y += Uniform(-0.2f, 0.2f);
    }
    return {x, y};
  }
};

TEST_F(PlottingDifferential, SingleAndBatchCallsMatchTheReferenceThroughEveryChange) {
  Walker walk;
  HRGN hostClip = CreateRectRgn(60, 40, 200, 180);
  for (int step = 0; step < 2500; ++step) {
    const int what = walk.Pick(0, 99);
    std::string did;
    if (what < 50) {
      // A run of scaled lines: one by one, in one batch call, and by the reference.
      const auto n = static_cast<std::size_t>(walk.Pick(0, 9) == 0 ? walk.Pick(0, 700) : walk.Pick(1, 12));
      std::vector<float> xs, ys;
      for (std::size_t i = 0; i < n; ++i) {
        const auto [x, y] = walk.Next();
        xs.push_back(x);
        ys.push_back(y);
      }
      // A longer xs is read only as far as ys reaches.
      if (walk.Pick(0, 9) == 0) xs.push_back(walk.Next().first);
      for (std::size_t i = 0; i < n; ++i) {
        single.g.LineScaledTo(xs[i], ys[i]);
        reference.LineScaledTo(xs[i], ys[i]);
      }
      batch.g.LineScaledTo(std::span<const float>(xs), std::span<const float>(ys));
      did = "LineScaledTo run of " + std::to_string(n);
    } else if (what < 58) {
      // A run of pixel lines.
      const auto n = static_cast<std::size_t>(walk.Pick(0, 300));
      std::vector<TPoint> points;
      TPoint at{walk.Pick(-20, 210), walk.Pick(-20, 180)};
      for (std::size_t i = 0; i < n; ++i) {
        at.X += walk.Pick(0, 29) ? walk.Pick(-1, 1) : walk.Pick(-40, 40);
        at.Y += walk.Pick(0, 29) ? walk.Pick(-1, 1) : walk.Pick(-40, 40);
        points.push_back(walk.Pick(0, 99) ? at : TPoint{INT_MAX, at.Y});  // an offset that overflows
      }
      for (const TPoint& p : points) {
        single.g.LineTo(p.X, p.Y);
        reference.LineTo(p.X, p.Y);
      }
      batch.g.LineTo(std::span<const TPoint>(points));
      did = "LineTo run of " + std::to_string(n);
    } else if (what < 63) {
      const std::pair<float, float> to = walk.Next();
      const float x = to.first, y = to.second;
      Each([&](TPelkgraph& g) { g.MoveScaledTo(x, y); });
      reference.MoveScaledTo(x, y);
      did = "MoveScaledTo";
    } else if (what < 65) {
      const int x = walk.Pick(-20, 210), y = walk.Pick(-20, 180);
      Each([&](TPelkgraph& g) { g.MoveTo(x, y); });
      reference.MoveTo(x, y);
      did = "MoveTo";
    } else if (what < 70) {
      const TColor colors[] = {clRed, clBlue, clBlack, clBtnShadow};
      const TColor c = colors[walk.Pick(0, 3)];
      Each([&](TPelkgraph& g) { g.SetPlotColor(c); });
      did = "pen colour";
    } else if (what < 72) {
      const TPenMode m = walk.Pick(0, 2) ? pmCopy : pmXor;
      Each([&](TPelkgraph& g) { g.SetPenMode(m); });
      did = "pen mode";
    } else if (what < 74) {
      const int w = walk.Pick(0, 3) ? 1 : 3;
      Each([&](TPelkgraph& g) { g.SetPenWidth(w); });
      did = "pen width";
    } else if (what < 76) {
      const TPenStyle s = walk.Pick(0, 2) ? psSolid : psDot;
      Each([&](TPelkgraph& g) { g.SetPenStyle(s); });
      did = "pen style";
    } else if (what < 79) {
      const bool clip = walk.Pick(0, 3) != 0;
      Each([&](TPelkgraph& g) { g.SetClipData(clip); });
      did = "ClipData";
    } else if (what < 81) {
      // The host selects its own clip into the control's canvas or the image's.
      const bool control = walk.Pick(0, 1) != 0;
      Each([&](TPelkgraph& g) {
        SelectClipRgn(control ? g.Canvas().Handle() : TPelkgraphInternals::Bitmap(g).Canvas().Handle(), hostClip);
      });
      did = "host clip";
    } else if (what < 83) {
      const int left = walk.Pick(0, 40), top = walk.Pick(0, 30);
      Each([&](TPelkgraph& g) { g.SetBounds(left, top, g.Width(), g.Height()); });
      did = "control moved";
    } else if (what < 84) {
      const int w = walk.Pick(150, 380), h = walk.Pick(120, 320);
      for (Placed* p : {&single, &batch, &slow}) p->form.SetClientSize(w, h);
      did = "form resized";
    } else if (what < 85) {
      const int w = walk.Pick(100, 320), h = walk.Pick(100, 280);
      Each([&](TPelkgraph& g) { TPelkgraphInternals::Bitmap(g).SetSize(w, h); });
      did = "image resized";
    } else if (what < 87) {
      const bool visible = walk.Pick(0, 3) != 0;
      Each([&](TPelkgraph& g) { g.SetVisible(visible); });
      did = "Visible";
    } else if (what < 88) {
      const TLineMode mode = walk.Pick(0, 2) ? TLineMode::Graph : TLineMode::Windows;
      Each([&](TPelkgraph& g) { g.SetLineMode(mode); });
      did = "LineMode";
    } else if (what < 89) {
      const bool screen = walk.Pick(0, 4) != 0;
      Each([&](TPelkgraph& g) { g.SetScreenEnabled(screen); });
      did = "ScreenEnabled";
    } else if (what < 92) {
      const int which = walk.Pick(0, 3);
      const double value = walk.Uniform(-5, 5);
      Each([&](TPelkgraph& g) {
        if (which == 0) g.XAxis().SetOrgVal(value);
        if (which == 1) g.YAxis().SetScale(value == 0 ? 1 : value * 4);
        if (which == 2) g.YAxis2().SetOrgVal(value);
        if (which == 3) g.XAxis().SetDivWidth(static_cast<int>(std::fabs(value) * 20));
      });
      did = "axis setting";
    } else if (what < 94) {
      const bool log = walk.Pick(0, 1) != 0;
      const int exponent = walk.Pick(-2, 1);
      Each([&](TPelkgraph& g) {
        g.YAxis().SetLog(log);
        g.YAxis().SetMinExponent(exponent);
      });
      did = "log Y axis";
    } else if (what < 95) {
      const bool second = walk.Pick(0, 3) != 0;
      Each([&](TPelkgraph& g) { g.SetSecondYaxis(second); });
      did = "SecondYaxis";
    } else if (what < 96) {
      const bool use = walk.Pick(0, 1) != 0;
      Each([&](TPelkgraph& g) { g.SetUseSecondYAxis(use); });
      did = "UseSecondYAxis";
    } else if (what < 98) {
      // The host moves the canvases' pens itself.
      const int x = walk.Pick(0, 250), y = walk.Pick(0, 200);
      Each([&](TPelkgraph& g) {
        g.Canvas().MoveTo(x, y);
        TPelkgraphInternals::Bitmap(g).Canvas().MoveTo(y, x);
      });
      did = "canvas pens moved";
    } else {
      Refresh();
      did = "Refresh";
    }
    ExpectSame("step " + std::to_string(step) + ", " + did);
  }
  DeleteObject(hostClip);
}

// The batch calls with nothing to draw, and with spans of different
// lengths, against the same points one by one.
TEST_F(PlottingDifferential, BatchEdgesMatchTheCallsOneByOne) {
  struct Case {
    const char* what;
    std::vector<float> xs, ys;
  };
  const Case cases[] = {
      {"both empty", {}, {}},
      {"no y values", {1, 2, 3}, {}},
      {"no x values", {}, {1, 2}},
      {"more x values", {1, 1.1f, 1.2f, 9}, {2, 2.1f, 2.2f}},
      {"more y values", {4, 4.1f}, {3, 3.1f, 3.2f, 3.3f}},
      {"an unmappable first point", {kNaN, 5, 5.1f}, {1, 1, 1.1f}},
      {"an unmappable last point", {5, 5.1f, 5.2f}, {1, 1.1f, kInf}},
  };
  for (const Case& c : cases) {
    Refresh();
    const std::size_t n = std::min(c.xs.size(), c.ys.size());
    for (std::size_t i = 0; i < n; ++i) {
      single.g.LineScaledTo(c.xs[i], c.ys[i]);
      reference.LineScaledTo(c.xs[i], c.ys[i]);
    }
    batch.g.LineScaledTo(std::span<const float>(c.xs), std::span<const float>(c.ys));
    ExpectSame(c.what);
    // An empty run leaves the frame to be rendered again.
    if (n == 0) {
      EXPECT_TRUE(TPelkgraphInternals::RedrawFrame(batch.g)) << c.what;
    }
  }
}

}  // namespace
}  // namespace pelk
