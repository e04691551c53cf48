#include "pelkview/GraphView.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/Output.h"
#include "pelkview/AxisSetup.h"
#include "pelkview/PagePlacement.h"
#include "pelkview/Readout.h"
#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "platform/Printer.h"

namespace pelk::view {

namespace {

// One wheel step shows this much of the range; a step out the inverse.
constexpr double kWheelStep = 0.8;
constexpr double kPrintMarginInches = 0.75;
// Around the rows of a box and between its two columns, in text cells.
constexpr int kBoxPaddingCells = 1;

}  // namespace

cli::PixelSize GraphSizeFor(int width, int height) {
  const int w = std::clamp(width, 1, cli::kMaxSide);
  const int h = std::clamp(height, 1, cli::kMaxSide);
  return {w, static_cast<int>(std::min<long long>(h, cli::kMaxPixels / w))};
}

GraphView::GraphView(std::ostream& notes, int dpi) : notes_(notes), picture_(dpi) {
  TPelkgraph& graph = Graph();
  graph.ZoomBox().SetEnabled(true);
  graph.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { OnMouseDown(); };
  graph.OnMouseUp = [this](TObject*, TMouseButton button, TShiftState, int, int) { OnMouseUp(button); };
}

void GraphView::SetData(PlotData data) {
  data_ = std::move(data);
  const TPelkgraph& graph = Graph();
  GraphRanges full{ShownRange(graph.XAxis()), ShownRange(graph.YAxis()), ShownRange(graph.YAxis2())};
  full.x.nice = full.y.nice = full.y2.nice = true;
  history_.assign(1, full);
}

void GraphView::Resize(int width, int height) {
  const cli::PixelSize size = GraphSizeFor(width, height);
  picture_.SetFixedSize(size.width, size.height);
  Redraw();
}

void GraphView::ShowFullRange() {
  history_.resize(1);
  Redraw();
}

bool GraphView::Undo() {
  if (history_.size() < 2) return false;
  history_.pop_back();
  Redraw();
  return true;
}

void GraphView::Redraw() {
  // The first rendering lays the graph out at its size; the divisions are
  // chosen for the plot area it leaves.
  picture_.Render();
  ShowRanges(Graph(), Ranges());
  picture_.Render();
  DrawPlotData(Graph(), data_);
}

void GraphView::Save(const std::string& path) { cli::SavePicture(Graph(), path); }

void GraphView::Print(const std::string& path) {
  TPelkgraph& graph = Graph();
  TPrinter& printer = Printer();
  const PagePlacement place =
      PlaceOnPage(graph.Width(), graph.Height(), static_cast<double>(printer.PageWidth()) / printer.ResolutionX(),
                  static_cast<double>(printer.PageHeight()) / printer.ResolutionY(), kPrintMarginInches);
  printer.BeginDoc(path);
  try {
    graph.PrintGrids(place.left, place.top, place.width);
    graph.SetPlotDestination(TPlotDestination::PrinterOnly);
    DrawPlotData(graph, data_);
    graph.SetPlotDestination(TPlotDestination::ScreenOnly);
    printer.EndDoc();
  } catch (...) {
    graph.SetPlotDestination(TPlotDestination::ScreenOnly);
    if (printer.Printing()) printer.Abort();
    throw;
  }
}

void GraphView::ShowRows(const std::vector<HelpRow>& rows) {
  TPelkgraph& graph = Graph();
  TBitmap box;
  TCanvas& canvas = box.Canvas();
  canvas.Font().Assign(graph.XAxis().Font());
  const int cell = canvas.TextHeight("Ag");
  const int pad = kBoxPaddingCells * cell;
  int keysWidth = 0, whatWidth = 0;
  for (const HelpRow& row : rows) {
    keysWidth = std::max(keysWidth, canvas.TextWidth(row.keys));
    whatWidth = std::max(whatWidth, canvas.TextWidth(row.what));
  }
  box.SetSize(keysWidth + whatWidth + 3 * pad, static_cast<int>(rows.size()) * cell + 2 * pad);
  canvas.Brush().SetColor(clWhite);
  canvas.Pen().SetColor(clBlack);
  canvas.Rectangle(0, 0, box.Width(), box.Height());
  canvas.SetTextAlign(TA_TOP | TA_LEFT);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  int y = pad;
  for (const HelpRow& row : rows) {
    canvas.TextOut(pad, y, row.keys);
    canvas.TextOut(2 * pad + keysWidth, y, row.what);
    y += cell;
  }
  graph.Canvas().Draw(graph.Xorigin() + pad, graph.Yend() + pad, box);
}

GraphView::ZoomResult GraphView::ResultOf(const TZoomBox& box) {
  ZoomResult result;
  result.valid = box.ValidZoom();
  result.xLeft = box.XScaledLeft();
  result.xRight = box.XScaledRight();
  result.yTop = box.YScaledTop();
  result.yBottom = box.YScaledBottom();
  result.y2Top = box.SecondYScaledTop();
  result.y2Bottom = box.SecondYScaledBottom();
  result.left = box.Left();
  result.top = box.Top();
  result.right = box.Right();
  result.bottom = box.Bottom();
  return result;
}

void GraphView::OnMouseDown() { beforePress_ = ResultOf(Graph().ZoomBox()); }

// Runs after the zoom box has finished with the release.
void GraphView::OnMouseUp(TMouseButton button) {
  const std::optional<ZoomResult> before = std::exchange(beforePress_, std::nullopt);
  if (button == mbRight) {
    ShowFullRange();
    return;
  }
  const ZoomResult after = ResultOf(Graph().ZoomBox());
  if (!before || !after.valid || after == *before) return;
  GraphRanges ranges = Ranges();
  ranges.x = {after.xLeft, after.xRight, false};
  ranges.y = {after.yBottom, after.yTop, false};
  if (Graph().SecondYaxis()) ranges.y2 = {after.y2Bottom, after.y2Top, false};
  ZoomTo(ranges);
}

void GraphView::ZoomTo(const GraphRanges& ranges) {
  const TPelkgraph& graph = Graph();
  if (!Showable(ranges, graph.XAxis().LogAxis(), graph.YAxis().LogAxis(), graph.YAxis2().LogAxis(),
                graph.SecondYaxis())) {
    notes_ << "pelkview: that zoom is beyond what single precision can show; right click for the full range"
           << std::endl;
    return;
  }
  history_.push_back(ranges);
  Redraw();
}

float GraphView::SecondYValue(int x, int y) {
  TPelkgraph& graph = Graph();
  const bool used = graph.UseSecondYAxis();
  graph.SetUseSecondYAxis(true);
  float xValue = 0, yValue = 0;
  int xOffset = 0, yOffset = 0;
  graph.GetValues(x, y, xValue, yValue, xOffset, yOffset);
  graph.SetUseSecondYAxis(used);
  return yValue;
}

AxisRange GraphView::WheelBase(const TAxis& axis, const AxisRange& asked) {
  return axis.LogAxis() ? asked : ShownRange(axis);
}

void GraphView::Wheel(int x, int y, int clicks) {
  TPelkgraph& graph = Graph();
  // A drag in progress keeps its view.
  if (clicks == 0 || beforePress_) return;
  const int px = std::clamp(x, graph.Xorigin(), graph.Xend());
  const int py = std::clamp(y, graph.Yend(), graph.Yorigin());
  float xValue = 0, yValue = 0;
  int xOffset = 0, yOffset = 0;
  const bool used = graph.UseSecondYAxis();
  graph.SetUseSecondYAxis(false);
  graph.GetValues(px, py, xValue, yValue, xOffset, yOffset);
  graph.SetUseSecondYAxis(used);
  const double factor = std::pow(kWheelStep, clicks);
  const GraphRanges& now = Ranges();
  GraphRanges ranges = now;
  ranges.x = ZoomedAbout(WheelBase(graph.XAxis(), now.x), xValue, factor, graph.XAxis().LogAxis());
  ranges.y = ZoomedAbout(WheelBase(graph.YAxis(), now.y), yValue, factor, graph.YAxis().LogAxis());
  if (graph.SecondYaxis()) {
    ranges.y2 = ZoomedAbout(WheelBase(graph.YAxis2(), now.y2), SecondYValue(px, py), factor,
                            graph.YAxis2().LogAxis());
  }
  ZoomTo(ranges);
}

std::optional<std::string> GraphView::ReadoutAt(int x, int y) {
  TPelkgraph& graph = Graph();
  if (!graph.CursorInPlotArea(x, y)) return std::nullopt;
  // The neighbouring pixel inside the plot area.
  const int nx = x < graph.Xend() ? x + 1 : x - 1;
  const int ny = y > graph.Yend() ? y - 1 : y + 1;
  const bool used = graph.UseSecondYAxis();
  graph.SetUseSecondYAxis(false);
  float xValue = 0, yValue = 0, xNext = 0, yNext = 0;
  int xOffset = 0, yOffset = 0;
  graph.GetValues(x, y, xValue, yValue, xOffset, yOffset);
  graph.GetValues(nx, ny, xNext, yNext, xOffset, yOffset);
  graph.SetUseSecondYAxis(used);
  CursorValues values{xValue, xNext, yValue, yNext, std::nullopt, std::nullopt};
  if (graph.SecondYaxis()) {
    values.y2 = SecondYValue(x, y);
    values.y2Neighbour = SecondYValue(x, ny);
  }
  return ReadoutText(values);
}

}  // namespace pelk::view
