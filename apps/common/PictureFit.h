// Fitting a graph into a picture of a fixed size: titles too wide for it are
// set smaller, and a size too small for the texts is refused, naming the
// smallest that fits.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "common/Options.h"
#include "common/Picture.h"

namespace pelk::cli {

// A picture size the graph's texts do not fit in.
class SizeError : public std::runtime_error {
 public:
  SizeError(const std::string& what, PixelSize smallest) : std::runtime_error(what), smallest_(smallest) {}
  PixelSize Smallest() const { return smallest_; }

 private:
  PixelSize smallest_;
};

// The problems of the texts of the picture as rendered now (see TextProblems).
std::vector<std::string> PictureTextProblems(GraphPicture& picture);

// The point size, from `size` down to 6, at which a text `width` pixels wide
// at `size` points fits in `room` pixels (text widths grow with the size).
int FittingPointSize(int size, int width, int room);

// Renders the graph at the size it takes by itself: divisions too narrow for
// their numbers are widened, and title lines wider than the plot area are
// raised clear of the Y axes' top numbers.
void RenderAtNaturalSize(GraphPicture& picture);

// Renders the graph at the size; titles wider than the picture take a
// smaller font. Throws SizeError when texts still overlap or run past the
// edge, naming the smallest size (of the same proportions and at least as
// large) where they do not.
void RenderAtFixedSize(GraphPicture& picture, PixelSize size);

}  // namespace pelk::cli
