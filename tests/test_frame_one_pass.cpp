// The frame rendered in one pass (the background leaving the plot area to
// the grid, the grid's fill and lines set as pixel layers) against the same
// frame drawn one canvas call after another, pixel for pixel, in the image
// and on the form, over a table of graph configurations.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "EveryFrameFeature.h"
#include "PelkgraphInternals.h"
#include "SurfaceDifference.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"

namespace pelk {
namespace {

struct Configuration {
  const char* name;
  int width, height, left, top;
  bool designing;
  std::function<void(TPelkgraph&)> set;
};

// A graph on its own form, configured, with the frame drawn either way.
struct Rendered {
  Rendered(const Configuration& c, bool onePass) {
    form.SetDesigning(c.designing);
    form.SetClientSize(c.left + c.width + 30, c.top + c.height + 30);
    graph = std::make_unique<TPelkgraph>(&form);
    graph->SetAutoSize(false);
    graph->SetBounds(c.left, c.top, c.width, c.height);
    TPelkgraphInternals::SetFrameInOnePass(*graph, onePass);
    c.set(*graph);
  }
  const Surface& Image() { return TPelkgraphInternals::Bitmap(*graph).Pixels(); }

  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

TEST(FrameOnePass, SameImageAndScreenAsOneCallAfterAnother) {
  const Configuration configurations[] = {
      {"the defaults, sized to fit", 300, 300, 0, 0, false, [](TPelkgraph& g) { g.SetAutoSize(true); }},
      {"every feature at 960 x 540", 960, 540, 7, 5, false, ShowEveryFrameFeature},
      {"no border, no grids", 320, 280, 0, 0, false,
       [](TPelkgraph& g) {
         g.SetBorder(false);
         g.SetMajorGrid(false);
         g.SetMinorGrid(false);
       }},
      {"minor grid only, system colours", 320, 280, 3, 3, false,
       [](TPelkgraph& g) {
         g.SetMajorGrid(false);
         g.SetPlotBackGroundColor(clBtnFace);
         g.SetMinorGridColor(clBlue);
       }},
      {"logarithmic axes", 400, 360, 0, 0, false,
       [](TPelkgraph& g) {
         g.XAxis().SetLog(true);
         g.YAxis().SetLog(true);
         g.YAxis().SetMinExponent(-2);
         g.SetSecondYaxis(true);
       }},
      {"minor lines closer than a pixel", 300, 300, 0, 0, false,
       [](TPelkgraph& g) {
         g.SetMinorGridDivisions(300);
         g.SetMinorGridColor(clRed);
       }},
      {"plot area larger than the control", 150, 120, 10, 10, false,
       [](TPelkgraph& g) {
         g.XAxis().SetDivWidth(90);
         g.YAxis().SetDivWidth(70);
       }},
      {"annotation and title reaching into the plot area", 260, 240, 0, 0, false,
       [](TPelkgraph& g) {
         g.XAxis().Font().SetSize(40);
         g.YAxis().Font().SetSize(40);
         g.TitleFont().SetSize(48);
         g.SetTitleOffset(-60);
         g.XAxis().SetNumberOffset(-30);
       }},
      {"designing: stretched divisions with the old axis lengths", 420, 330, 0, 0, true,
       [](TPelkgraph& g) { g.SetStretchAxes(TStretchOption::Yes); }},
  };
  for (const Configuration& c : configurations) {
    SCOPED_TRACE(c.name);
    Rendered onePass(c, true), reference(c, false);
    // The second render takes the storage of the first image, which holds the
    // frame and data plotted into it.
    for (const char* render : {"first render", "second render"}) {
      SCOPED_TRACE(render);
      onePass.graph->Refresh();
      reference.graph->Refresh();
      const auto image = FirstDifference(onePass.Image(), reference.Image());
      EXPECT_FALSE(image) << "image: " << *image;
      const auto screen = FirstDifference(onePass.form.ClientSurface(), reference.form.ClientSurface());
      EXPECT_FALSE(screen) << "screen: " << *screen;
      for (Rendered* r : {&onePass, &reference}) {
        r->graph->SetPlotColor(clLime);
        r->graph->SetPenWidth(9);
        r->graph->MoveTo(-50, -50);
        r->graph->LineTo(5000, 3000);
      }
    }
  }
}

}  // namespace
}  // namespace pelk
