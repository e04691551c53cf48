// The viewer's graph headless: a drag zooms to the dragged range, the wheel
// about the cursor, undo and right click go back, the read-out, the numbers
// keeping apart at every window size, printing the view.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "pelkview/AxisSetup.h"
#include "pelkview/GraphView.h"
#include "pelkview/Keys.h"
#include "platform/Printer.h"
#include "tests/DocumentReadBack.h"
#include "tests/GraphFixture.h"
#include "tests/TempDirTest.h"

// fontconfig keeps its configuration until the process ends.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace pelk::view {
namespace {

std::vector<std::uint32_t> PixelsOf(const Surface& s) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < s.Height(); ++y) pixels.insert(pixels.end(), s.Row(y), s.Row(y) + s.Width());
  return pixels;
}

struct Span {
  double from, to;
};

// A sine over the X range and a ramp over the second Y range.
PlotData WaveData(Span x, Span y, std::optional<Span> y2) {
  PlotData data;
  data.series.resize(y2 ? 2 : 1);
  constexpr int kPoints = 500;
  for (int i = 0; i <= kPoints; ++i) {
    const double t = static_cast<double>(i) / kPoints;
    data.x.push_back(static_cast<float>(x.from + (x.to - x.from) * t));
    const double wave = 0.5 + 0.5 * std::sin(4 * std::numbers::pi * t);
    data.series[0].y.push_back(static_cast<float>(y.from + (y.to - y.from) * wave));
    if (y2) data.series[1].y.push_back(static_cast<float>(y2->from + (y2->to - y2->from) * t));
  }
  if (y2) data.series[1].secondY = true;
  return data;
}

// A view of the data at a window size, its axes fitted as the programs fit
// them before the viewer takes over.
struct ViewCase {
  Span x, y;
  std::optional<Span> y2;
};

void ShowData(GraphView& view, const ViewCase& c, int width, int height) {
  TPelkgraph& graph = view.Graph();
  graph.SetAxis(graph.XAxis(), 5, static_cast<float>(c.x.from), static_cast<float>(c.x.to), true);
  graph.SetAxis(graph.YAxis(), 5, static_cast<float>(c.y.from), static_cast<float>(c.y.to), true);
  if (c.y2) {
    graph.SetSecondYaxis(true);
    graph.SetAxis(graph.YAxis2(), 5, static_cast<float>(c.y2->from), static_cast<float>(c.y2->to), true);
  }
  view.SetData(WaveData(c.x, c.y, c.y2));
  view.Resize(width, height);
}

Span Shown(const TAxis& axis) {
  const AxisRange range = ShownRange(axis);
  return {range.from, range.to};
}

// The value of one pixel's step along an axis.
double PerPixel(const TAxis& axis, const TAxis& divisionsOf) {
  return std::fabs(axis.ScalePerDivision()) / divisionsOf.DivisionWidth();
}

// Control pixels of values on the linear X and Y axes.
int ColumnOf(const TPelkgraph& g, double x) {
  const TAxis& a = g.XAxis();
  return g.Xorigin() + static_cast<int>(std::lround((x - a.OriginValue()) / a.ScalePerDivision() * a.DivisionWidth()));
}
int RowOf(const TPelkgraph& g, double y) {
  const TAxis& a = g.YAxis();
  return g.Yorigin() - static_cast<int>(std::lround((y - a.OriginValue()) / a.ScalePerDivision() * a.DivisionWidth()));
}

void Drag(GraphView& view, int x0, int y0, int x1, int y1) {
  TForm& form = view.Form();
  form.MouseDown(mbLeft, TShiftState{ssLeft}, x0, y0);
  form.MouseMove(TShiftState{ssLeft}, (x0 + x1) / 2, (y0 + y1) / 2);
  form.MouseMove(TShiftState{ssLeft}, x1, y1);
  form.MouseUp(mbLeft, TShiftState{}, x1, y1);
}

void RightClick(GraphView& view, int x, int y) {
  view.Form().MouseDown(mbRight, TShiftState{ssRight}, x, y);
  view.Form().MouseUp(mbRight, TShiftState{}, x, y);
}

