#include "print/PrintLayout.h"

#include <cmath>

#include "platform/Arith.h"
#include "render/LayoutMath.h"

namespace pelk {

namespace {

int RoundToInt(double x) { return ClampToInt(Round(x)); }

}  // namespace

PrintedFrame PlacePrintedFrame(const PrintSource& source, float printLeft, float printTop, float printWidth) {
  const double ppi = source.printerPixelsPerInch;
  const double sppi = source.screenPixelsPerInch;
  PrintedFrame f;
  // 1. Printer pixels per screen pixel.
  f.scaleFactor = static_cast<float>(ppi / sppi);
  // 2. The printed size: scaled to the width asked for, or natural.
  const double widthRatio = static_cast<double>(printWidth) / source.printedWidth;
  if (printWidth > 0 && widthRatio > 0 && std::isfinite(widthRatio)) {
    f.fontScale = static_cast<float>(widthRatio);
    f.scaleFactor = static_cast<float>(static_cast<double>(f.scaleFactor) * printWidth / source.printedWidth);
    f.graphWidth = RoundToInt(ppi * source.printedWidth * printWidth / source.printedWidth);
    f.graphHeight = RoundToInt(ppi * source.printedHeight * printWidth / source.printedWidth);
  } else {
    f.fontScale = 1.0f;
    f.graphWidth = RoundToInt(ppi * source.printedWidth * sppi / 96);
    f.graphHeight = RoundToInt(ppi * source.printedHeight * sppi / 96);
  }
  // 3. Placement, and 4. the plot area centred in the printed graph.
  f.left = RoundToInt(ppi * printLeft);
  f.top = RoundToInt(ppi * printTop);
  const int wx = RoundToInt(source.xAxisLength * static_cast<double>(f.scaleFactor));
  const int wy = RoundToInt(source.yAxisLength * static_cast<double>(f.scaleFactor));
  f.centerX = SaturatingAdd(f.graphWidth / 2, f.left);
  f.centerY = SaturatingAdd(f.graphHeight / 2, f.top);
  f.xorigin = ClampToInt(std::int64_t{f.centerX} - wx / 2);
  f.yorigin = ClampToInt(std::int64_t{f.centerY} + wy / 2);
  f.xend = ClampToInt(std::int64_t{f.xorigin} + wx);
  f.yend = ClampToInt(std::int64_t{f.yorigin} - wy);
  return f;
}

int PrinterFontSize(int size, float fontScale) { return ScaledDistance(size, fontScale); }

TPoint PrinterCounterpart(const PrintedFrame& frame, int xGraph, int yGraph) {
  return {SaturatingAdd(frame.xorigin, ScaledDistance(xGraph, frame.scaleFactor)),
          ClampToInt(std::int64_t{frame.yorigin} - ScaledDistance(yGraph, frame.scaleFactor))};
}

}  // namespace pelk
