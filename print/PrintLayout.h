// Arithmetic of the printed frame: the scale between screen and printer
// pixels, the printed size and place of the graph, its centred plot area,
// and the printer counterpart of a pen position.
#pragma once

#include "platform/Types.h"

namespace pelk {

// What the printed frame takes from the last screen layout and the devices.
struct PrintSource {
  int printerPixelsPerInch = 0;
  int screenPixelsPerInch = 96;          // the screen's current resolution
  float printedWidth = 0, printedHeight = 0;  // the control in inches at that resolution
  int xAxisLength = 0, yAxisLength = 0;  // screen pixels
};

// The printed frame in printer pixels from the page origin.
struct PrintedFrame {
  float scaleFactor = 0;  // printer pixels per screen pixel
  float fontScale = 0;    // applied to every font size
  int graphWidth = 0, graphHeight = 0;
  int left = 0, top = 0;
  int centerX = 0, centerY = 0;
  int xorigin = 0, yorigin = 0, xend = 0, yend = 0;  // the plot area
};

// The graph placed with its top-left corner at (printLeft, printTop) inches
// and printWidth inches wide. A width of 0 or less, or one the graph cannot
// be scaled to (a graph 0 inches wide, a ratio beyond the float range),
// prints at the natural size: a screen pixel takes 1/96 inch of paper. The height follows the control's
// proportions.
PrintedFrame PlacePrintedFrame(const PrintSource& source, float printLeft, float printTop, float printWidth);

// A font size in points on the printed graph: Round(size * fontScale), saturated.
int PrinterFontSize(int size, float fontScale);

// The printer position of a plot position (y up) given in screen pixels.
TPoint PrinterCounterpart(const PrintedFrame& frame, int xGraph, int yGraph);

}  // namespace pelk
