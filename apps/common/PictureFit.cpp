#include "common/PictureFit.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/TextBoxes.h"

namespace pelk::cli {

namespace {

constexpr int kSmallestTitlePoints = 6;
constexpr int kSearchSteps = 14;

// The division widths before a fixed size stretches them, and the title
// lines' point sizes before any is set smaller.
struct UnfittedState {
  int x = 0, y = 0;
  int title = 0, subtitle = 0, id = 0;
};

void RestoreTitleSizes(TPelkgraph& graph, const UnfittedState& start) {
  graph.TitleFont().SetSize(start.title);
  graph.SubtitleFont().SetSize(start.subtitle);
  graph.IdFont().SetSize(start.id);
}

bool FitsAt(GraphPicture& picture, const UnfittedState& widths, PixelSize size) {
  TPelkgraph& graph = picture.Graph();
  graph.XAxis().SetDivWidth(widths.x);
  graph.YAxis().SetDivWidth(widths.y);
  picture.SetFixedSize(size.width, size.height);
  picture.Render();
  return PictureTextProblems(picture).empty();
}

TFont* FontOfLine(TPelkgraph& graph, TextKind kind) {
  switch (kind) {
    case TextKind::Title: return &graph.TitleFont();
    case TextKind::Subtitle: return &graph.SubtitleFont();
    case TextKind::Id: return &graph.IdFont();
    default: return nullptr;
  }
}

// The first title line that overlaps another text or runs past the edge.
std::optional<TextBox> CrowdedTitleLine(TPelkgraph& graph) {
  const std::vector<TextBox> boxes = GraphTextBoxes(graph);
  for (const TextBox& line : boxes) {
    if (!FontOfLine(graph, line.kind)) continue;
    const std::vector<TextBox> alone{line};
    bool crowded = !TextProblems(alone, graph.Width(), graph.Height()).empty();
    for (const TextBox& other : boxes) {
      if (&other != &line && !TextProblems({line, other}, graph.Width(), graph.Height()).empty()) crowded = true;
    }
    if (crowded) return line;
  }
  return std::nullopt;
}

// Sets title lines that collide in smaller fonts, as far as the smallest.
void ShrinkCrowdedTitles(GraphPicture& picture, const UnfittedState& widths, PixelSize size) {
  TPelkgraph& graph = picture.Graph();
  while (const std::optional<TextBox> line = CrowdedTitleLine(graph)) {
    TFont& font = *FontOfLine(graph, line->kind);
    if (font.Size() <= kSmallestTitlePoints) return;
    // Clear of the Y axes' numbers: within the plot area's width.
    const int fitting = FittingPointSize(font.Size(), line->rect.Width(), graph.Xend() - graph.Xorigin());
    font.SetSize(std::min(fitting, font.Size() - 1));
    FitsAt(picture, widths, size);
  }
}

// How far the lowest title line must rise to clear the numbers it overlaps.
int TitleOverlapWithNumbers(TPelkgraph& graph) {
  const std::vector<TextBox> boxes = GraphTextBoxes(graph);
  int rise = 0;
  for (const TextBox& line : boxes) {
    if (!FontOfLine(graph, line.kind)) continue;
    for (const TextBox& number : boxes) {
      if ((number.kind == TextKind::Number || number.kind == TextKind::Exponent) &&
          !TextProblems({line, number}, graph.Width(), graph.Height()).empty()) {
        rise = std::max(rise, line.rect.Bottom - number.rect.Top);
      }
    }
  }
  return rise;
}

// The box with room around it, a sixth of its height each way, so that
// neighbouring numbers do not touch either.
TextBox Spaced(TextBox box) {
  const int room = std::max(1, std::min(box.rect.Width(), box.rect.Height()) / 6);
  box.rect = {box.rect.Left - room, box.rect.Top - room, box.rect.Right + room, box.rect.Bottom + room};
  return box;
}

// The axis (0 X, 1 Y, 2 second Y) whose numbers crowd each other; -1 for none.
int CrowdedAxis(TPelkgraph& graph) {
  const std::vector<TextBox> boxes = GraphTextBoxes(graph);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      const TextBox& a = boxes[i];
      const TextBox& b = boxes[j];
      if (a.kind == TextKind::Number && b.kind == TextKind::Number && a.axis == b.axis &&
          !TextProblems({Spaced(a), Spaced(b)}, graph.Width(), graph.Height()).empty()) {
        return a.axis;
      }
    }
  }
  return -1;
}

}  // namespace

void RenderAtNaturalSize(GraphPicture& picture) {
  constexpr int kMostWidenings = 8;
  constexpr int kMostRises = 4;
  TPelkgraph& graph = picture.Graph();
  picture.Render();
  // Divisions too narrow for their numbers grow by a quarter at a time; the
  // second Y axis writes on the first one's divisions.
  for (int attempt = 0; attempt < kMostWidenings; ++attempt) {
    const int axis = CrowdedAxis(graph);
    if (axis < 0) break;
    TAxis& widened = axis == 0 ? graph.XAxis() : graph.YAxis();
    widened.SetDivWidth(widened.DivisionWidth() + std::max(1, widened.DivisionWidth() / 4));
    picture.Render();
  }
  for (int attempt = 0; attempt < kMostRises; ++attempt) {
    const int rise = TitleOverlapWithNumbers(graph);
    if (rise <= 0) return;
    // The lowest line present sits its own offset above the plot area, the
    // others on top of it.
    if (!graph.Id().empty()) {
      graph.SetIdOffset(graph.IdOffset() + rise);
    } else if (!graph.Subtitle().empty()) {
      graph.SetSubtitleOffset(graph.SubtitleOffset() + rise);
    } else {
      graph.SetTitleOffset(graph.TitleOffset() + rise);
    }
    picture.Render();
  }
}

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
  const UnfittedState widths{graph.XAxis().DivisionWidth(), graph.YAxis().DivisionWidth(), graph.TitleFont().Size(),
                              graph.SubtitleFont().Size(), graph.IdFont().Size()};
  if (FitsAt(picture, widths, size)) return;
  ShrinkCrowdedTitles(picture, widths, size);
  if (FitsAt(picture, widths, size)) return;
  const std::string firstProblem = PictureTextProblems(picture).front();

  // The smallest size that fits, searched between the size asked for and the
  // size the graph takes by itself, with the title lines as they were given.
  RestoreTitleSizes(graph, widths);
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
  throw SizeError(std::to_string(size.width) + "x" + std::to_string(size.height) + " is too small for the graph (" +
                      firstProblem + "); the smallest size that fits is " + std::to_string(smallest.width) + "x" +
                      std::to_string(smallest.height),
                  smallest);
}

}  // namespace pelk::cli