// Every setting of the axes that decides what they show.
std::string AxesOf(const TPelkgraph& g) {
  std::ostringstream text;
  for (const TAxis* a : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) {
    text.precision(17);
    text << a->OriginValue() << " " << a->ScalePerDivision() << " " << a->NumberOfDivisions() << " "
         << a->NumberOfDecimals() << " " << a->MinExponent() << "; ";
  }
  return text.str();
}

TEST(ViewGraph, ADragShowsTheDraggedRangeItselfWithNumbersThatReadApart) {
  struct Case {
    ViewCase view;
    Span x, y;  // the values dragged over
  };
  const Case cases[] = {
      {{{0, 1}, {0, 1}, std::nullopt}, {0.2, 0.8}, {0.0, 0.67}},
      {{{0, 1}, {0, 1}, std::nullopt}, {0.41, 0.43}, {0.5, 0.52}},
      {{{1e-6, 2e-4}, {1000, 1023}, Span{-5, 5}}, {2e-5, 9e-5}, {1003, 1011}},
      {{{-300, 300}, {-1e6, 1e6}, std::nullopt}, {-250, 10}, {-900000, -100000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x.from) + " .. " + std::to_string(c.x.to));
    std::ostringstream notes;
    GraphView view(notes);
    ShowData(view, c.view, 640, 480);
    TPelkgraph& g = view.Graph();
    const double xPixel = PerPixel(g.XAxis(), g.XAxis()), yPixel = PerPixel(g.YAxis(), g.YAxis());
    Drag(view, ColumnOf(g, c.x.from), RowOf(g, c.y.to), ColumnOf(g, c.x.to), RowOf(g, c.y.from));
    const TZoomBox& box = g.ZoomBox();
    ASSERT_TRUE(box.ValidZoom());
    EXPECT_EQ(view.ZoomSteps(), 1u);
    EXPECT_EQ(notes.str(), "");
    // The axes run from edge to edge of the box, to rounding in single precision.
    const Span x = Shown(g.XAxis()), y = Shown(g.YAxis());
    EXPECT_NEAR(x.from, box.XScaledLeft(), std::fabs(x.to - x.from) * 1e-6);
    EXPECT_NEAR(x.to, box.XScaledRight(), std::fabs(x.to - x.from) * 1e-6);
    EXPECT_NEAR(y.from, box.YScaledBottom(), std::fabs(y.to - y.from) * 1e-6);
    EXPECT_NEAR(y.to, box.YScaledTop(), std::fabs(y.to - y.from) * 1e-6);
    // ... which is the dragged range to a pixel of the full view.
    EXPECT_NEAR(x.from, c.x.from, xPixel);
    EXPECT_NEAR(x.to, c.x.to, xPixel);
    EXPECT_NEAR(y.from, c.y.from, yPixel);
    EXPECT_NEAR(y.to, c.y.to, yPixel);
    if (c.view.y2) {
      const Span y2 = Shown(g.YAxis2());
      EXPECT_NEAR(y2.from, box.SecondYScaledBottom(), std::fabs(y2.to - y2.from) * 1e-6);
      EXPECT_NEAR(y2.to, box.SecondYScaledTop(), std::fabs(y2.to - y2.from) * 1e-6);
      EXPECT_EQ(g.YAxis2().NumberOfDivisions(), g.YAxis().NumberOfDivisions());
    }
    for (const TAxis* axis : {&g.XAxis(), &g.YAxis()}) {
      const LinearScale scale{axis->OriginValue(), axis->ScalePerDivision(), axis->NumberOfDivisions(),
                              axis->NumberOfDecimals()};
      const std::vector<std::string> texts = NumberTexts(scale, axis->NumberOfFixed());
      for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_NE(texts[i - 1], texts[i]);
    }
  }
}

