// A headless form holding one graph control: the picture a command draws.
#pragma once

#include <memory>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"

namespace pelk::cli {

class GraphPicture {
 public:
  // dpi > 0 sets the screen resolution the graph is built for; the previous
  // one is restored when the picture goes.
  explicit GraphPicture(int dpi = 0);
  ~GraphPicture();
  GraphPicture(const GraphPicture&) = delete;
  GraphPicture& operator=(const GraphPicture&) = delete;

  TPelkgraph& Graph() { return *graph_; }
  TForm& Form() { return form_; }

  // Fixes the control's size (AutoSize off, axes stretched to fill it).
  void SetFixedSize(int width, int height);
  // Renders the frame onto the form, which is sized to hold the control.
  // Throws when the graph needs a larger picture than the limits allow.
  void Render();

 private:
  int previousDpi_;
  TForm form_;
  std::unique_ptr<TPelkgraph> graph_;
};

}  // namespace pelk::cli
