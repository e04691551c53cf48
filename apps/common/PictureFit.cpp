#include "common/PictureFit.h"

#include <algorithm>
#include <cmath>

#include "common/TextBoxes.h"

namespace pelk::cli {

namespace {

constexpr int kSmallestTitlePoints = 6;
constexpr int kSearchSteps = 14;

// The division widths before a fixed size stretches them.
struct DivisionWidths {
  int x = 0, y = 0;
};

bool FitsAt(GraphPicture& picture, const DivisionWidths& widths, PixelSize size) {
  TPelkgraph& graph = picture.Graph();
  graph.XAxis().SetDivWidth(widths.x);
  graph.YAxis().SetDivWidth(widths.y);
  picture.SetFixedSize(size.width, size.height);
  picture.Render();
  return PictureTextProblems(picture).empty();
}

// Sets each title line wider than the picture's inside in a smaller font.
void ShrinkWideTitles(TPelkgraph& graph) {
  const int room = graph.Width() - 2 * graph.LRmargin();
  for (const TextBox& box : GraphTextBoxes(graph)) {
    TFont* font = box.kind == TextKind::Title      ? &graph.TitleFont()
                  : box.kind == TextKind::Subtitle ? &graph.SubtitleFont()
                  : box.kind == TextKind::Id       ? &graph.IdFont()
                                                   : nullptr;
    if (font && box.rect.Width() > room) font->SetSize(FittingPointSize(font->Size(), box.rect.Width(), room));
  }
}

}  // namespace

std::vector<std::string> PictureTextProblems(GraphPicture& picture) {
  TPelkgraph& graph = picture.Graph();
  return TextProblems(GraphTextBoxes(graph), graph.Width(), graph.Height());
}

int FittingPointSize(int size, int width, int room) {
  if (width <= room || width <= 0) return size;
  const int fitting = static_cast<int>(std::floor(static_cast<double>(size) * std::max(room, 0) / width));
  return std::clamp(fitting, kSmallestTitlePoints, std::max(size, kSmallestTitlePoints));
}

void RenderAtFixedSize(GraphPicture& picture, PixelSize size) {
  TPelkgraph& graph = picture.Graph();
  const DivisionWidths widths{graph.XAxis().DivisionWidth(), graph.YAxis().DivisionWidth()};
  if (FitsAt(picture, widths, size)) return;
  ShrinkWideTitles(graph);
  if (FitsAt(picture, widths, size)) return;

  // The smallest size that fits, searched between the size asked for and the
  // size the graph takes by itself.
  graph.XAxis().SetDivWidth(widths.x);
  graph.YAxis().SetDivWidth(widths.y);
  graph.SetAutoSize(true);
  picture.Render();
  const PixelSize natural{graph.Width(), graph.Height()};
  double fits = std::max({1.0, static_cast<double>(natural.width) / size.width,
                          static_cast<double>(natural.height) / size.height});
  double fails = 1.0;
  const auto scaled = [&](double factor) {
    return PixelSize{static_cast<int>(std::ceil(size.width * factor)), static_cast<int>(std::ceil(size.height * factor))};
  };
  // The natural size's proportions may differ: grow until a size fits.
  const auto withinLimits = [&](double factor) {
    const PixelSize next = scaled(factor * 1.5);
    return next.width <= kMaxSide && next.height <= kMaxSide &&
           static_cast<long long>(next.width) * next.height <= kMaxPixels;
  };
  while (!FitsAt(picture, widths, scaled(fits)) && withinLimits(fits)) {
    fails = fits;
    fits *= 1.5;
  }
  for (int step = 0; step < kSearchSteps; ++step) {
    const double middle = (fits + fails) / 2;
    (FitsAt(picture, widths, scaled(middle)) ? fits : fails) = middle;
  }
  const PixelSize smallest = scaled(fits);
  FitsAt(picture, widths, size);
  throw SizeError(std::to_string(size.width) + "x" + std::to_string(size.height) +
                      " is too small for the graph's texts; the smallest size that fits is " +
                      std::to_string(smallest.width) + "x" + std::to_string(smallest.height),
                  smallest);
}

}  // namespace pelk::cli