TEST(ViewGraph, TheWheelZoomsAboutTheValueUnderTheCursor) {
  struct Case {
    double fx, fy;  // the cursor's place across the plot area, 0 to 1
    int clicks;
    double factor;  // of each axis's span
  };
  const Case cases[] = {
      {0.5, 0.5, 1, 0.8}, {0.25, 0.75, 2, 0.64}, {0.9, 0.1, -1, 1.25}, {0.5, 0.5, -3, 1.953125},
      {-0.5, 1.5, 1, 0.8},  // outside the plot area: about its nearest corner
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.fx) + ", " + std::to_string(c.fy) + " clicks " + std::to_string(c.clicks));
    std::ostringstream notes;
    GraphView view(notes);
    ShowData(view, {{0, 1}, {-2, 2}, Span{10, 20}}, 640, 480);
    TPelkgraph& g = view.Graph();
    const int px = g.Xorigin() + static_cast<int>(std::lround(c.fx * (g.Xend() - g.Xorigin())));
    const int py = g.Yorigin() - static_cast<int>(std::lround(c.fy * (g.Yorigin() - g.Yend())));
    const int cx = std::clamp(px, g.Xorigin(), g.Xend()), cy = std::clamp(py, g.Yend(), g.Yorigin());
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int ox = 0, oy = 0;
    g.GetValues(cx, cy, x0, y0, ox, oy);
    const Span xBefore = Shown(g.XAxis()), yBefore = Shown(g.YAxis()), y2Before = Shown(g.YAxis2());

    view.Wheel(px, py, c.clicks);
    EXPECT_EQ(view.ZoomSteps(), 1u);
    const Span xAfter = Shown(g.XAxis()), yAfter = Shown(g.YAxis()), y2After = Shown(g.YAxis2());
    EXPECT_NEAR(xAfter.to - xAfter.from, (xBefore.to - xBefore.from) * c.factor, 1e-5);
    EXPECT_NEAR(yAfter.to - yAfter.from, (yBefore.to - yBefore.from) * c.factor, 1e-5);
    EXPECT_NEAR(y2After.to - y2After.from, (y2Before.to - y2Before.from) * c.factor, 1e-4);
    // The values stay under the cursor, to the pixel or two the plot area
    // may move by when its numbers change.
    g.GetValues(std::clamp(cx, g.Xorigin(), g.Xend()), std::clamp(cy, g.Yend(), g.Yorigin()), x1, y1, ox, oy);
    EXPECT_NEAR(x1, x0, PerPixel(g.XAxis(), g.XAxis()) * 2.5);
    EXPECT_NEAR(y1, y0, PerPixel(g.YAxis(), g.YAxis()) * 2.5);
  }
}

TEST(ViewGraph, UndoGoesBackOneStepAndARightClickToTheFullRange) {
  std::ostringstream notes;
  GraphView view(notes);
  ShowData(view, {{0, 1}, {0, 1}, Span{5, 6}}, 640, 480);
  TPelkgraph& g = view.Graph();
  const std::string full = AxesOf(g);
  const int cx = (g.Xorigin() + g.Xend()) / 2, cy = (g.Yorigin() + g.Yend()) / 2;

  Drag(view, g.Xorigin() + 50, g.Yend() + 40, cx, cy);
  const std::string zoomed = AxesOf(g);
  EXPECT_NE(zoomed, full);
  view.Wheel(cx, cy, 2);
  const std::string wheeled = AxesOf(g);
  EXPECT_NE(wheeled, zoomed);
  EXPECT_EQ(view.ZoomSteps(), 2u);

  // Back step by step, exactly; nothing before the full range.
  EXPECT_TRUE(view.Undo());
  EXPECT_EQ(AxesOf(g), zoomed);
  EXPECT_TRUE(view.Undo());
  EXPECT_EQ(AxesOf(g), full);
  EXPECT_FALSE(view.Undo());
  EXPECT_EQ(AxesOf(g), full);

  // A click without a drag is no step; a right click clears every step.
  view.Form().MouseDown(mbLeft, TShiftState{ssLeft}, cx, cy);
  view.Form().MouseUp(mbLeft, TShiftState{}, cx, cy);
  EXPECT_EQ(view.ZoomSteps(), 0u);
  Drag(view, g.Xorigin() + 10, g.Yend() + 10, cx, cy);
  Drag(view, g.Xorigin() + 10, g.Yend() + 10, cx, cy);
  EXPECT_EQ(view.ZoomSteps(), 2u);
  RightClick(view, cx, cy);
  EXPECT_EQ(view.ZoomSteps(), 0u);
  EXPECT_EQ(AxesOf(g), full);

  // The same view at another size is the same step.
  Drag(view, g.Xorigin() + 10, g.Yend() + 10, cx, cy);
  const GraphRanges asked = view.Ranges();
  view.Resize(300, 200);
  EXPECT_EQ(view.Ranges(), asked);
  EXPECT_EQ(view.ZoomSteps(), 1u);
}

