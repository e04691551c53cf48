// Where the texts of a rendered graph lie, computed from the layout the
// graph made and the metrics of its fonts, and what is wrong with them:
// texts overlapping, running past the picture's edge, neighbouring numbers
// of an axis that read the same.
#pragma once

#include <string>
#include <vector>

#include "core/Pelkgraph.h"

namespace pelk::cli {

enum class TextKind { Title, Subtitle, Id, Number, Exponent, Label, Legend };

struct TextBox {
  TRect rect;  // control pixels, right and bottom excluded
  std::string text;
  TextKind kind = TextKind::Number;
  int axis = -1;  // numbers and labels: 0 X, 1 Y, 2 second Y
};

// How far the ink of a font reaches from the baseline: up to the top of its
// capitals, down to the bottom of its descenders.
struct FontReach {
  int up = 0;
  int down = 0;
};
// Measured on a bitmap at the screen's resolution.
FontReach ReachOf(const TFont& font);

// The title lines, division numbers with their exponents and the axis labels
// of a graph laid out and rendered on the screen.
std::vector<TextBox> GraphTextBoxes(TPelkgraph& graph);

// A text's box from its reference point, alignment (TA_ flags), advance width
// and reach; rotated text reads bottom to top.
TRect PlacedTextBox(TPoint at, unsigned align, int width, FontReach reach, bool rotated);

// What is wrong with the boxes in a picture of width x height: one line for
// each text past the edge, each overlapping pair and each pair of
// neighbouring numbers of an axis that read alike; empty when all is well.
std::vector<std::string> TextProblems(const std::vector<TextBox>& boxes, int width, int height);

}  // namespace pelk::cli
