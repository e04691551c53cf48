// Where tick marks, numbers, decades, exponents and labels of an axis go,
// from the placement rules alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/Gdi.h"
#include "render/AnnotationPlacement.h"
#include "render/LayoutMath.h"

namespace pelk {
namespace {

constexpr std::uint32_t kCentre = TA_BASELINE | TA_CENTER;
constexpr std::uint32_t kRight = TA_BASELINE | TA_RIGHT;
constexpr std::uint32_t kLeft = TA_BASELINE | TA_LEFT;

// A 9-point font at 96 pixels per inch, ticks and offsets of 5.
AnnotationRules Rules(AnnotatedAxis axis, bool vertical, bool log, float scale = 1.0f) {
  return {axis, vertical, log, 9, 5, 5, scale, 100, 500};
}

std::string Where(TPoint p) {
  std::string text = "(";
  text += std::to_string(p.X);
  text += ", ";
  text += std::to_string(p.Y);
  return text += ")";
}

TEST(AnnotationPlacement, NumbersAndDecadesOfDivisionOne) {
  // Division 1 of 64 pixels: the tick lies at x = 164 on the X axis, y = 436 on the Y axes.
  // "10" is 13 pixels wide, the exponent text 6.
  const DivisionTextWidths widths{20, 13, 6};
  struct Case {
    const char* what;
    AnnotationRules rules;
    TPoint tickFrom, tickTo;
    TextSpot number;
    TPoint exponent;  // decades only
  };
  const Case cases[] = {
      {"X horizontal linear: baseline Y0 + T + O + h + 1", Rules(AnnotatedAxis::X, false, false),
       {164, 505}, {164, 500}, {{164, 520}, kCentre}, {}},
      {"X vertical linear: right end at Y0 + T + O, h div 2 right of the tick", Rules(AnnotatedAxis::X, true, false),
       {164, 505}, {164, 500}, {{168, 510}, kRight}, {}},
      {"X horizontal decade: 10 on Y0 + 20, exponent on Y0 + 16 at W(10) div 2",
       Rules(AnnotatedAxis::X, false, true), {164, 505}, {164, 500}, {{164, 520}, kCentre}, {170, 516}},
      {"X vertical decade: the tick left out, the exponent's width added", Rules(AnnotatedAxis::X, true, true),
       {164, 505}, {164, 500}, {{167, 511}, kRight}, {163, 511}},
      {"Y horizontal linear: right end T + O left of the axis", Rules(AnnotatedAxis::Y, false, false),
       {95, 436}, {100, 436}, {{90, 440}, kRight}, {}},
      {"Y vertical linear: centred T + O left of the axis", Rules(AnnotatedAxis::Y, true, false),
       {95, 436}, {100, 436}, {{90, 436}, kCentre}, {}},
      {"Y horizontal decade: 10 ends at X0 - 5 - W(e), baseline y + 3, exponent y - 1",
       Rules(AnnotatedAxis::Y, false, true), {95, 436}, {100, 436}, {{89, 439}, kRight}, {89, 435}},
      {"Y vertical decade: centred O + T left, exponent W(10) div 2 up", Rules(AnnotatedAxis::Y, true, true),
       {95, 436}, {100, 436}, {{90, 436}, kCentre}, {86, 430}},
      {"second Y horizontal linear: left end T + O right of the axis", Rules(AnnotatedAxis::SecondY, false, false),
       {105, 436}, {100, 436}, {{110, 440}, kLeft}, {}},
      {"second Y vertical linear: centred T + O + h + 1 right", Rules(AnnotatedAxis::SecondY, true, false),
       {105, 436}, {100, 436}, {{120, 436}, kCentre}, {}},
      {"second Y horizontal decade: exponent after the 10", Rules(AnnotatedAxis::SecondY, false, true),
       {105, 436}, {100, 436}, {{110, 439}, kLeft}, {123, 435}},
      {"second Y vertical decade: MulDiv(h, 3, 2) + O + 1 right", Rules(AnnotatedAxis::SecondY, true, true),
       {105, 436}, {100, 436}, {{120, 436}, kCentre}, {116, 430}},
      {"X horizontal linear on the printer at 6.25: R(20) below", Rules(AnnotatedAxis::X, false, false, 6.25f),
       {500, 531}, {500, 500}, {{500, 625}, kCentre}, {}},
      {"Y horizontal decade on the printer at 2.5: each distance rounded alone",
       Rules(AnnotatedAxis::Y, false, true, 2.5f), {88, 340}, {100, 340}, {{82, 348}, kRight}, {82, 338}},
  };
  for (const Case& c : cases) {
    const DivisionPlacement p = PlaceDivision(c.rules, 1, 64, INT_MAX, widths);
    EXPECT_EQ(p.tickFrom, c.tickFrom) << c.what << ": tick from " << Where(p.tickFrom);
    EXPECT_EQ(p.tickTo, c.tickTo) << c.what << ": tick to " << Where(p.tickTo);
    EXPECT_EQ(p.number.at, c.number.at) << c.what << ": number at " << Where(p.number.at);
    EXPECT_EQ(p.number.align, c.number.align) << c.what;
    if (c.rules.log) {
      EXPECT_EQ(p.exponent.at, c.exponent) << c.what << ": exponent at " << Where(p.exponent.at);
      EXPECT_EQ(p.exponent.align, kLeft) << c.what;
    }
  }
}

TEST(AnnotationPlacement, LowestNumberOfTheYAxesStaysClearOfTheXNumbers) {
  struct Case {
    const char* what;
    AnnotationRules rules;
    XAxisClearance xAxis;
    int numberWidth;  // of the lowest linear number, or of "10"
    int limit;
    TPoint number;
  };
  const XAxisClearance linearX{false, false, 5, 5}, logVerticalX{true, true, 5, 5}, logHorizontalX{true, false, 5, 5};
  const Case cases[] = {
      {"vertical, X linear: limit Y0 + 9; 20 pixels long centred at Y0 - 1", Rules(AnnotatedAxis::Y, true, false),
       linearX, 20, 509, {90, 499}},
      {"vertical, X linear: 18 pixels long stays on Y0", Rules(AnnotatedAxis::Y, true, false), linearX, 18, 509,
       {90, 500}},
      {"vertical, X decades rotated: limit Y0 + R(O') - 1", Rules(AnnotatedAxis::Y, true, false), logVerticalX, 12,
       504, {90, 498}},
      {"second Y, X decades horizontal: limit Y0 + R(O') - 1", Rules(AnnotatedAxis::SecondY, true, false),
       logHorizontalX, 12, 504, {120, 498}},
      {"second Y, X decades rotated: the longer limit", Rules(AnnotatedAxis::SecondY, true, false), logVerticalX, 12,
       509, {120, 500}},
      {"horizontal: the baseline y + 4 goes up to the limit", Rules(AnnotatedAxis::Y, false, false), logVerticalX, 0,
       504, {90, 504}},
      {"horizontal, below the limit: kept", Rules(AnnotatedAxis::Y, false, false), linearX, 0, 509, {90, 504}},
      {"vertical decade: the 10 is measured", Rules(AnnotatedAxis::Y, true, true), linearX, 22, 509, {90, 498}},
      {"on the printer at 2.0: limit Y0 + 19", Rules(AnnotatedAxis::Y, true, false, 2.0f), linearX, 40, 519,
       {80, 499}},
  };
  for (const Case& c : cases) {
    const int limit = LowestNumberLimit(c.rules, c.xAxis);
    EXPECT_EQ(limit, c.limit) << c.what;
    const DivisionTextWidths widths{c.numberWidth, c.numberWidth, 6};
    const DivisionPlacement lowest = PlaceDivision(c.rules, 0, 64, limit, widths);
    EXPECT_EQ(lowest.number.at, c.number) << c.what << ": number at " << Where(lowest.number.at);
    // Only the lowest number is held: division 1 keeps the plain position.
    const DivisionPlacement next = PlaceDivision(c.rules, 1, 1, 0, widths);
    EXPECT_EQ(next.tickTo.Y, c.rules.y0 - ScaledDistance(1, c.rules.scale)) << c.what;
  }
  // On the X axis nothing is held.
  const DivisionPlacement x = PlaceDivision(Rules(AnnotatedAxis::X, false, false), 0, 64, 0, {});
  EXPECT_EQ(x.number.at, (TPoint{100, 520}));
}

TEST(AnnotationPlacement, WidthsLeftUnmeasuredChangeNothing) {
  // A width that is not asked for may be anything: the placement is the same.
  const DivisionTextWidths measured{20, 13, 6};
  for (AnnotatedAxis axis : {AnnotatedAxis::X, AnnotatedAxis::Y, AnnotatedAxis::SecondY})
    for (bool vertical : {false, true})
      for (bool log : {false, true})
        for (std::int64_t i : {0, 1}) {
          const AnnotationRules rules = Rules(axis, vertical, log);
          const std::string what = "axis " + std::to_string(int(axis)) + (vertical ? " vertical" : " horizontal") +
                                   (log ? " decades" : " linear") + ", division " + std::to_string(i);
          DivisionTextWidths other = measured;
          if (!NeedsNumberWidth(rules, i)) other.number = 999;
          if (!NeedsTenWidth(rules)) other.ten = 999;
          if (!NeedsExponentWidth(rules)) other.exponent = 999;
          const DivisionPlacement a = PlaceDivision(rules, i, 64, 509, measured);
          const DivisionPlacement b = PlaceDivision(rules, i, 64, 509, other);
          EXPECT_EQ(a.number.at, b.number.at) << what;
          EXPECT_EQ(a.exponent.at, b.exponent.at) << what;
        }
  // And those asked for are read: the decades of the horizontal Y axis end W(e) before the offset.
  const AnnotationRules y = Rules(AnnotatedAxis::Y, false, true);
  EXPECT_TRUE(NeedsExponentWidth(y));
  EXPECT_NE(PlaceDivision(y, 1, 64, 509, {0, 0, 6}).number.at, PlaceDivision(y, 1, 64, 509, {0, 0, 9}).number.at);
}

TEST(AnnotationPlacement, LabelsAndTheirExponents) {
  struct Case {
    const char* what;
    AnnotationRules rules;
    int band;
    int labelWidth;
    TPoint label, exponent;
  };
  const Case cases[] = {
      {"X: below the axis at the band's edge", Rules(AnnotatedAxis::X, false, false), 40, 60, {150, 540}, {181, 536}},
      {"Y: band less h left of the axis", Rules(AnnotatedAxis::Y, false, false), 40, 60, {69, 250}, {65, 219}},
      {"second Y: the band right of the axis", Rules(AnnotatedAxis::SecondY, false, false), 40, 60, {140, 250},
       {136, 219}},
      {"X on the printer at 2.5: R(40), R(1) = 2, R(4) = 10", Rules(AnnotatedAxis::X, false, false, 2.5f), 40, 61,
       {150, 600}, {182, 590}},
  };
  for (const Case& c : cases) {
    const TPoint label = LabelPoint(c.rules, 150, 250, c.band);
    EXPECT_EQ(label, c.label) << c.what << ": label at " << Where(label);
    const TPoint raised = LabelExponentPoint(c.rules, label, c.labelWidth);
    EXPECT_EQ(raised, c.exponent) << c.what << ": exponent at " << Where(raised);
  }
}

TEST(AnnotationPlacement, OnlyDivisionsThatCanTouchTheAreaAreVisited) {
  const TRect tall{0, 0, 10, 4000000};
  struct Case {
    const char* what;
    AnnotationRules rules;
    std::int64_t count, width;
    TRect area;
    std::int64_t reach;
    std::int64_t first, last;  // last < first: none
  };
  const Case cases[] = {
      {"a tall image: the X axis's own width bounds its 100,000,000 divisions",
       {AnnotatedAxis::X, false, false, 9, 5, 5, 1.0f, -49999995, 2000000}, 100000000, 1, tall, 100,
       49999995 - 101, 49999995 + 9 + 101},
      {"the Y axis of the same image: every row can be reached", {AnnotatedAxis::Y, false, false, 9, 5, 5, 1.0f, 5, 4000000},
       100000000, 1, tall, 100, 0, 4000101},
      {"an X axis far below the image: none", {AnnotatedAxis::X, false, false, 9, 5, 5, 1.0f, 0, 5000},
       10, 64, {0, 0, 300, 300}, 100, 0, -1},
      {"an X axis just below, within reach: all", {AnnotatedAxis::X, false, false, 9, 5, 5, 1.0f, 0, 399},
       3, 64, {0, 0, 300, 300}, 100, 0, 3},
      {"a Y axis far right of the image: none", {AnnotatedAxis::Y, false, false, 9, 5, 5, 1.0f, 1000, 250},
       3, 64, {0, 0, 300, 300}, 100, 0, -1},
      {"a second Y axis far above: none along", {AnnotatedAxis::SecondY, false, false, 9, 5, 5, 1.0f, 200, -5000},
       3, 64, {0, 0, 300, 300}, 100, 0, -1},
      {"the printer scale stretches the steps", {AnnotatedAxis::X, false, false, 9, 5, 5, 6.25f, 0, 100},
       1000, 64, {0, 0, 5000, 5000}, 100, 0, 12},
      {"an empty area: none", {AnnotatedAxis::X, false, false, 9, 5, 5, 1.0f, 0, 0}, 3, 64, {}, 100, 0, -1},
  };
  for (const Case& c : cases) {
    const IndexRange range = DivisionsTouching(c.rules, c.count, c.width, c.area, {c.reach, c.reach});
    if (c.last < c.first) {
      EXPECT_TRUE(range.Empty()) << c.what << ": " << range.first << ".." << range.last;
    } else {
      EXPECT_EQ(range.first, c.first) << c.what;
      EXPECT_EQ(range.last, c.last) << c.what;
    }
  }
}

TEST(AnnotationPlacement, ReachCoversEverythingADivisionDraws) {
  // Whatever is drawn, its reference point and the text around it (up to the
  // widest text along, a cell across) lie within reach of the tick's point.
  const DivisionTextWidths widths{40, 13, 12};
  const int widest = 40, cell = 15;
  const XAxisClearance xAxis{false, false, 7, 3};
  for (AnnotatedAxis axis : {AnnotatedAxis::X, AnnotatedAxis::Y, AnnotatedAxis::SecondY})
    for (bool vertical : {false, true})
      for (bool log : {false, true})
        for (float scale : {1.0f, 6.25f}) {
          AnnotationRules rules{axis, vertical, log, 11, 8, 4, scale, 1000, 1000};
          const DivisionReach reach = DivisionReachOf(rules, xAxis, widest, cell);
          const int limit = LowestNumberLimit(rules, xAxis);
          for (std::int64_t i : {0, 1}) {
            const DivisionPlacement p = PlaceDivision(rules, i, 64, limit, widths);
            // Whether a point, with `extra` around it, lies within reach in both directions.
            const auto within = [&](TPoint at, std::int64_t extra) {
              const std::int64_t dx = std::abs(std::int64_t{at.X} - p.tickTo.X) + extra;
              const std::int64_t dy = std::abs(std::int64_t{at.Y} - p.tickTo.Y) + extra;
              return axis == AnnotatedAxis::X ? dx <= reach.along && dy <= reach.across
                                              : dy <= reach.along && dx <= reach.across;
            };
            const std::string what = "axis " + std::to_string(int(axis)) + (vertical ? " vertical" : " horizontal") +
                                     (log ? " decades" : " linear") + " at " + std::to_string(scale) +
                                     ", division " + std::to_string(i);
            EXPECT_TRUE(within(p.tickFrom, 0)) << what;
            EXPECT_TRUE(within(p.number.at, widest + cell)) << what << ": number at " << Where(p.number.at);
            if (log) {
              EXPECT_TRUE(within(p.exponent.at, widest + cell)) << what;
            }
          }
        }
}

TEST(AnnotationPlacement, LongTicksAndOffsetsWidenTheReachAcrossOnly) {
  // Ticks and offsets of two billion pixels must not make every division of
  // a long axis count as near the image.
  const TRect area{0, 0, 48, 48};
  for (AnnotatedAxis axis : {AnnotatedAxis::X, AnnotatedAxis::Y, AnnotatedAxis::SecondY}) {
    const AnnotationRules plain{axis, false, false, 11, 5, 5, 1.0f, 10, 40};
    AnnotationRules longTicks = plain;
    longTicks.ticLength = 2000000000;
    longTicks.numberOffset = 2000000000;
    const XAxisClearance xAxis{false, false, 2000000000, 7};
    const DivisionReach near = DivisionReachOf(plain, {}, 40, 15);
    const DivisionReach far = DivisionReachOf(longTicks, xAxis, 40, 15);
    EXPECT_EQ(far.along, near.along);
    EXPECT_GE(far.across, std::int64_t{2000000000});
    const IndexRange visited = DivisionsTouching(longTicks, 100000000, 1, area, far);
    EXPECT_EQ(visited.first, 0);
    EXPECT_LT(visited.last, 48 + far.along + 2) << "divisions beyond the image and the text's reach";
  }
}

TEST(AnnotationPlacement, LabelsBesideTheAreaAreSkipped) {
  const TRect area{0, 0, 300, 300};
  struct Case {
    const char* what;
    AnnotatedAxis axis;
    TPoint label;
    bool touches;
  };
  const Case cases[] = {
      {"X label inside", AnnotatedAxis::X, {150, 280}, true},
      {"X label far below", AnnotatedAxis::X, {150, 400}, false},
      {"X label a cell below: its raised exponent may reach", AnnotatedAxis::X, {150, 310}, true},
      {"X label beside the area: its width decides later", AnnotatedAxis::X, {5000, 150}, true},
      {"Y label far left", AnnotatedAxis::Y, {-200, 150}, false},
      {"Y label at the left edge", AnnotatedAxis::Y, {-10, 150}, true},
      {"second Y label far right", AnnotatedAxis::SecondY, {400, 150}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LabelCanTouch(Rules(c.axis, false, false), c.label, 12, area), c.touches) << c.what;
  }
  EXPECT_FALSE(LabelCanTouch(Rules(AnnotatedAxis::X, false, false), {150, 150}, 12, TRect{})) << "no area";
}

}  // namespace
}  // namespace pelk