TEST(ViewGraph, AZoomBeyondSinglePrecisionIsRefusedWithANote) {
  struct Case {
    Span x;
    int clicks;  // wheel steps at once; 0: a drag of a few pixels
  };
  const Case cases[] = {{{1000, 1001}, 0}, {{0, 1}, 400}, {{0, 1}, -400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks);
    std::ostringstream notes;
    GraphView view(notes);
    ShowData(view, {c.x, {0, 1}, std::nullopt}, 640, 480);
    TPelkgraph& g = view.Graph();
    const int cx = (g.Xorigin() + g.Xend()) / 2, cy = (g.Yorigin() + g.Yend()) / 2;
    if (c.clicks == 0) {
      Drag(view, cx, g.Yend() + 5, cx + 4, g.Yorigin() - 5);
    } else {
      view.Wheel(cx, cy, c.clicks);
    }
    EXPECT_EQ(view.ZoomSteps(), 0u);
    EXPECT_NE(notes.str().find("single precision"), std::string::npos);
    const Span x = Shown(g.XAxis());
    EXPECT_TRUE(std::isfinite(x.from) && std::isfinite(x.to) && x.from != x.to);
  }
}

TEST(ViewGraph, TheReadOutGivesTheValuesUnderTheCursorOnEveryAxis) {
  std::ostringstream notes;
  GraphView view(notes);
  ShowData(view, {{0, 1}, {-50, 50}, Span{1000, 2000}}, 640, 480);
  TPelkgraph& g = view.Graph();
  struct Case {
    int x, y;
    bool inside;
  };
  const Case cases[] = {
      {g.Xorigin(), g.Yorigin(), true},
      {g.Xend(), g.Yend(), true},
      {(g.Xorigin() + g.Xend()) / 3, (g.Yorigin() + g.Yend()) / 2, true},
      {g.Xorigin() - 1, g.Yorigin(), false},
      {g.Xend(), g.Yend() - 1, false},
  };
  g.SetUseSecondYAxis(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    const std::optional<std::string> text = view.ReadoutAt(c.x, c.y);
    ASSERT_EQ(text.has_value(), c.inside);
    EXPECT_TRUE(g.UseSecondYAxis());
    if (!text) continue;
    double x = 0, y = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(text->c_str(), "x %lf y %lf y2 %lf", &x, &y, &y2), 3) << *text;
    // Each value as the axes map the pixel, to a pixel's step.
    const TAxis& ax = g.XAxis();
    const TAxis& ay = g.YAxis();
    const TAxis& ay2 = g.YAxis2();
    const double d = static_cast<double>(g.Yorigin() - c.y) / ay.DivisionWidth();
    EXPECT_NEAR(x, ax.OriginValue() + (c.x - g.Xorigin()) * ax.ScalePerDivision() / ax.DivisionWidth(),
                PerPixel(ax, ax));
    EXPECT_NEAR(y, ay.OriginValue() + d * ay.ScalePerDivision(), PerPixel(ay, ay));
    EXPECT_NEAR(y2, ay2.OriginValue() + d * ay2.ScalePerDivision(), PerPixel(ay2, ay));
  }
}

// Whether some `least` neighbouring lines (columns when `columns`, else
// rows) between first and last, both excluded, hold no pixel tinted by the
// colour within the band [bandFrom, bandTo) across them.
bool BlankLinesBetween(const Surface& s, bool columns, int first, int last, int bandFrom, int bandTo,
                       std::uint32_t colour, int least) {
  int run = 0;
  for (int line = std::min(first, last) + 1; line < std::max(first, last); ++line) {
    bool ink = false;
    for (int across = std::max(bandFrom, 0); across < std::min(bandTo, columns ? s.Height() : s.Width()); ++across) {
      ink = ink || TintedBy(columns ? s.Get(line, across) : s.Get(across, line), colour);
    }
    run = ink ? 0 : run + 1;
    if (run >= least) return true;
  }
  return false;
}

