#include "platform/FontSizing.h"

#include <algorithm>
#include <cstdint>

#include "platform/Arith.h"

namespace pelk {

namespace {
int ClampEm(std::int64_t em) {
  return static_cast<int>(std::clamp<std::int64_t>(em, 1, kMaxEmPixels));
}
}  // namespace

int EmPixelsForHeight(int logicalHeight, int unitsPerEm, int cellUnits) {
  if (logicalHeight < 0) return ClampEm(-static_cast<std::int64_t>(logicalHeight));
  const std::int64_t cell = logicalHeight == 0 ? kDefaultCellPixels : logicalHeight;
  if (unitsPerEm <= 0 || cellUnits <= 0) return ClampEm(cell);
  // Rounded cell * unitsPerEm / cellUnits; both factors are positive.
  return ClampEm((2 * cell * unitsPerEm + cellUnits) / (2 * static_cast<std::int64_t>(cellUnits)));
}

int ScaleUnitsUp(int units, int emPixels, int unitsPerEm) {
  if (units <= 0 || emPixels <= 0 || unitsPerEm <= 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(units) * emPixels;
  return static_cast<int>(std::min<std::int64_t>((product + unitsPerEm - 1) / unitsPerEm, INT32_MAX));
}

int ScaleUnits(int units, int emPixels, int unitsPerEm) {
  if (emPixels <= 0 || unitsPerEm <= 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(units) * emPixels;
  const std::int64_t half = unitsPerEm / 2;
  const std::int64_t q = product >= 0 ? (product + half) / unitsPerEm : -((-product + half) / unitsPerEm);
  return ClampToInt(q);
}

int RescaleFontHeight(int height, int fromPixelsPerInch, int toPixelsPerInch) {
  constexpr int kPointsPerInch = 72;
  if (fromPixelsPerInch == toPixelsPerInch || fromPixelsPerInch <= 0 || toPixelsPerInch <= 0) return height;
  if (height >= 0) return MulDiv(height, toPixelsPerInch, fromPixelsPerInch);
  const int points = MulDiv(height, kPointsPerInch, fromPixelsPerInch);
  return MulDiv(points, toPixelsPerInch, kPointsPerInch);
}

}  // namespace pelk
