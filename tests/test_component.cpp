// The graph object: construction values, setter rules, design-time repaints,
// fonts, pens, destinations and owned objects.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "PelkgraphInternals.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"
#include "platform/Printer.h"

using namespace pelk;

namespace {

// A graph on a headless form, designing or running, with pending paints served.
struct GraphOnForm {
  explicit GraphOnForm(bool designing) {
    form.SetDesigning(designing);
    graph = std::make_unique<TPelkgraph>(&form);
    form.ProcessMessages();
  }
  // Whether the last change asked for a repaint; serves it.
  bool Repainted() {
    const bool queued = form.IsInvalidated(*graph);
    const int paints = form.ProcessMessages();
    return queued && paints > 0;
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

}  // namespace

TEST(Component, ConstructionValues) {
  TForm form;
  TPelkgraph g(&form);
  EXPECT_EQ(g.Title(), "Graph Title");
  EXPECT_EQ(g.Subtitle(), "Graph Subtitle");
  EXPECT_EQ(g.Id(), "Graph Identification");
  EXPECT_EQ(g.Width(), 300);
  EXPECT_EQ(g.Height(), 300);
  EXPECT_EQ(g.TitleOffset(), 5);
  EXPECT_EQ(g.SubtitleOffset(), 5);
  EXPECT_EQ(g.IdOffset(), 5);
  EXPECT_EQ(g.TitleFont().Name(), "Arial");
  EXPECT_EQ(g.TitleFont().Size(), 10);
  EXPECT_EQ(g.SubtitleFont().Size(), 9);
  EXPECT_EQ(g.IdFont().Size(), 9);
  for (TFont* f : {&g.TitleFont(), &g.SubtitleFont(), &g.IdFont()}) {
    EXPECT_EQ(f->Style(), TFontStyles{fsBold});
    EXPECT_EQ(f->Color(), clBlack);
  }
  EXPECT_TRUE(g.AutoSize());
  EXPECT_EQ(g.LRmargin(), 10);
  EXPECT_EQ(g.TBmargin(), 10);
  EXPECT_EQ(g.StretchAxes(), TStretchOption::No);
  EXPECT_TRUE(g.Border());
  EXPECT_EQ(g.Color(), clSilver);  // although the declared default is clBtnFace
  EXPECT_EQ(g.PlotAreaColor(), clWhite);
  EXPECT_EQ(g.HighlightColor(), clWhite);
  EXPECT_EQ(g.ShadowColor(), clGray);
  EXPECT_FALSE(g.SecondYaxis());
  EXPECT_FALSE(g.UseSecondYAxis());
  EXPECT_TRUE(g.MajorGrid());
  EXPECT_TRUE(g.MinorGrid());
  EXPECT_EQ(g.MinorGridDivisions(), 4);
  EXPECT_EQ(g.MajorGridColor(), clBlack);
  EXPECT_EQ(g.MinorGridColor(), clSilver);
  EXPECT_EQ(g.PenColor(), clBlack);
  EXPECT_EQ(g.PenWidth(), 1);
  EXPECT_EQ(g.PenMode(), pmCopy);
  EXPECT_EQ(g.PenStyle(), psSolid);
  EXPECT_EQ(g.LineMode(), TLineMode::Graph);
  EXPECT_TRUE(g.ClipData());
  EXPECT_EQ(g.PlotDestination(), TPlotDestination::ScreenOnly);
  EXPECT_TRUE(g.ScreenEnabled());
  EXPECT_FALSE(g.PrinterEnabled());
  EXPECT_FALSE(g.PrintMonoChrome());
  EXPECT_EQ(g.PrinterPenWidth(), 1);
  EXPECT_EQ(g.PrinterMajorGridWidth(), 3);
  EXPECT_EQ(g.PrinterMinorGridWidth(), 1);
  EXPECT_EQ(g.XAxis().AnnotationAngle(), TAnnotationAngle::Horizontal);
  EXPECT_EQ(g.YAxis().AnnotationAngle(), TAnnotationAngle::Vertical);
  EXPECT_EQ(g.YAxis2().AnnotationAngle(), TAnnotationAngle::Vertical);
  EXPECT_EQ(g.XAxis().AxisLabel(), "X Axis");
  EXPECT_EQ(g.YAxis().AxisLabel(), "Y Axis");
  EXPECT_EQ(g.YAxis2().AxisLabel(), "2nd Y Axis");
  EXPECT_EQ(g.XCanvas(), 0);
  EXPECT_EQ(g.YCanvas(), 0);
  EXPECT_TRUE(TPelkgraphInternals::RedrawFrame(g));
  EXPECT_FALSE(TPelkgraphInternals::Designing(g));
  EXPECT_EQ(TPelkgraphInternals::Bitmap(g).Width(), 0);  // rendering makes the image
  // The control and image pens carry the data pen.
  EXPECT_EQ(g.Canvas().Pen().Mode(), pmCopy);
}

TEST(Component, AxisConstructionValues) {
  TAxis a;
  EXPECT_EQ(a.AxisLabel(), "Axis Label");
  EXPECT_EQ(a.DivisionWidth(), 64);
  EXPECT_EQ(a.NumberOfDivisions(), 3);
  EXPECT_EQ(a.ScalePerDivision(), 10.0);
  EXPECT_EQ(a.OriginValue(), 0.0);
  EXPECT_EQ(a.NumberOfFixed(), 3);
  EXPECT_EQ(a.NumberOfDecimals(), 1);
  EXPECT_EQ(a.MinExponent(), 0);
  EXPECT_EQ(a.TicLength(), 5);
  EXPECT_EQ(a.NumberOffset(), 5);
  EXPECT_EQ(a.AxisLabelOffset(), 10);
  EXPECT_FALSE(a.LogAxis());
  EXPECT_FALSE(a.AxisMatchesFont());
  EXPECT_EQ(a.AnnotationAngle(), TAnnotationAngle::Vertical);
  EXPECT_EQ(a.Font().Name(), "Arial");
  EXPECT_EQ(a.Font().Size(), 9);
  EXPECT_EQ(a.Font().Style(), TFontStyles{fsBold});
  EXPECT_EQ(a.Font().Color(), clBlack);
}

TEST(Component, ZoomBoxConstructionAndTrigger) {
  TZoomBox z;
  EXPECT_FALSE(z.Enabled());
  EXPECT_TRUE(z.AutoErase());
  EXPECT_EQ(z.Color(), 0xFF0000u);
  EXPECT_EQ(z.ZoomButton(), TZButton::MouseLeft);
  EXPECT_EQ(z.ZoomKey(), TZKey::None);
  EXPECT_FALSE(z.ValidZoom());
  for (float v : {z.XScaledLeft(), z.XScaledRight(), z.YScaledTop(), z.YScaledBottom(), z.SecondYScaledTop(),
                  z.SecondYScaledBottom()})
    EXPECT_EQ(v, 0.0f);
  for (int v : {z.Left(), z.Right(), z.Top(), z.Bottom()}) EXPECT_EQ(v, 0);
  EXPECT_EQ(z.ZoomShift(), TShiftState{ssLeft});

  struct Case {
    TZButton button;
    TZKey key;
    TShiftState trigger;
  };
  const Case cases[] = {
      {TZButton::MouseRight, TZKey::CtrlShift, TShiftState{ssCtrl, ssShift, ssRight}},
      {TZButton::MouseMiddle, TZKey::Alt, TShiftState{ssMiddle, ssAlt}},
      {TZButton::MouseLeft, TZKey::ShiftAlt, TShiftState{ssLeft, ssShift, ssAlt}},
      {TZButton::MouseLeft, TZKey::CtrlAlt, TShiftState{ssLeft, ssCtrl, ssAlt}},
      {TZButton::MouseRight, TZKey::None, TShiftState{ssRight}},
  };
  for (const Case& c : cases) {
    z.SetButton(c.button);
    z.SetKey(c.key);
    EXPECT_EQ(z.ZoomShift(), c.trigger);
  }
  EXPECT_EQ(TShiftState({ssCtrl, ssShift, ssRight}).Bits(), 4u + 1u + 16u);
}

// The setter rules as one table: the value stored, and whether a change
// repaints at design time.
TEST(Component, SetterRules) {
  struct Case {
    const char* name;
    std::function<void(TPelkgraph&)> set;
    std::function<int(const TPelkgraph&)> read;
    int expected;
    bool repaints;
  };
  const Case cases[] = {
      {"Title equal", [](TPelkgraph& g) { g.SetTitle("Graph Title"); }, nullptr, 0, false},
      {"Title other case", [](TPelkgraph& g) { g.SetTitle("graph title"); }, nullptr, 0, true},
      {"Subtitle", [](TPelkgraph& g) { g.SetSubtitle(""); }, nullptr, 0, true},
      {"Id", [](TPelkgraph& g) { g.SetIdentification("x"); }, nullptr, 0, true},
      {"TitleOffset -7", [](TPelkgraph& g) { g.SetTitleOffset(-7); }, [](const TPelkgraph& g) { return g.TitleOffset(); }, 7, true},
      {"TitleOffset equal", [](TPelkgraph& g) { g.SetTitleOffset(5); }, [](const TPelkgraph& g) { return g.TitleOffset(); }, 5, false},
      {"SubtitleOffset -5 keeps 5", [](TPelkgraph& g) { g.SetSubtitleOffset(-5); }, [](const TPelkgraph& g) { return g.SubtitleOffset(); }, 5, true},
      {"IdOffset", [](TPelkgraph& g) { g.SetIdOffset(8); }, [](const TPelkgraph& g) { return g.IdOffset(); }, 8, true},
      {"MinorGridDivisions -3", [](TPelkgraph& g) { g.SetMinorGridDivisions(-3); }, [](const TPelkgraph& g) { return g.MinorGridDivisions(); }, 3, true},
      {"LRmargin with AutoSize", [](TPelkgraph& g) { g.SetLRmargin(-20); }, [](const TPelkgraph& g) { return g.LRmargin(); }, 20, true},
      {"TBmargin without AutoSize",
       [](TPelkgraph& g) {
         g.SetAutoSize(false);
         g.Parent()->ProcessMessages();
         g.SetTBmargin(30);
       },
       [](const TPelkgraph& g) { return g.TBmargin(); }, 30, false},
      {"AutoSize", [](TPelkgraph& g) { g.SetAutoSize(false); }, nullptr, 0, true},
      {"Border equal", [](TPelkgraph& g) { g.SetBorder(true); }, nullptr, 0, false},
      {"Color", [](TPelkgraph& g) { g.SetAreaBackGroundColor(clBtnFace); }, nullptr, 0, true},
      {"PlotAreaColor", [](TPelkgraph& g) { g.SetPlotBackGroundColor(clYellow); }, nullptr, 0, true},
      {"SecondYaxis", [](TPelkgraph& g) { g.SetSecondYaxis(true); }, nullptr, 0, true},
      {"MajorGridColor", [](TPelkgraph& g) { g.SetMajorGridColor(clRed); }, nullptr, 0, true},
      {"PenColor never", [](TPelkgraph& g) { g.SetPlotColor(clRed); }, nullptr, 0, false},
      {"PenWidth -3 never", [](TPelkgraph& g) { g.SetPenWidth(-3); }, [](const TPelkgraph& g) { return g.PenWidth(); }, 3, false},
      {"PlotDestination never", [](TPelkgraph& g) { g.SetPlotDestination(TPlotDestination::Both); }, nullptr, 0, false},
      {"axis setter", [](TPelkgraph& g) { g.XAxis().SetNdivs(5); }, [](const TPelkgraph& g) { return g.XAxis().NumberOfDivisions(); }, 5, true},
      {"axis equal value", [](TPelkgraph& g) { g.YAxis().SetDivWidth(64); }, nullptr, 0, false},
      {"axis font colour", [](TPelkgraph& g) { g.YAxis2().Font().SetColor(clRed); }, nullptr, 0, true},
      {"title font size", [](TPelkgraph& g) { g.TitleFont().SetSize(14); }, nullptr, 0, true},
      {"own title font", [](TPelkgraph& g) { g.SetTitleFont(g.TitleFont()); }, nullptr, 0, false},
  };
  for (const Case& c : cases) {
    for (bool designing : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (designing ? " (designing)" : " (running)"));
      GraphOnForm f(designing);
      c.set(*f.graph);
      if (c.read) {
        EXPECT_EQ(c.read(*f.graph), c.expected);
      }
      EXPECT_EQ(f.Repainted(), designing && c.repaints);
    }
  }
}

TEST(Component, NegativeAgainRepaintsAtDesignTime) {
  GraphOnForm f(true);
  f.graph->SetTitleOffset(-7);
  EXPECT_TRUE(f.Repainted());
  f.graph->SetTitleOffset(-7);  // -7 differs from the stored 7
  EXPECT_TRUE(f.Repainted());
  EXPECT_EQ(f.graph->TitleOffset(), 7);
}

TEST(Component, FontsAreCopiedNotAdopted) {
  TForm form;
  TPelkgraph g(&form);
  auto host = std::make_unique<TFont>();
  host->SetName("DejaVu Sans");
  host->SetSize(14);
  host->SetColor(clRed);
  host->SetStyle(TFontStyles{fsItalic});
  g.SetTitleFont(*host);
  g.XAxis().SetFont(*host);
  EXPECT_NE(&g.TitleFont(), host.get());
  EXPECT_EQ(g.TitleFont().Name(), "DejaVu Sans");
  EXPECT_EQ(g.TitleFont().Size(), 14);
  EXPECT_EQ(g.TitleFont().Color(), clRed);
  EXPECT_EQ(g.XAxis().Font().Style(), TFontStyles{fsItalic});
  host->SetSize(20);
  EXPECT_EQ(g.TitleFont().Size(), 14);
  host.reset();
  EXPECT_EQ(g.TitleFont().Name(), "DejaVu Sans");
  g.Refresh();  // the graph still renders with its own fonts
}

TEST(Component, PensFollowThePenProperties) {
  TForm form;
  TPelkgraph g(&form);
  g.Refresh();
  TPen& control = g.Canvas().Pen();
  TPen& image = TPelkgraphInternals::Bitmap(g).Canvas().Pen();
  TPen& printer = Printer().Canvas().Pen();

  g.SetPrintMonoChrome(true);
  g.SetPlotColor(clRed);
  EXPECT_EQ(control.Color(), clRed);
  EXPECT_EQ(image.Color(), clRed);
  EXPECT_EQ(printer.Color(), clBlack);  // set although printing is off
  g.SetPrintMonoChrome(false);
  g.SetPlotColor(clBlue);
  EXPECT_EQ(printer.Color(), clBlue);

  g.SetPenWidth(-4);
  EXPECT_EQ(control.Width(), 4);
  EXPECT_EQ(image.Width(), 4);

  printer.SetMode(pmCopy);
  g.SetPenMode(pmXor);
  EXPECT_EQ(control.Mode(), pmXor);
  EXPECT_EQ(image.Mode(), pmXor);
  EXPECT_EQ(printer.Mode(), pmCopy);  // printing off
  g.SetPrinterEnabled(true);
  g.SetPenMode(pmNotXor);
  EXPECT_EQ(printer.Mode(), pmNotXor);
  g.SetPenStyle(psDot);
  EXPECT_EQ(printer.Style(), psDot);
  EXPECT_EQ(image.Style(), psDot);
  printer.SetMode(pmCopy);
  printer.SetStyle(psSolid);
}

TEST(Component, PlotDestinationSetsTheFlags) {
  struct Case {
    TPlotDestination destination;
    bool screen, printer;
  };
  const Case cases[] = {{TPlotDestination::Both, true, true},
                        {TPlotDestination::PrinterOnly, false, true},
                        {TPlotDestination::ScreenOnly, true, false}};
  TForm form;
  TPelkgraph g(&form);
  for (const Case& c : cases) {
    g.SetPlotDestination(c.destination);
    EXPECT_EQ(g.ScreenEnabled(), c.screen);
    EXPECT_EQ(g.PrinterEnabled(), c.printer);
  }
  // Assigning the value held changes nothing, even after the flags were set by hand.
  g.SetScreenEnabled(false);
  g.SetPlotDestination(TPlotDestination::ScreenOnly);
  EXPECT_FALSE(g.ScreenEnabled());
}

TEST(Component, AxisCorrectionsAndNotifications) {
  struct Case {
    const char* name;
    std::function<void(TAxis&)> set;
    std::function<double(const TAxis&)> read;
    double expected;
    int notifications;
  };
  const Case cases[] = {
      {"divisions 0", [](TAxis& a) { a.SetNdivs(0); }, [](const TAxis& a) { return a.NumberOfDivisions(); }, 1, 1},
      {"divisions -4", [](TAxis& a) { a.SetNdivs(-4); }, [](const TAxis& a) { return a.NumberOfDivisions(); }, 4, 1},
      {"divisions equal", [](TAxis& a) { a.SetNdivs(3); }, [](const TAxis& a) { return a.NumberOfDivisions(); }, 3, 0},
      {"scale 0 refused", [](TAxis& a) { a.SetScale(0.0); }, [](const TAxis& a) { return a.ScalePerDivision(); }, 10, 0},
      {"scale -2.5", [](TAxis& a) { a.SetScale(-2.5); }, [](const TAxis& a) { return a.ScalePerDivision(); }, -2.5, 1},
      {"min exponent -3", [](TAxis& a) { a.SetMinExponent(-3); }, [](const TAxis& a) { return a.MinExponent(); }, -3, 1},
      {"width -64 keeps 64", [](TAxis& a) { a.SetDivWidth(-64); }, [](const TAxis& a) { return a.DivisionWidth(); }, 64, 1},
      {"width 0 accepted", [](TAxis& a) { a.SetDivWidth(0); }, [](const TAxis& a) { return a.DivisionWidth(); }, 0, 1},
      {"decimals -2", [](TAxis& a) { a.SetNdecs(-2); }, [](const TAxis& a) { return a.NumberOfDecimals(); }, 2, 1},
      {"fixed", [](TAxis& a) { a.SetNfixed(-1); }, [](const TAxis& a) { return a.NumberOfFixed(); }, 1, 1},
      {"tic length", [](TAxis& a) { a.SetTicLength(-9); }, [](const TAxis& a) { return a.TicLength(); }, 9, 1},
      {"number offset", [](TAxis& a) { a.SetNumberOffset(-5); }, [](const TAxis& a) { return a.NumberOffset(); }, 5, 1},
      {"label offset", [](TAxis& a) { a.SetLabelOffset(-10); }, [](const TAxis& a) { return a.AxisLabelOffset(); }, 10, 1},
      {"most negative", [](TAxis& a) { a.SetTicLength(INT_MIN); }, [](const TAxis& a) { return a.TicLength(); }, INT_MAX, 1},
      {"origin", [](TAxis& a) { a.SetOrgVal(-1e300); }, [](const TAxis& a) { return a.OriginValue(); }, -1e300, 1},
      {"label case", [](TAxis& a) { a.SetAxisLabel("axis label"); }, nullptr, 0, 1},
      {"label equal", [](TAxis& a) { a.SetAxisLabel("Axis Label"); }, nullptr, 0, 0},
      {"log", [](TAxis& a) { a.SetLog(true); }, nullptr, 0, 1},
      {"font colour", [](TAxis& a) { a.Font().SetColor(clRed); }, nullptr, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAxis connected;
    int count = 0;
    TObject* sender = nullptr;
    connected.OnChange = [&](TObject* s) {
      ++count;
      sender = s;
    };
    c.set(connected);
    EXPECT_EQ(count, c.notifications);
    if (count > 0) {
      EXPECT_EQ(sender, &connected);
    }
    TAxis unconnected;  // without OnChange the value is stored all the same
    c.set(unconnected);
    if (c.read) {
      EXPECT_EQ(c.read(connected), c.expected);
      EXPECT_EQ(c.read(unconnected), c.expected);
    }
  }
}

TEST(Component, AssigningAnAxisCopiesIntoTheOwnedOne) {
  GraphOnForm f(true);
  TPelkgraph& g = *f.graph;
  TAxis& owned = g.XAxis();
  TAxis other;
  other.SetLog(true);
  other.SetNdivs(6);
  other.SetAxisLabel("Frequency");
  other.Font().SetSize(12);
  g.SetXAxis(other);
  EXPECT_EQ(&g.XAxis(), &owned);
  EXPECT_TRUE(owned.LogAxis());
  EXPECT_EQ(owned.NumberOfDivisions(), 6);
  EXPECT_EQ(owned.AxisLabel(), "Frequency");
  EXPECT_EQ(owned.Font().Size(), 12);
  EXPECT_TRUE(f.Repainted());
  // Still connected: a later change of the owned axis repaints at design time.
  owned.SetMinExponent(-2);
  EXPECT_TRUE(f.Repainted());
  other.SetNdivs(9);  // the caller's object stays the caller's
  EXPECT_EQ(owned.NumberOfDivisions(), 6);

  TZoomBox zoom;
  zoom.SetEnabled(true);
  zoom.SetKey(TZKey::Ctrl);
  g.SetZoomBox(zoom);
  EXPECT_TRUE(g.ZoomBox().Enabled());
  EXPECT_EQ(g.ZoomBox().ZoomShift(), TShiftState({ssLeft, ssCtrl}));
}

TEST(Component, RunTimeChangesWaitForARender) {
  TForm form;
  TPelkgraph g(&form);
  g.Refresh();
  form.ProcessMessages();  // the AutoSize resize asked for one more paint
  const TBitmap& image = TPelkgraphInternals::Bitmap(g);
  const std::uint32_t centrePixel = image.Pixels().Get(g.Width() / 2, 12);
  g.SetTitle("");
  EXPECT_FALSE(form.IsInvalidated(g));
  EXPECT_EQ(image.Pixels().Get(g.Width() / 2, 12), centrePixel);
}
