// SaveToFile and SaveCanvas: the picture shown on the control, written as PNG
// or BMP by the file name, or kept as the retained picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <pelkgraph/pelkgraph.h>

#include "GraphFixture.h"
#include "PngReadBack.h"
#include "TempDirTest.h"
#include "render/ExportFormat.h"

namespace pelk {
namespace {

namespace fs = std::filesystem;

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

// The graph sits away from the form's corner, so a copy from the wrong
// origin shows.
constexpr int kLeft = 17, kTop = 9;

using Export = TempDirTest;

// What the control shows: its rectangle of the form's surface.
Surface Shown(GraphFixture& f) {
  TPelkgraph& g = f.g();
  Surface shown(g.Width(), g.Height());
  for (int y = 0; y < g.Height(); ++y)
    for (int x = 0; x < g.Width(); ++x) shown.Set(x, y, f.form.ClientSurface().Get(kLeft + x, kTop + y));
  return shown;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Surface ReadBmp(const std::string& path) {
  TBitmap bitmap;
  bitmap.LoadFromFile(path);
  return std::move(bitmap.Pixels());
}

// The first pixel where the two differ, as "x,y"; empty when they are equal.
std::string FirstDifference(const Surface& a, const Surface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return "size " + std::to_string(a.Width()) + "x" + std::to_string(a.Height()) + " against " +
           std::to_string(b.Width()) + "x" + std::to_string(b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.Get(x, y) & 0xFFFFFF) != (b.Get(x, y) & 0xFFFFFF)) return std::to_string(x) + "," + std::to_string(y);
  return "";
}

// A rendered graph with a data line, and a pixel the host set on the control's
// canvas only (not in the image).
struct DrawnGraph {
  DrawnGraph() : f(240, 200, kLeft, kTop) {
    TPelkgraph& g = f.g();
    g.Refresh();
    // Before plotting: the plot-area clip of the data calls stays selected.
    g.Canvas().SetPixel(hostX, hostY, clLime);
    g.SetPlotColor(clRed);
    g.MoveTo(0, 0);
    g.LineTo(60, 40);
  }
  static constexpr int hostX = 5, hostY = 6;
  GraphFixture f;
};

TEST(ExportFormat, PngForNamesEndingInPngInAnyCase) {
  struct Case {
    const char* name;
    bool png;
  };
  const Case cases[] = {
      {"graph.png", true},     {"graph.PNG", true},     {"graph.pNg", true},   {"dir/graph.Png", true},
      {".png", true},          {"graph.bmp", false},    {"graph.BMP", false},  {"graph", false},
      {"", false},             {"png", false},          {"graph.pn", false},   {"graph.pngx", false},
      {"graph.png.bmp", false}, {"graph.png/x", false}, {"graph_png", false},  {"graph.p\xC3\x91g", false},
  };
  for (const Case& c : cases) EXPECT_EQ(NamesPngFile(c.name), c.png) << "'" << c.name << "'";
}

TEST_F(Export, SaveToFileWritesTheShownPictureAsPngOrBmpByName) {
  struct Case {
    const char* name;
    bool png;
  };
  const Case cases[] = {{"a.png", true},  {"b.PNG", true},  {"c.bmp", false},
                        {"d.BMP", false}, {"e", false},     {"f.png.dat", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DrawnGraph d;
    const Surface shown = Shown(d.f);
    const std::string path = PathOf(c.name);
    d.f.g().SaveToFile(path);
    const std::string bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 8u);
    if (c.png) {
      EXPECT_EQ(bytes.compare(0, 8, kPngSignature, 8), 0) << "no PNG signature";
      EXPECT_EQ(FirstDifference(ReadPng(path), shown), "") << "PNG pixel differs from the control";
    } else {
      EXPECT_EQ(bytes.substr(0, 2), "BM") << "no BMP signature";
      EXPECT_EQ(FirstDifference(ReadBmp(path), shown), "") << "BMP pixel differs from the control";
    }
    // The host's pixel is in the file because the copy came from the screen.
    EXPECT_EQ(shown.Get(DrawnGraph::hostX, DrawnGraph::hostY), clLime);
  }
}

TEST_F(Export, SaveToFileKeepsTheFrameRedrawFlag) {
  // Right after Refresh the next paint renders the frame again; after data
  // it shows the image. Saving changes neither.
  for (bool plotted : {false, true}) {
    SCOPED_TRACE(plotted);
    GraphFixture f(240, 200, kLeft, kTop);
    TPelkgraph& g = f.g();
    g.Refresh();
    if (plotted) g.LineTo(10, 10);
    const bool before = TPelkgraphInternals::RedrawFrame(g);
    EXPECT_EQ(before, !plotted);
    g.SaveToFile(PathOf("x.png"));
    EXPECT_EQ(TPelkgraphInternals::RedrawFrame(g), before);
  }
}

TEST_F(Export, FailedSaveReachesTheCallerAndTheImageKeepsTheCopy) {
  for (const char* name : {"missing/x.png", "missing/x.bmp"}) {
    SCOPED_TRACE(name);
    DrawnGraph d;
    const std::string path = PathOf(name);
    try {
      d.f.g().SaveToFile(path);
      ADD_FAILURE() << "saved into a missing directory";
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Path(), path);
    }
    EXPECT_EQ(FirstDifference(d.f.Image(), Shown(d.f)), "") << "image pixel differs from the control";
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
  }
}

TEST_F(Export, SaveCanvasKeepsTheHostsDrawingThroughPaints) {
  // Without SaveCanvas the paint after Refresh renders the frame again and
  // the host's pixel is gone from the control.
  for (bool saveCanvas : {true, false}) {
    SCOPED_TRACE(saveCanvas ? "SaveCanvas" : "no SaveCanvas");
    GraphFixture f(240, 200, kLeft, kTop);
    TPelkgraph& g = f.g();
    g.Refresh();
    const TColor frame = g.Canvas().Pixel(DrawnGraph::hostX, DrawnGraph::hostY);
    ASSERT_NE(frame, clLime);
    g.Canvas().SetPixel(DrawnGraph::hostX, DrawnGraph::hostY, clLime);
    if (saveCanvas) g.SaveCanvas();
    EXPECT_EQ(TPelkgraphInternals::RedrawFrame(g), !saveCanvas);
    g.Invalidate();
    ASSERT_EQ(f.form.ProcessMessages(), 1);
    EXPECT_EQ(g.Canvas().Pixel(DrawnGraph::hostX, DrawnGraph::hostY), saveCanvas ? clLime : frame)
        << "control pixel " << DrawnGraph::hostX << "," << DrawnGraph::hostY << " after the paint";
  }
}

TEST_F(Export, LinesAfterSaveCanvasGoIntoTheSavedPictureStillClipped) {
  GraphFixture f(240, 200, kLeft, kTop);
  TPelkgraph& g = f.g();
  g.Refresh();
  g.Canvas().SetPixel(DrawnGraph::hostX, DrawnGraph::hostY, clLime);
  g.SaveCanvas();
  g.SetPlotColor(clRed);
  g.MoveTo(0, 20);
  g.LineTo(50, 20);
  g.LineTo(-30, 20);  // leaves the plot area to the left
  const int y = g.Yorigin() - 20;
  for (int x : {g.Xorigin(), g.Xorigin() + 49}) {
    EXPECT_EQ(f.ImagePixel(x, y), clRed) << "image pixel " << x << "," << y;
    EXPECT_EQ(g.Canvas().Pixel(x, y), clRed) << "control pixel " << x << "," << y;
  }
  EXPECT_NE(f.ImagePixel(g.Xorigin() - 5, y), clRed) << "image pixel left of the plot area";
  g.Invalidate();
  f.form.ProcessMessages();
  EXPECT_EQ(g.Canvas().Pixel(DrawnGraph::hostX, DrawnGraph::hostY), clLime);
  EXPECT_EQ(g.Canvas().Pixel(g.Xorigin() + 25, y), clRed);
}

TEST_F(Export, SaveCanvasAfterDataKeepsTheHostsDrawingOutsideThePlotArea) {
  DrawnGraph d;
  d.f.g().SaveCanvas();
  EXPECT_EQ(d.f.ImagePixel(DrawnGraph::hostX, DrawnGraph::hostY), clLime)
      << "retained pixel " << DrawnGraph::hostX << "," << DrawnGraph::hostY;
  EXPECT_EQ(FirstDifference(d.f.Image(), Shown(d.f)), "") << "retained pixel differs from the control";
}

}  // namespace
}  // namespace pelk
