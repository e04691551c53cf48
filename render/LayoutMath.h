// Pure arithmetic of the frame layout.
#pragma once

#include <cstdint>
#include <optional>

#include "core/Enums.h"

namespace pelk {

// R(v): a distance of v screen pixels on a destination of `scale` pixels per
// screen pixel, rounded to the nearest integer (halves to even), saturated.
int ScaledDistance(std::int64_t v, float scale);

// Divisions times their width, saturated.
int AxisLength(int divisions, int divisionWidth);

struct TitleLines {
  bool title = false, subtitle = false, id = false;
};
struct TitleMetrics {
  int titleHeight = 0, subtitleHeight = 0, idHeight = 0;
  int titleOffset = 0, subtitleOffset = 0, idOffset = 0;
};

// Room above the plot area: a title reserves all three lines, a subtitle the
// lower two, an identification line its own.
int TitleBlockHeight(TitleLines present, const TitleMetrics& m);

struct TitleBaselines {
  int id = 0, subtitle = 0, title = 0;
};

// Baselines of the text lines, stacked upwards from the plot area's top edge
// (yend), nearest first: each line sits its offset above the line below it,
// and an empty line takes no room. Each group of distances (a line's height
// with its offset) is scaled and rounded on its own; scale 1 on screen.
TitleBaselines TitleLineBaselines(TitleLines present, const TitleMetrics& m, int yend, float scale);

enum class BandKind { XAxis, YAxis, SecondYAxis };

struct BandInputs {
  int tic = 0;           // TicLength
  int offset = 0;        // NumberOffset
  int height = 0;        // text height of the axis font
  bool log = false;      // LogAxis
  bool byHeight = true;  // numbers measured by their height (else by width)
  bool hasLabel = false;
  int labelOffset = 0;    // AxisLabelOffset
  int numberWidth = 0;    // widest of the first and last numbers (linear, by width)
  int tenWidth = 0;       // width of "10" (logarithmic, by width)
  int exponentWidth = 0;  // widest decade exponent (logarithmic, by width)
};

// Depth of the annotation band beside an axis.
std::int64_t BandDepth(BandKind kind, const BandInputs& in);

struct PlotArea {
  int centerX = 0, centerY = 0;
  int xorigin = 0, yorigin = 0, xend = 0, yend = 0;
};

// The plot area centred in a control of the given size.
PlotArea CentredPlotArea(int width, int height, int xAxisLength, int yAxisLength);

// The division width that makes an axis fit the control, or nothing when the
// axis stays as it is.
std::optional<int> StretchedDivisionWidth(int divisionWidth, int divisions, int size, int need,
                                          TStretchOption option);

}  // namespace pelk
