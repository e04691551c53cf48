// A graph on a headless form, with helpers to read its picture.
#pragma once

#include <memory>

#include "PelkgraphInternals.h"
#include "core/Pelkgraph.h"
#include "platform/Forms.h"

namespace pelk {

struct GraphFixture {
  // A fixed-size graph (AutoSize off) at (left, top) on a form large enough for it.
  explicit GraphFixture(int width = 300, int height = 300, int left = 0, int top = 0) {
    form.SetClientSize(left + width + 50, top + height + 50);
    graph = std::make_unique<TPelkgraph>(&form);
    graph->SetAutoSize(false);
    graph->SetBounds(left, top, width, height);
  }
  TPelkgraph& g() { return *graph; }
  const Surface& Image() { return TPelkgraphInternals::Bitmap(*graph).Pixels(); }
  std::uint32_t ImagePixel(int x, int y) { return Image().Get(x, y); }

  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

// A bounding box of pixels.
struct InkBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  bool Empty() const { return right < left; }
  int CentreX2() const { return left + right; }  // twice the centre, to stay integral
  int CentreY2() const { return top + bottom; }
};

// Whether a pixel is tinted by a pure primary colour (clRed, clLime, clBlue):
// anti-aliased text blends its colour with the background, so its edge pixels
// are not the text colour itself.
inline bool TintedBy(std::uint32_t pixel, std::uint32_t primary) {
  const int channels[3] = {int(pixel & 0xFF), int((pixel >> 8) & 0xFF), int((pixel >> 16) & 0xFF)};
  const int which = primary == 0x0000FF ? 0 : primary == 0x00FF00 ? 1 : 2;
  for (int c = 0; c < 3; ++c)
    if (c != which && channels[which] < channels[c] + 48) return false;
  return true;
}

// The pixels tinted by a primary colour inside a rectangle.
inline InkBox FindInk(const Surface& s, std::uint32_t primary, TRect area) {
  InkBox box{area.Right, area.Bottom, -1, -1};
  for (int y = std::max(0, area.Top); y < std::min(s.Height(), area.Bottom); ++y)
    for (int x = std::max(0, area.Left); x < std::min(s.Width(), area.Right); ++x)
      if (TintedBy(s.Get(x, y), primary)) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  if (box.right < 0) return InkBox{};
  return box;
}

}  // namespace pelk
