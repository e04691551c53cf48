// The distances a graph is drawn with, scaled with its fonts for screens of
// more than 96 pixels per inch.
#pragma once

#include "core/Pelkgraph.h"

namespace pelk::cli {

// Pixels per inch over 96; 1 for 0 (the default screen).
double DpiScale(int dpi);

// A distance of `pixels` at 96 dpi at the scale, rounded, never below 1 for a
// positive one.
int ScaledPixels(int pixels, double scale);

// Multiplies the graph's margins, text offsets, pen width and, on every axis,
// the division width, tick length, number and label offsets by the scale.
void ScaleGraphDistances(TPelkgraph& graph, double scale);

}  // namespace pelk::cli
