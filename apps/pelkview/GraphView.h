// The graph a viewer window shows: it fills the form, keeps its data, and is
// rendered and plotted again whenever its size or its axis ranges change. A
// box dragged with the left button zooms in; a right click shows the full
// range again.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "core/Pelkgraph.h"
#include "common/Options.h"
#include "common/Picture.h"
#include "common/PlotData.h"
#include "platform/Forms.h"

namespace pelk::view {

class GraphView {
 public:
  // Notes for the user (a zoom box too small to show) go to `notes`; dpi > 0
  // sets the screen resolution the graph is drawn for.
  explicit GraphView(std::ostream& notes, int dpi = 0);
  GraphView(const GraphView&) = delete;
  GraphView& operator=(const GraphView&) = delete;

  TPelkgraph& Graph() { return picture_.Graph(); }
  TForm& Form() { return picture_.Form(); }

  // The data to plot; the axes as they are now become the full range.
  void SetData(PlotData data);
  // Sizes the form and the graph to the window's client area (within the
  // picture limits), then renders and plots.
  void Resize(int width, int height);
  // Renders the frame with the full-range axes and plots.
  void ShowFullRange();
  // Saves what the graph shows as BMP or PNG, by the name's extension.
  void Save(const std::string& path);

 private:
  // The result a zoom leaves in the zoom box.
  struct ZoomResult {
    bool valid = false;
    float xLeft = 0, xRight = 0, yTop = 0, yBottom = 0, y2Top = 0, y2Bottom = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ZoomResult&, const ZoomResult&) = default;
  };
  static ZoomResult ResultOf(const TZoomBox& box);

  void Redraw();
  void OnMouseDown();
  void OnMouseUp(TMouseButton button);
  void ZoomTo(const ZoomResult& zoom);
  void ZoomAxis(TAxis& axis, const TAxis& full, float from, float to);

  std::ostream& notes_;
  cli::GraphPicture picture_;
  PlotData data_;
  TAxis fullX_, fullY_, fullY2_;
  // The zoom box's result when the last press began; a release that leaves
  // a different valid result has completed a zoom.
  std::optional<ZoomResult> beforePress_;
};

// The largest size within the picture limits that fits in width x height,
// at least 1 x 1.
cli::PixelSize GraphSizeFor(int width, int height);

}  // namespace pelk::view
