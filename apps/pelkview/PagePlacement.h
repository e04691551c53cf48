// Where the viewer prints its graph on a page.
#pragma once

namespace pelk::view {

// Inches from the page's left and top edges, and the printed width.
struct PagePlacement {
  float left = 0, top = 0, width = 0;
  friend bool operator==(const PagePlacement&, const PagePlacement&) = default;
};

// The graph, keeping its shape, as large as fits within the margin all round,
// centred across the page and at the top margin.
PagePlacement PlaceOnPage(int graphWidth, int graphHeight, double paperWidth, double paperHeight, double margin);

}  // namespace pelk::view
