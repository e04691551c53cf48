// The arithmetic of the viewer's axes: the range a view asks an axis to
// show, the linear scale that shows it in a number of divisions, how many
// divisions leave their numbers room along the axis, and the wheel's zoom.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelk::view {

// The values an axis is asked to show: exactly from `from` to `to`, or (nice)
// in round steps covering them.
struct AxisRange {
  double from = 0.0;
  double to = 1.0;
  bool nice = false;
  friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// What a view asks of the three axes.
struct GraphRanges {
  AxisRange x, y, y2;
  friend bool operator==(const GraphRanges&, const GraphRanges&) = default;
};

// The settings of a linear axis.
struct LinearScale {
  double origin = 0.0;
  double step = 1.0;
  int divisions = 1;
  int decimals = 0;
  friend bool operator==(const LinearScale&, const LinearScale&) = default;
};

inline constexpr int kMostDivisions = 10;

// The scale of `divisions` equal steps over the range, or of the round steps
// that cover it. Its decimals are the fewest with which neighbouring numbers
// differ and, for a range shown exactly, with which no number is off its
// tick by more than a tenth of a step. nullopt when no finite scale shows it.
std::optional<LinearScale> ScaleOver(const AxisRange& range, int divisions, int numberOfFixed);

// The division numbers as the axis writes them, from the origin on.
std::vector<std::string> NumberTexts(const LinearScale& scale, int numberOfFixed);

// The room the numbers of one axis have along it.
struct NumberRoom {
  int axisLength = 0;  // pixels from the first division to the last
  int gap = 0;         // blank pixels kept between neighbouring numbers
  // Rotated numbers of a Y axis: how far below the axis's start the lowest
  // may reach before the graph lifts it; none: it is centred on its tick.
  std::optional<int> lowestReach;
  std::function<int(const std::string&)> extentOf;  // a number's length along the axis
};

// Whether the numbers, each centred on its tick, keep the gap between them.
bool NumbersHaveRoom(const std::vector<std::string>& texts, const NumberRoom& room);

// One of the axes that share their divisions (the two Y axes do).
struct SharedAxis {
  AxisRange range;
  int numberOfFixed = 0;
  NumberRoom room;
};

// The scales of axes sharing one number of divisions, at most `most`: the
// most divisions whose numbers have room on every axis, and among those, where
// a range is nice, the one whose steps cover the ranges most tightly. The
// fewest divisions that show every range when no number leaves room;
// nullopt when a range has no scale.
std::optional<std::vector<LinearScale>> ChooseScales(std::span<const SharedAxis> axes, int most);

// Divisions of at least leastWidth pixels on an axis of the length, from 1 to
// kMostDivisions.
int MostDivisions(int axisLength, int leastWidth);

// The range zoomed by `factor` (below 1 zooms in) about the value `at`, a
// logarithmic one in its exponents; shown exactly.
AxisRange ZoomedAbout(const AxisRange& range, double at, double factor, bool log);

// Whether an axis can show the range: finite, within single precision and
// wide enough for neighbouring pixels to differ in it, positive on a
// logarithmic axis.
bool Showable(const AxisRange& range, bool log);
bool Showable(const GraphRanges& ranges, bool logX, bool logY, bool logY2, bool secondY);

}  // namespace pelk::view
