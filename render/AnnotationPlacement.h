// Where the parts of an axis annotation go: tick marks, division numbers
// (or decades "10" with their raised exponents), the lowest-number limit of
// the Y axes and the axis label. Device pixels of the destination, y down;
// fixed distances are given in screen pixels and scaled by R(v) = Round(v * s).
#pragma once

#include <cstdint>

#include "platform/Types.h"
#include "render/VisibleRange.h"

namespace pelk {

enum class AnnotatedAxis { X, Y, SecondY };

// One call's settings. The second Y axis passes its own T, O and h; its
// divisions are those of the first Y axis.
struct AnnotationRules {
  AnnotatedAxis axis = AnnotatedAxis::X;
  bool vertical = false;  // numbers rotated
  bool log = false;
  int textHeight = 0;     // h, screen pixels
  int ticLength = 0;      // T
  int numberOffset = 0;   // O
  float scale = 1.0f;     // s: 1 on screen, printer pixels per screen pixel on the printer
  int x0 = 0, y0 = 0;     // the plot-area corner the axis starts from
};

// The X axis settings that decide the limit of the lowest Y numbers.
struct XAxisClearance {
  bool log = false;
  bool vertical = false;
  int ticLength = 0;
  int numberOffset = 0;
};

// The lowest number of a Y axis stays above this row, clear of the X axis
// numbers: Y0 + R(O') - 1 where the X numbers leave the tick out, else
// Y0 + R(O' + T') - 1.
int LowestNumberLimit(const AnnotationRules& rules, const XAxisClearance& xAxis);

// Text widths measured on the destination, those the placement reads.
struct DivisionTextWidths {
  int number = 0;    // W(number text): the lowest rotated linear number of a Y axis
  int ten = 0;       // W("10")
  int exponent = 0;  // W(e-text)
};

// Which widths a division needs, so that only those are measured.
bool NeedsNumberWidth(const AnnotationRules& rules, std::int64_t i);
bool NeedsTenWidth(const AnnotationRules& rules);
bool NeedsExponentWidth(const AnnotationRules& rules);

struct TextSpot {
  TPoint at;
  std::uint32_t align = 0;  // TA_BASELINE with TA_LEFT, TA_CENTER or TA_RIGHT
};

struct DivisionPlacement {
  TPoint tickFrom, tickTo;  // outer end, point on the axis
  TextSpot number;          // the linear number, or the "10" of a decade
  TextSpot exponent;        // decades only: the raised e-text, baseline-left
};

// Division i of D pixels (the lowest of a Y axis is held above limit).
DivisionPlacement PlaceDivision(const AnnotationRules& rules, std::int64_t i, std::int64_t divisionWidth,
                                int limit, const DivisionTextWidths& widths);

// The axis label's baseline-centre point, at the outer edge of its band: the X
// axis's below the axis on centerX, the Y axes' beside them on centerY.
TPoint LabelPoint(const AnnotationRules& rules, int centerX, int centerY, int bandDepth);

// The raised E of a common exponent after a label of width labelWidth (the
// label with " *10"), baseline-left: one scaled pixel past its end, half a
// text height up.
TPoint LabelExponentPoint(const AnnotationRules& rules, TPoint label, int labelWidth);

// How far from its tick point anything a division draws can lie, along the
// axis (the scaled text height and two pixels, plus the widest text and
// its cell height) and across it (the tick length and number offset of
// this axis and of the X axis as well).
struct DivisionReach {
  std::int64_t along = 0;
  std::int64_t across = 0;
};
DivisionReach DivisionReachOf(const AnnotationRules& rules, const XAxisClearance& xAxis, int widestText,
                              int textCell);

// The divisions 0..count whose annotation can touch the area (device pixels,
// right and bottom excluded): along the axis within reach of it, and none when
// the axis passes farther than the reach across beside it.
IndexRange DivisionsTouching(const AnnotationRules& rules, std::int64_t count, std::int64_t divisionWidth,
                             const TRect& area, const DivisionReach& reach);

// Whether a label at its point, or its raised exponent, can touch the area
// across its reading direction (rows for the X axis label, columns for the
// rotated Y labels).
bool LabelCanTouch(const AnnotationRules& rules, TPoint label, int textCell, const TRect& area);

}  // namespace pelk
