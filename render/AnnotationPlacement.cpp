#include "render/AnnotationPlacement.h"

#include "platform/Arith.h"
#include "platform/Gdi.h"
#include "render/LayoutMath.h"

namespace pelk {

namespace {

constexpr std::uint32_t kBaselineCentre = TA_BASELINE | TA_CENTER;
constexpr std::uint32_t kBaselineRight = TA_BASELINE | TA_RIGHT;
constexpr std::uint32_t kBaselineLeft = TA_BASELINE | TA_LEFT;

int Add(std::int64_t a, std::int64_t b) { return ClampToInt(a + b); }

}  // namespace

int LowestNumberLimit(const AnnotationRules& rules, const XAxisClearance& xAxis) {
  // Decades of the X axis leave the tick out when their text runs across the Y axis's numbers.
  const bool decadesWithoutTick =
      xAxis.log && xAxis.vertical == (rules.axis == AnnotatedAxis::Y);
  const std::int64_t clearance = decadesWithoutTick ? xAxis.numberOffset
                                                    : std::int64_t{xAxis.numberOffset} + xAxis.ticLength;
  return Add(rules.y0, std::int64_t{ScaledDistance(clearance, rules.scale)} - 1);
}

bool NeedsNumberWidth(const AnnotationRules& rules, std::int64_t i) {
  return !rules.log && rules.vertical && i == 0 && rules.axis != AnnotatedAxis::X;
}

bool NeedsTenWidth(const AnnotationRules& rules) {
  // Every decade but those of the vertical X axis and the horizontal Y axis.
  return rules.log && !NeedsExponentWidth(rules);
}

bool NeedsExponentWidth(const AnnotationRules& rules) {
  return rules.log && ((rules.axis == AnnotatedAxis::X && rules.vertical) ||
                       (rules.axis == AnnotatedAxis::Y && !rules.vertical));
}

DivisionPlacement PlaceDivision(const AnnotationRules& rules, std::int64_t i, std::int64_t divisionWidth,
                                int limit, const DivisionTextWidths& widths) {
  const auto R = [s = rules.scale](std::int64_t v) -> std::int64_t { return ScaledDistance(v, s); };
  const std::int64_t T = rules.ticLength, O = rules.numberOffset, h = rules.textHeight;
  const int x0 = rules.x0, y0 = rules.y0;
  const bool xAxis = rules.axis == AnnotatedAxis::X;
  const bool left = rules.axis == AnnotatedAxis::Y;  // numbers left of the axis
  const std::int64_t along = R(i * divisionWidth);

  DivisionPlacement p;
  int x = x0, y = y0;
  if (xAxis) {
    x = Add(x0, along);
    p.tickFrom = {x, Add(y0, R(T))};
  } else {
    y = Add(y0, -along);
    p.tickFrom = {left ? Add(x0, -R(T)) : Add(x0, R(T)), y};
  }
  p.tickTo = {x, y};

  const bool lowest = i == 0 && !xAxis;
  // A rotated lowest number has its lower end on the limit at most.
  if (lowest && rules.vertical) {
    const std::int64_t half = (rules.log ? widths.ten : widths.number) / 2;
    if (y0 + half > limit) y = Add(limit, -half);
  }
  const auto aboveLimit = [&](int row) { return lowest ? std::min(row, limit) : row; };

  if (!rules.log) {
    if (xAxis) {
      p.number = rules.vertical ? TextSpot{{Add(x, R(h / 2)), Add(y0, R(T + O))}, kBaselineRight}
                                : TextSpot{{x, Add(y0, R(T + O + h + 1))}, kBaselineCentre};
    } else if (!rules.vertical) {
      p.number = {{left ? Add(x0, -R(T + O)) : Add(x0, R(T + O)), aboveLimit(Add(y, R(h / 2)))},
                  left ? kBaselineRight : kBaselineLeft};
    } else {
      p.number = {{left ? Add(x0, -R(T + O)) : Add(x0, R(T + O + h + 1)), y}, kBaselineCentre};
    }
    return p;
  }

  // Decades: "10" and its raised exponent, baseline-left.
  const std::int64_t halfH = R(h / 2);
  const std::int64_t wideDecade = MulDiv(static_cast<int>(h), 3, 2);
  TPoint ten, power;
  std::uint32_t align = kBaselineCentre;
  switch (rules.axis) {
    case AnnotatedAxis::X:
      if (!rules.vertical) {
        ten = {x, Add(y0, R(wideDecade + O + 1))};
        power = {Add(x, widths.ten / 2), Add(ten.Y, -halfH)};
      } else {
        align = kBaselineRight;
        ten = {Add(x + halfH, -R(1)), Add(std::int64_t{y0} + R(T + O) - R(T), widths.exponent)};
        power = {Add(ten.X, -halfH), Add(std::int64_t{y0} + widths.exponent, R(O))};
      }
      break;
    case AnnotatedAxis::Y:
      if (!rules.vertical) {
        align = kBaselineRight;
        ten = {Add(std::int64_t{x0} - R(O), -std::int64_t{widths.exponent}), aboveLimit(Add(y, R(h / 2 - 1)))};
        power = {ten.X, Add(ten.Y, -halfH)};
      } else {
        ten = {Add(x0, -R(O + T)), y};
        power = {Add(ten.X, -halfH), Add(y, -std::int64_t{widths.ten / 2})};
      }
      break;
    case AnnotatedAxis::SecondY:
      if (!rules.vertical) {
        align = kBaselineLeft;
        ten = {Add(x0, R(O + T)), aboveLimit(Add(y, R(h / 2 - 1)))};
        power = {Add(ten.X, widths.ten), Add(ten.Y, -halfH)};
      } else {
        ten = {Add(x0, R(wideDecade + O + 1)), y};
        power = {Add(ten.X, -halfH), Add(y, -std::int64_t{widths.ten / 2})};
      }
      break;
  }
  p.number = {ten, align};
  p.exponent = {power, kBaselineLeft};
  return p;
}

TPoint LabelPoint(const AnnotationRules& rules, int centerX, int centerY, int bandDepth) {
  const auto R = [s = rules.scale](std::int64_t v) -> std::int64_t { return ScaledDistance(v, s); };
  switch (rules.axis) {
    case AnnotatedAxis::X: return {centerX, Add(rules.y0, R(bandDepth))};
    case AnnotatedAxis::Y: return {Add(rules.x0, -R(std::int64_t{bandDepth} - rules.textHeight)), centerY};
    case AnnotatedAxis::SecondY: return {Add(rules.x0, R(bandDepth)), centerY};
  }
  return {};
}

TPoint LabelExponentPoint(const AnnotationRules& rules, TPoint label, int labelWidth) {
  const std::int64_t one = ScaledDistance(1, rules.scale);
  const std::int64_t halfH = ScaledDistance(rules.textHeight / 2, rules.scale);
  if (rules.axis == AnnotatedAxis::X) {
    return {Add(std::int64_t{label.X} + labelWidth / 2, one), Add(label.Y, -halfH)};
  }
  return {Add(label.X, -halfH), Add(std::int64_t{label.Y} - labelWidth / 2, -one)};
}

DivisionReach DivisionReachOf(const AnnotationRules& rules, const XAxisClearance& xAxis, int widestText,
                              int textCell) {
  // A text reaches at most its width and a cell (the glyphs' overhang, or
  // the cell height of rotated text) from its reference point.
  const std::int64_t texts = std::int64_t{widestText} + textCell + 2;
  const std::int64_t along = 2 * std::int64_t{rules.textHeight} + 2;
  const std::int64_t across =
      along + std::int64_t{rules.ticLength} + rules.numberOffset + xAxis.ticLength + xAxis.numberOffset;
  return {ScaledDistance(along, rules.scale) + texts, ScaledDistance(across, rules.scale) + texts};
}

IndexRange DivisionsTouching(const AnnotationRules& rules, std::int64_t count, std::int64_t divisionWidth,
                             const TRect& area, const DivisionReach& reach) {
  if (area.IsEmpty()) return {};
  const double step = static_cast<double>(divisionWidth) * rules.scale;
  const double margin = static_cast<double>(reach.along) + 1;  // and the rounding of R(i * D)
  if (rules.axis == AnnotatedAxis::X) {
    if (rules.y0 + reach.across < area.Top || rules.y0 - reach.across >= area.Bottom) return {};
    return VisibleIndexRange(count, step, rules.x0, area.Left, area.Right - 1, margin);
  }
  if (rules.x0 + reach.across < area.Left || rules.x0 - reach.across >= area.Right) return {};
  // The Y axes step upwards: positions -y0 + i * step over the negated rows.
  return VisibleIndexRange(count, step, -static_cast<double>(rules.y0), 1.0 - area.Bottom, -static_cast<double>(area.Top),
                           margin);
}

bool LabelCanTouch(const AnnotationRules& rules, TPoint label, int textCell, const TRect& area) {
  if (area.IsEmpty()) return false;
  // The text cell, and the raised exponent half a text height and a pixel further.
  const std::int64_t reach = std::int64_t{textCell} + ScaledDistance(rules.textHeight / 2, rules.scale) +
                             ScaledDistance(1, rules.scale) + 1;
  const std::int64_t at = rules.axis == AnnotatedAxis::X ? label.Y : label.X;
  const std::int64_t from = rules.axis == AnnotatedAxis::X ? area.Top : area.Left;
  const std::int64_t to = rules.axis == AnnotatedAxis::X ? area.Bottom : area.Right;
  return at + reach >= from && at - reach < to;
}

}  // namespace pelk