TEST(ViewGraph, TheNumbersOfAnAxisKeepApartAtEveryWindowSize) {
  struct Size {
    int width, height, dpi;
  };
  const Size sizes[] = {{200, 150, 0}, {320, 240, 0}, {800, 600, 0}, {1600, 1200, 0}, {3000, 2000, 0},
                        {640, 480, 144}};
  const ViewCase data[] = {
      {{0, 1}, {0, 1}, std::nullopt},
      {{1e-6, 2e-4}, {-1234567, 7654321}, Span{0, 50}},
      {{1000, 1001}, {-0.5, 0.25}, Span{-300, 12000}},
  };
  constexpr int kLeastGap = 2;
  for (const Size& size : sizes) {
    for (const ViewCase& c : data) {
      for (bool zoomed : {false, true}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) + " dpi " +
                     std::to_string(size.dpi) + " from " + std::to_string(c.x.from) + (zoomed ? " zoomed" : ""));
        std::ostringstream notes;
        GraphView view(notes, size.dpi);
        TPelkgraph& g = view.Graph();
        // The numbers of each axis in a colour of their own, and no labels.
        g.XAxis().Font().SetColor(clRed);
        g.YAxis().Font().SetColor(clLime);
        g.YAxis2().Font().SetColor(clBlue);
        for (TAxis* axis : {&g.XAxis(), &g.YAxis(), &g.YAxis2()}) axis->SetAxisLabel("");
        ShowData(view, c, size.width, size.height);
        if (zoomed) {
          const int w = g.Xend() - g.Xorigin(), h = g.Yorigin() - g.Yend();
          Drag(view, g.Xorigin() + w / 3, g.Yend() + h / 5, g.Xorigin() + w / 2, g.Yend() + h / 2);
          ASSERT_EQ(view.ZoomSteps(), 1u);
        }
        const Surface& s = view.Form().ClientSurface();
        const int nx = g.XAxis().NumberOfDivisions(), ny = g.YAxis().NumberOfDivisions();
        const int dx = g.XAxis().DivisionWidth(), dy = g.YAxis().DivisionWidth();
        EXPECT_EQ(g.Xorigin() + nx * dx, g.Xend());
        EXPECT_EQ(g.Yorigin() - ny * dy, g.Yend());
        if (size.width >= 800) {
          EXPECT_GE(nx, 5);
          EXPECT_GE(ny, 5);
        }
        for (int i = 0; i < nx; ++i) {
          EXPECT_TRUE(BlankLinesBetween(s, true, g.Xorigin() + i * dx, g.Xorigin() + (i + 1) * dx, g.Yorigin() + 1,
                                        g.Height(), clRed, kLeastGap))
              << "X numbers " << i << " and " << i + 1 << " of " << nx;
        }
        for (int i = 0; i < ny; ++i) {
          const int low = g.Yorigin() - i * dy, high = g.Yorigin() - (i + 1) * dy;
          EXPECT_TRUE(BlankLinesBetween(s, false, low, high, 0, g.Xorigin(), clLime, kLeastGap))
              << "Y numbers " << i << " and " << i + 1 << " of " << ny;
          if (c.y2) {
            EXPECT_TRUE(BlankLinesBetween(s, false, low, high, g.Xend() + 1, g.Width(), clBlue, kLeastGap))
                << "second Y numbers " << i << " and " << i + 1 << " of " << ny;
          }
        }
      }
    }
  }
}

