// The graph a viewer window shows: it fills the form, keeps its data, and is
// rendered and plotted again whenever its size or its view changes. Views
// are kept as a history: a box dragged with the left button or the wheel
// zooms in one step, Undo goes back one, a right click to the full range.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/Options.h"
#include "common/Picture.h"
#include "common/PlotData.h"
#include "core/Pelkgraph.h"
#include "pelkview/Keys.h"
#include "pelkview/ViewScale.h"
#include "platform/Forms.h"

namespace pelk::view {

class GraphView {
 public:
  // Notes for the user (a zoom too small or too large to show) go to
  // `notes`; dpi > 0 sets the screen resolution the graph is drawn for.
  explicit GraphView(std::ostream& notes, int dpi = 0);
  GraphView(const GraphView&) = delete;
  GraphView& operator=(const GraphView&) = delete;

  TPelkgraph& Graph() { return picture_.Graph(); }
  TForm& Form() { return picture_.Form(); }

  // The data to plot; the axes as they are now become the full range, shown
  // in round steps, and the history starts again.
  void SetData(PlotData data);
  // Sizes the form and the graph to the window's client area (within the
  // picture limits), then shows the present view at that size.
  void Resize(int width, int height);
  // Back to the full range; the history is cleared.
  void ShowFullRange();
  // Back one zoom step; false (and nothing changes) at the full range.
  bool Undo();
  // Zooms by `clicks` wheel steps (in for positive ones) about the values at
  // the pixel, in control coordinates; outside the plot area its nearest edge.
  void Wheel(int x, int y, int clicks);
  // The values at a pixel of the plot area; nothing outside it.
  std::optional<std::string> ReadoutAt(int x, int y);

  // What the present view asks of the axes, and how many zoom steps lead there.
  const GraphRanges& Ranges() const { return history_.back(); }
  std::size_t ZoomSteps() const { return history_.size() - 1; }

  // Renders the frame for the present view at the present size and plots.
  void Redraw();
  // Draws a framed box with the rows (two columns) over the graph's top left
  // corner, on the window only; the next redraw removes it.
  void ShowRows(const std::vector<HelpRow>& rows);

  // Saves what the graph shows as BMP or PNG, by the name's extension.
  void Save(const std::string& path);
  // Prints the present view, data included, on one page of the document at
  // path (PDF, PostScript or SVG by its extension). Throws when the document
  // cannot be written; an existing file is then left as it was.
  void Print(const std::string& path);

 private:
  // The result a zoom leaves in the zoom box.
  struct ZoomResult {
    bool valid = false;
    float xLeft = 0, xRight = 0, yTop = 0, yBottom = 0, y2Top = 0, y2Bottom = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ZoomResult&, const ZoomResult&) = default;
  };
  static ZoomResult ResultOf(const TZoomBox& box);

  void OnMouseDown();
  void OnMouseUp(TMouseButton button);
  // Shows the ranges as a new step of the history, when the axes can.
  void ZoomTo(const GraphRanges& ranges);
  float SecondYValue(int x, int y);
  // The range a wheel step starts from: what a linear axis shows, what a
  // logarithmic one was asked for (it shows whole decades).
  static AxisRange WheelBase(const TAxis& axis, const AxisRange& asked);

  std::ostream& notes_;
  cli::GraphPicture picture_;
  PlotData data_;
  std::vector<GraphRanges> history_{GraphRanges{}};  // the full range first
  // The zoom box's result when the last press began; a release that leaves
  // a different valid result has completed a zoom.
  std::optional<ZoomResult> beforePress_;
};

// The largest size within the picture limits that fits in width x height,
// at least 1 x 1.
cli::PixelSize GraphSizeFor(int width, int height);

}  // namespace pelk::view
