// Pixel offsets of grid lines from the axis origin, on screen and on the
// printer. Division i (from 0) spans offsets i*DW .. (i+1)*DW.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Types.h"

namespace pelk {

// The plot-area fill under the grid, for axes of the given lengths in screen
// pixels: on screen one pixel past them (the right column and bottom row
// included), on the printer their scaled lengths truncated.
TRect GridFillRect(int xorigin, int yend, std::int64_t xLength, std::int64_t yLength,
                   std::optional<float> printerScale);

// Minor line j (1..minorDivs) of division i on a linear axis; j == minorDivs
// is the next major line. nullopt when minorDivs <= 0 (no minor lines) or the
// offset leaves the 32-bit range.
std::optional<std::int32_t> LinearMinorOffset(int divisionWidth, int minorDivs, int i, int j);
std::optional<std::int32_t> LinearMinorOffsetPrinter(int divisionWidth, int minorDivs, int i, int j,
                                                     float printerScale);

// Printer offset of major line i: Round(DW * i * s).
std::optional<std::int32_t> MajorOffsetPrinter(int divisionWidth, int i, float printerScale);

// Logarithmic axes walk the decades: the value before the first division is
// 10^(minExponent-1), and each division starts by multiplying it by 10.
float FirstLogDecade(int minExponent, double ln10);
float NextLogDecade(float decade);

// Unrounded offset of the line at value j * decade (j = 1..9) of the division
// whose decade value is given.
float LogMinorPosition(float decade, int j, int minExponent, int divisionWidth, double ln10);

// The rounded offsets of an unrounded one on screen and on the printer.
std::optional<std::int32_t> ScreenOffset(float position);
std::optional<std::int32_t> PrinterOffset(float position, float printerScale);

}  // namespace pelk