TEST(ViewGraph, ALogarithmicAxisZoomsToTheWholeDecadesCoveringTheRange) {
  std::ostringstream notes;
  GraphView view(notes);
  TPelkgraph& g = view.Graph();
  g.XAxis().SetLog(true);
  ShowData(view, {{1, 10000}, {0, 1}, std::nullopt}, 640, 480);
  ASSERT_EQ(g.XAxis().NumberOfDivisions(), 4);
  const int decade = g.XAxis().DivisionWidth();
  // Over the second decade, 10 to 100, and a little of the third.
  Drag(view, g.Xorigin() + decade + 5, g.Yend() + 10, g.Xorigin() + 2 * decade + 10, g.Yorigin() - 10);
  EXPECT_EQ(g.XAxis().MinExponent(), 1);
  EXPECT_EQ(g.XAxis().NumberOfDivisions(), 2);
  // Wheel steps out widen the decades shown, steps in narrow them again.
  const int cx = (g.Xorigin() + g.Xend()) / 2, cy = (g.Yorigin() + g.Yend()) / 2;
  view.Wheel(cx, cy, -4);
  const int out = g.XAxis().NumberOfDivisions();
  EXPECT_GT(out, 2);
  view.Wheel(cx, cy, 6);
  EXPECT_LT(g.XAxis().NumberOfDivisions(), out);
  EXPECT_EQ(view.ZoomSteps(), 3u);
}

TEST(ViewGraph, TheKeysShowInABoxOverTheGraphUntilTheNextRedraw) {
  std::ostringstream notes;
  GraphView view(notes);
  ShowData(view, {{0, 1}, {0, 1}, std::nullopt}, 640, 480);
  TPelkgraph& g = view.Graph();
  const std::vector<std::uint32_t> before = PixelsOf(view.Form().ClientSurface());
  view.ShowRows(HelpRows());
  const Surface& shown = view.Form().ClientSurface();
  // A box of black text inside the plot area, at its top left corner.
  int changedOutside = 0, black = 0, left = shown.Width(), top = shown.Height();
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      if (shown.Get(x, y) == before[static_cast<std::size_t>(y) * shown.Width() + x]) continue;
      const bool inside = x > g.Xorigin() && x < g.Xend() && y > g.Yend() && y < g.Yorigin();
      if (!inside) ++changedOutside;
      if (shown.Get(x, y) == 0x000000) ++black;
      left = std::min(left, x);
      top = std::min(top, y);
    }
  }
  EXPECT_EQ(changedOutside, 0);
  EXPECT_GT(black, 100);
  EXPECT_LT(left - g.Xorigin(), 40);
  EXPECT_LT(top - g.Yend(), 40);
  view.Redraw();
  EXPECT_EQ(PixelsOf(view.Form().ClientSurface()), before);
}

class ViewPrinting : public TempDirTest {};

TEST_F(ViewPrinting, TheViewIsPrintedWithItsDataAndAFailedPrintLeavesNothing) {
  std::ostringstream notes;
  GraphView view(notes);
  ShowData(view, {{0, 1}, {0, 1}, std::nullopt}, 640, 480);
  TPelkgraph& g = view.Graph();
  Drag(view, g.Xorigin() + 100, g.Yend() + 50, g.Xend() - 100, g.Yorigin() - 50);
  const TAxis& x = g.XAxis();
  const std::string firstNumber = NumberTexts(
      {x.OriginValue(), x.ScalePerDivision(), x.NumberOfDivisions(), x.NumberOfDecimals()}, x.NumberOfFixed())[0];

  const std::string path = PathOf("view.pdf");
  view.Print(path);
  EXPECT_EQ(ReadText(path).substr(0, 5), "%PDF-");
  const CommandResult text = RunCommand("pdftotext '" + path + "' -");
  ASSERT_EQ(text.status, 0) << text.output;
  EXPECT_NE(text.output.find(firstNumber), std::string::npos) << text.output;
  EXPECT_EQ(g.PlotDestination(), TPlotDestination::ScreenOnly);
  // The data reached the page: blue ink inside the printed plot area.
  const Surface& page = Printer().Page(Printer().PageCount() - 1);
  const InkBox data = FindInk(page, clBlue, {g.PrinterXorigin(), g.PrinterYend(), g.PrinterXend(), g.PrinterYorigin()});
  EXPECT_FALSE(data.Empty());

  const std::string nowhere = PathOf("missing/view.pdf");
  EXPECT_THROW(view.Print(nowhere), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_FALSE(Printer().Printing());
  EXPECT_EQ(g.PlotDestination(), TPlotDestination::ScreenOnly);
}

}  // namespace
}  // namespace pelk::view
