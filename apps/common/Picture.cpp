#include "common/Picture.h"

#include <stdexcept>
#include <string>

#include "common/Options.h"
#include "platform/Screen.h"

namespace pelk::cli {

namespace {

// Sets the screen resolution before the graph reads it; returns the old one.
int SwapScreenDpi(int dpi) {
  const int previous = Screen().PixelsPerInch();
  Screen().SetPixelsPerInch(dpi);
  return previous;
}

}  // namespace

GraphPicture::GraphPicture(int dpi)
    : previousDpi_(SwapScreenDpi(dpi)), form_(nullptr), graph_(std::make_unique<TPelkgraph>(&form_)) {}

GraphPicture::~GraphPicture() {
  graph_.reset();
  Screen().SetPixelsPerInch(previousDpi_);
}

void GraphPicture::SetFixedSize(int width, int height) {
  graph_->SetAutoSize(false);
  graph_->SetStretchAxes(TStretchOption::Yes);
  graph_->SetBounds(0, 0, width, height);
}

void GraphPicture::Render() {
  // The first rendering lets a graph that sizes itself find its size.
  graph_->Refresh();
  const long long width = static_cast<long long>(graph_->Left()) + graph_->Width();
  const long long height = static_cast<long long>(graph_->Top()) + graph_->Height();
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
    throw std::runtime_error("the graph needs " + std::to_string(width) + "x" + std::to_string(height) +
                             " pixels, beyond the limit of " + std::to_string(kMaxSide) + " a side and " +
                             std::to_string(kMaxPixels) + " in all");
  }
  form_.SetClientSize(static_cast<int>(width), static_cast<int>(height));
  graph_->Refresh();
}

}  // namespace pelk::cli
