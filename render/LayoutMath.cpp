#include "render/LayoutMath.h"


#include "platform/Arith.h"

namespace pelk {

int ScaledDistance(std::int64_t v, float scale) {
  return ClampToInt(Round(static_cast<double>(v) * static_cast<double>(scale)));
}

int AxisLength(int divisions, int divisionWidth) { return ClampToInt(std::int64_t{divisions} * divisionWidth); }

int TitleBlockHeight(TitleLines present, const TitleMetrics& m) {
  std::int64_t id = std::int64_t{m.idHeight} + m.idOffset;
  std::int64_t subtitle = std::int64_t{m.subtitleHeight} + m.subtitleOffset;
  std::int64_t title = std::int64_t{m.titleHeight} + m.titleOffset;
  if (present.title) return ClampToInt(title + subtitle + id);
  if (present.subtitle) return ClampToInt(subtitle + id);
  if (present.id) return ClampToInt(id);
  return 0;
}

TitleBaselines TitleLineBaselines(TitleLines present, const TitleMetrics& m, int yend, float scale) {
  const auto R = [scale](std::int64_t v) -> std::int64_t { return ScaledDistance(v, scale); };
  const std::int64_t idGroup = std::int64_t{m.idHeight} + m.idOffset;
  const std::int64_t subtitleGroup = std::int64_t{m.subtitleHeight} + m.subtitleOffset;
  // The groups of absent lines are taken away again.
  const std::int64_t idBack = present.id ? 0 : R(idGroup);
  const std::int64_t subtitleBack = present.subtitle ? 0 : R(subtitleGroup);
  TitleBaselines b;
  b.id = ClampToInt(yend - R(m.idOffset));
  b.subtitle = ClampToInt(yend - R(idGroup + m.subtitleOffset) + idBack);
  b.title = ClampToInt(yend - R(subtitleGroup + idGroup + m.titleOffset) + idBack + subtitleBack);
  return b;
}

std::int64_t BandDepth(BandKind kind, const BandInputs& in) {
  const std::int64_t tic = in.tic, offset = in.offset, height = in.height;
  std::int64_t depth;
  if (in.byHeight) {
    depth = tic + offset + height;
    if (in.log && kind != BandKind::XAxis) depth += height / 2;
  } else if (!in.log) {
    depth = tic + offset + in.numberWidth;
  } else {
    // Decade labels start NumberOffset from the axis, on the second Y axis
    // TicLength + NumberOffset.
    depth = offset + in.tenWidth + in.exponentWidth;
    if (kind == BandKind::SecondYAxis) depth += tic;
  }
  if (in.hasLabel) depth += std::int64_t{in.labelOffset} + height;
  return depth;
}

PlotArea CentredPlotArea(int width, int height, int xAxisLength, int yAxisLength) {
  PlotArea a;
  a.centerX = width / 2;
  a.centerY = height / 2;
  a.xorigin = ClampToInt(std::int64_t{a.centerX} - xAxisLength / 2);
  a.yorigin = ClampToInt(std::int64_t{a.centerY} + yAxisLength / 2);
  a.xend = ClampToInt(std::int64_t{a.xorigin} + xAxisLength);
  a.yend = ClampToInt(std::int64_t{a.yorigin} - yAxisLength);
  return a;
}

std::optional<int> StretchedDivisionWidth(int divisionWidth, int divisions, int size, int need,
                                          TStretchOption option) {
  if (divisions == 0) return std::nullopt;
  const std::int64_t excess = (std::int64_t{need} - size) / divisions;
  const std::int64_t candidate = std::int64_t{divisionWidth} - excess;
  if (candidate <= 0) return std::nullopt;
  if (candidate > divisionWidth && option == TStretchOption::ShrinkOnly) return std::nullopt;
  if (candidate < divisionWidth && option == TStretchOption::StretchOnly) return std::nullopt;
  return ClampToInt(candidate);
}

}  // namespace pelk
