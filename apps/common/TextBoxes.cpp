#include "common/TextBoxes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>

#include "platform/Arith.h"
#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "platform/Screen.h"
#include "render/AnnotationPlacement.h"
#include "render/AxisNumbers.h"
#include "render/LayoutMath.h"

namespace pelk::cli {

namespace {

constexpr unsigned kHorizontalAlign = TA_LEFT | TA_CENTER | TA_RIGHT;

// The first or last row of the bitmap holding ink (not white); -1 for none.
int InkRow(TBitmap& bitmap, bool first) {
  TCanvas& canvas = bitmap.Canvas();
  for (int k = 0; k < bitmap.Height(); ++k) {
    const int y = first ? k : bitmap.Height() - 1 - k;
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (canvas.Pixel(x, y) != clWhite) return y;
    }
  }
  return -1;
}

int LineHeight(const TFont& font) { return MulDiv(font.Size(), Screen().PixelsPerInch(), 96); }

struct AxisOfGraph {
  AnnotatedAxis side;
  const TAxis& axis;
  const TAxis& divisionsOf;
  int x0;
  BandKind band;
  bool bandByHeight;
};

void AddAxisBoxes(TPelkgraph& graph, const AxisOfGraph& a, TCanvas& canvas, std::vector<TextBox>& boxes) {
  static const double ln10 = std::log(10.0);
  const TAxis& axis = a.axis;
  const int index = static_cast<int>(a.side);
  const bool vertical = axis.AnnotationAngle() == TAnnotationAngle::Vertical;
  const int height = LineHeight(axis.Font());
  const AnnotationRules rules{a.side, vertical, axis.LogAxis(), height, axis.TicLength(), axis.NumberOffset(),
                              1.0f, a.x0, graph.Yorigin()};
  const TAxis& x = graph.XAxis();
  const XAxisClearance clearance{x.LogAxis(), x.AnnotationAngle() == TAnnotationAngle::Vertical, x.TicLength(),
                                 x.NumberOffset()};
  const int limit = LowestNumberLimit(rules, clearance);
  canvas.Font().Assign(axis.Font());
  const FontReach reach = ReachOf(axis.Font());
  // X numbers turn with the angle; Y numbers too; Y labels always read upwards.
  const bool numbersRotated = vertical;
  const LinearAxisNumbers numbers{axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions(),
                                  axis.NumberOfFixed(), axis.NumberOfDecimals()};
  const CommonExponent exponent = axis.LogAxis() ? CommonExponent{} : AxisCommonExponent(numbers, ln10);
  const int divisions = a.divisionsOf.NumberOfDivisions();
  const int tenWidth = canvas.TextWidth("10");
  for (int i = 0; i <= divisions; ++i) {
    const std::string text = axis.LogAxis() ? std::string("10") : AxisDivisionText(numbers, exponent, i, ln10);
    const std::string power = axis.LogAxis() ? std::to_string(std::int64_t{axis.MinExponent()} + i) : std::string();
    const DivisionTextWidths widths{canvas.TextWidth(text), tenWidth, canvas.TextWidth(power)};
    const DivisionPlacement place = PlaceDivision(rules, i, a.divisionsOf.DivisionWidth(), limit, widths);
    boxes.push_back({PlacedTextBox(place.number.at, place.number.align, widths.number, reach, numbersRotated),
                     axis.LogAxis() ? text + "^" + power : text, TextKind::Number, index});
    if (axis.LogAxis()) {
      boxes.push_back({PlacedTextBox(place.exponent.at, place.exponent.align, widths.exponent, reach, numbersRotated),
                       power, TextKind::Exponent, index});
    }
  }
  if (axis.AxisLabel().empty()) return;
  const std::string label = exponent.applied ? axis.AxisLabel() + " *10" : axis.AxisLabel();
  BandInputs in;
  in.tic = axis.TicLength();
  in.offset = axis.NumberOffset();
  in.height = height;
  in.log = axis.LogAxis();
  in.byHeight = a.bandByHeight;
  in.hasLabel = true;
  in.labelOffset = axis.AxisLabelOffset();
  if (axis.LogAxis()) {
    in.tenWidth = tenWidth;
    in.exponentWidth = std::max(canvas.TextWidth(std::to_string(axis.MinExponent())),
                                canvas.TextWidth(std::to_string(std::int64_t{axis.MinExponent()} + divisions)));
  } else {
    in.numberWidth = std::max(canvas.TextWidth(AxisDivisionText(numbers, exponent, 0, ln10)),
                              canvas.TextWidth(AxisDivisionText(numbers, exponent, numbers.divisions, ln10)));
  }
  const PlotArea area = CentredPlotArea(graph.Width(), graph.Height(),
                                        AxisLength(x.NumberOfDivisions(), x.DivisionWidth()),
                                        AxisLength(graph.YAxis().NumberOfDivisions(), graph.YAxis().DivisionWidth()));
  const int depth = ClampToInt(BandDepth(a.band, in));
  const TPoint at = LabelPoint(rules, area.centerX, area.centerY, depth);
  const bool labelRotated = a.side != AnnotatedAxis::X;
  const int labelWidth = canvas.TextWidth(label);
  boxes.push_back({PlacedTextBox(at, TA_BASELINE | TA_CENTER, labelWidth, reach, labelRotated), label,
                   TextKind::Label, index});
  if (exponent.applied) {
    const std::string e = std::to_string(exponent.E);
    boxes.push_back({PlacedTextBox(LabelExponentPoint(rules, at, labelWidth), TA_BASELINE | TA_LEFT,
                                   canvas.TextWidth(e), reach, labelRotated),
                     e, TextKind::Exponent, index});
  }
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

std::string Quoted(const TextBox& box) { return "'" + box.text + "'"; }

}  // namespace

FontReach ReachOf(const TFont& font) {
  static std::map<std::tuple<std::string, int, int, int>, FontReach> measured;
  const auto key = std::tuple{font.Name(), font.Size(), static_cast<int>(font.Style().Bits()),
                              Screen().PixelsPerInch()};
  if (const auto found = measured.find(key); found != measured.end()) return found->second;
  TBitmap bitmap;
  const int cell = std::max(1, LineHeight(font)) * 3;
  bitmap.SetSize(cell * 2, cell * 2);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().Assign(font);
  canvas.Font().SetColor(clBlack);
  const auto inkOf = [&](const char* text, bool first) {
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    SetBkMode(canvas.Handle(), TRANSPARENT);
    SetTextAlign(canvas.Handle(), TA_BASELINE | TA_LEFT);
    canvas.TextOut(cell / 2, cell, text);
    return InkRow(bitmap, first);
  };
  const int top = inkOf("H", true);
  const int bottom = inkOf("gjpqy", false);
  const FontReach reach{top < 0 ? 0 : cell - top, bottom < 0 ? 0 : bottom - cell + 1};
  measured.emplace(key, reach);
  return reach;
}

TRect PlacedTextBox(TPoint at, unsigned align, int width, FontReach reach, bool rotated) {
  const unsigned horizontal = align & kHorizontalAlign;
  // Along the reading direction: where the run starts before the reference.
  const int before = horizontal == TA_CENTER ? width / 2 : horizontal == TA_RIGHT ? width : 0;
  if (!rotated) return {at.X - before, at.Y - reach.up, at.X - before + width, at.Y + reach.down};
  // Reading upwards: the run goes to smaller rows, the glyph tops point left.
  return {at.X - reach.up, at.Y + before - width, at.X + reach.down, at.Y + before};
}

std::vector<TextBox> GraphTextBoxes(TPelkgraph& graph) {
  std::vector<TextBox> boxes;
  TBitmap scratch;
  scratch.SetSize(1, 1);
  TCanvas& canvas = scratch.Canvas();
  const PlotArea area = CentredPlotArea(
      graph.Width(), graph.Height(), AxisLength(graph.XAxis().NumberOfDivisions(), graph.XAxis().DivisionWidth()),
      AxisLength(graph.YAxis().NumberOfDivisions(), graph.YAxis().DivisionWidth()));
  const TitleLines present{!graph.Title().empty(), !graph.Subtitle().empty(), !graph.Id().empty()};
  const TitleMetrics metrics{LineHeight(graph.TitleFont()), LineHeight(graph.SubtitleFont()),
                             LineHeight(graph.IdFont()),    graph.TitleOffset(),
                             graph.SubtitleOffset(),        graph.IdOffset()};
  const TitleBaselines baselines = TitleLineBaselines(present, metrics, graph.Yend(), 1.0f);
  const struct {
    const std::string& text;
    const TFont& font;
    int baseline;
    TextKind kind;
  } lines[] = {{graph.Title(), graph.TitleFont(), baselines.title, TextKind::Title},
               {graph.Subtitle(), graph.SubtitleFont(), baselines.subtitle, TextKind::Subtitle},
               {graph.Id(), graph.IdFont(), baselines.id, TextKind::Id}};
  for (const auto& line : lines) {
    if (line.text.empty()) continue;
    canvas.Font().Assign(line.font);
    boxes.push_back({PlacedTextBox({area.centerX, line.baseline}, TA_BASELINE | TA_CENTER,
                                   canvas.TextWidth(line.text), ReachOf(line.font), false),
                     line.text, line.kind});
  }
  const bool xByHeight = graph.XAxis().AnnotationAngle() == TAnnotationAngle::Horizontal;
  AddAxisBoxes(graph, {AnnotatedAxis::X, graph.XAxis(), graph.XAxis(), graph.Xorigin(), BandKind::XAxis, xByHeight},
               canvas, boxes);
  AddAxisBoxes(graph,
               {AnnotatedAxis::Y, graph.YAxis(), graph.YAxis(), graph.Xorigin(), BandKind::YAxis,
                graph.YAxis().AnnotationAngle() == TAnnotationAngle::Vertical},
               canvas, boxes);
  if (graph.SecondYaxis()) {
    AddAxisBoxes(graph,
                 {AnnotatedAxis::SecondY, graph.YAxis2(), graph.YAxis(), graph.Xend(), BandKind::SecondYAxis,
                  graph.YAxis2().AnnotationAngle() == TAnnotationAngle::Vertical},
                 canvas, boxes);
  }
  return boxes;
}

std::vector<std::string> TextProblems(const std::vector<TextBox>& boxes, int width, int height) {
  std::vector<std::string> problems;
  for (const TextBox& box : boxes) {
    if (box.rect.Left < 0 || box.rect.Top < 0 || box.rect.Right > width || box.rect.Bottom > height) {
      problems.push_back(Quoted(box) + " runs past the edge of the picture");
    }
  }
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      if (Overlap(boxes[i].rect, boxes[j].rect)) {
        problems.push_back(Quoted(boxes[i]) + " overlaps " + Quoted(boxes[j]));
      }
    }
  }
  const TextBox* previous = nullptr;
  for (const TextBox& box : boxes) {
    if (box.kind != TextKind::Number) continue;
    if (previous && previous->axis == box.axis && previous->text == box.text) {
      problems.push_back("neighbouring numbers of an axis both read " + Quoted(box));
    }
    previous = &box;
  }
  return problems;
}

}  // namespace pelk::cli
