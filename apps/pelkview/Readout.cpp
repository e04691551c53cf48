#include "pelkview/Readout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pelk::view {

namespace {

constexpr int kMostDigits = 9;

std::string Printed(int digits, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", digits, value);
  return text;
}

}  // namespace

std::string ReadingOf(double value, double neighbour) {
  if (!std::isfinite(value)) return "-";
  const double perPixel = std::fabs(neighbour - value);
  if (!(perPixel > 0) || !std::isfinite(perPixel)) return Printed(7, value);
  const double quantum = std::pow(10.0, std::floor(std::log10(perPixel)));
  const double rounded = std::round(value / quantum) * quantum;
  if (rounded == 0 || !std::isfinite(rounded)) return "0";
  const int digits = static_cast<int>(std::floor(std::log10(std::fabs(rounded) / quantum))) + 1;
  return Printed(std::clamp(digits, 1, kMostDigits), rounded);
}

std::string ReadoutText(const CursorValues& values) {
  std::string text = "x " + ReadingOf(values.x, values.xNeighbour) + "   y " + ReadingOf(values.y, values.yNeighbour);
  if (values.y2) text += "   y2 " + ReadingOf(*values.y2, values.y2Neighbour.value_or(*values.y2));
  return text;
}

}  // namespace pelk::view
