// Drives a headless graph with a sequence of public calls decoded from the
// input: setters of the graph and its axes, SetAxis, drawing calls (single
// and batch), mouse events, Refresh and Paint, with extreme values mixed in.
// The image stays small (AutoSize off, at most 64 x 64 pixels), so every call
// must finish quickly whatever its arguments.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/Forms.h"

using namespace pelk;

// fontconfig keeps a few blocks of its configuration to the end (a known leak
// of the library), which leak checking ignores.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

int AnyInt(FuzzedDataProvider& in) {
  static constexpr int kExtremes[] = {0, 1, -1, 2, 100, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1, 1 << 30, 100000000};
  return in.ConsumeBool() ? in.PickValueInArray(kExtremes) : in.ConsumeIntegral<int>();
}

float AnyFloat(FuzzedDataProvider& in) {
  static constexpr float kExtremes[] = {0.0f, -0.0f, 1.0f, -1.0f, 3.4e38f, -3.4e38f, -3.3e38f, 2e38f, -2e38f,
                                        1e-38f, 1e-45f, std::numeric_limits<float>::infinity(),
                                        -std::numeric_limits<float>::infinity(),
                                        std::numeric_limits<float>::quiet_NaN()};
  return in.ConsumeBool() ? in.PickValueInArray(kExtremes) : in.ConsumeFloatingPoint<float>();
}

double AnyDouble(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? static_cast<double>(AnyFloat(in)) : in.ConsumeFloatingPoint<double>();
}

std::string AnyText(FuzzedDataProvider& in) {
  std::string text = in.ConsumeRandomLengthString(64);
  // Now and then a long repetition of it, as a hostile host might pass.
  if (!text.empty() && in.ConsumeBool()) {
    const std::size_t copies = in.ConsumeIntegralInRange<std::size_t>(1, 20000 / text.size() + 1);
    std::string repeated;
    for (std::size_t i = 0; i < copies; ++i) repeated += text;
    text = repeated;
  }
  return text;
}

TAxis& AnyAxis(TPelkgraph& graph, FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: return graph.XAxis();
    case 1: return graph.YAxis();
    default: return graph.YAxis2();
  }
}

void SetAxisProperty(TAxis& axis, FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 13)) {
    case 0: axis.SetNdivs(AnyInt(in)); break;
    case 1: axis.SetDivWidth(AnyInt(in)); break;
    case 2: axis.SetOrgVal(AnyDouble(in)); break;
    case 3: axis.SetScale(AnyDouble(in)); break;
    case 4: axis.SetLog(in.ConsumeBool()); break;
    case 5: axis.SetMinExponent(AnyInt(in)); break;
    case 6: axis.SetNdecs(AnyInt(in)); break;
    case 7: axis.SetNfixed(AnyInt(in)); break;
    case 8: axis.SetTicLength(AnyInt(in)); break;
    case 9: axis.SetNumberOffset(AnyInt(in)); break;
    case 10: axis.SetLabelOffset(AnyInt(in)); break;
    case 11:
      axis.SetAnnotationAngle(in.ConsumeBool() ? TAnnotationAngle::Vertical : TAnnotationAngle::Horizontal);
      break;
    case 12: axis.SetAxisLabel(AnyText(in)); break;
    default: axis.Font().SetSize(in.ConsumeIntegralInRange(-2000, 2000)); break;
  }
}

void SetGraphProperty(TPelkgraph& graph, FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 19)) {
    case 0: graph.SetTitle(AnyText(in)); break;
    case 1: graph.SetSubtitle(AnyText(in)); break;
    case 2: graph.SetIdentification(AnyText(in)); break;
    case 3: graph.TitleFont().SetSize(in.ConsumeIntegralInRange(-2000, 2000)); break;
    case 4: graph.SetTitleOffset(AnyInt(in)); break;
    case 5: graph.SetLRmargin(AnyInt(in)); break;
    case 6: graph.SetTBmargin(AnyInt(in)); break;
    case 7: graph.SetBorder(in.ConsumeBool()); break;
    case 8: graph.SetSecondYaxis(in.ConsumeBool()); break;
    case 9: graph.SetUseSecondYAxis(in.ConsumeBool()); break;
    case 10: graph.SetMajorGrid(in.ConsumeBool()); break;
    case 11: graph.SetMinorGrid(in.ConsumeBool()); break;
    case 12: graph.SetMinorGridDivisions(AnyInt(in)); break;
    case 13: graph.SetPenWidth(AnyInt(in)); break;
    case 14: graph.SetPenStyle(static_cast<TPenStyle>(in.ConsumeIntegralInRange(0, 6))); break;
    case 15: graph.SetPenMode(static_cast<TPenMode>(in.ConsumeIntegralInRange(0, 15))); break;
    case 16: graph.SetClipData(in.ConsumeBool()); break;
    case 17: graph.SetLineMode(in.ConsumeBool() ? TLineMode::Windows : TLineMode::Graph); break;
    case 18: graph.SetStretchAxes(static_cast<TStretchOption>(in.ConsumeIntegralInRange(0, 3))); break;
    default:
      graph.SetBounds(in.ConsumeIntegralInRange(-8, 8), in.ConsumeIntegralInRange(-8, 8),
                      in.ConsumeIntegralInRange(0, 64), in.ConsumeIntegralInRange(0, 64));
      break;
  }
}

// A batch line call over up to 64 points; the scaled one with spans of
// different lengths.
void AnyBatch(TPelkgraph& graph, FuzzedDataProvider& in) {
  const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 64);
  if (in.ConsumeBool()) {
    std::vector<TPoint> points(count);
    for (TPoint& p : points) p = {AnyInt(in), AnyInt(in)};
    graph.LineTo(points);
    return;
  }
  std::vector<float> xs(count), ys(in.ConsumeIntegralInRange<std::size_t>(0, 64));
  for (float& x : xs) x = AnyFloat(in);
  for (float& y : ys) y = AnyFloat(in);
  graph.LineScaledTo(xs, ys);
}

TShiftState AnyShift(FuzzedDataProvider& in) { return TShiftState::FromBits(in.ConsumeIntegralInRange(0, 127)); }

TMouseButton AnyButton(FuzzedDataProvider& in) { return static_cast<TMouseButton>(in.ConsumeIntegralInRange(0, 2)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  TForm form;
  form.SetClientSize(64, 64);
  TPelkgraph graph(&form);
  graph.SetAutoSize(false);
  graph.SetBounds(0, 0, 48, 48);
  for (int call = 0; call < 32 && in.remaining_bytes() > 0; ++call) {
    switch (in.ConsumeIntegralInRange(0, 13)) {
      case 0: SetGraphProperty(graph, in); break;
      case 1: SetAxisProperty(AnyAxis(graph, in), in); break;
      case 2: {
        TAxis& axis = AnyAxis(graph, in);
        const int divisions = AnyInt(in);
        const float v1 = AnyFloat(in), v2 = AnyFloat(in);
        graph.SetAxis(axis, divisions, v1, v2, in.ConsumeBool());
        break;
      }
      case 3: {
        const int x = AnyInt(in);
        graph.MoveTo(x, AnyInt(in));
        break;
      }
      case 4: {
        const int x = AnyInt(in);
        graph.LineTo(x, AnyInt(in));
        break;
      }
      case 5: {
        const float x = AnyFloat(in);
        graph.MoveScaledTo(x, AnyFloat(in));
        break;
      }
      case 6: {
        const float x = AnyFloat(in);
        graph.LineScaledTo(x, AnyFloat(in));
        break;
      }
      case 7: graph.PlotLastPixel(); break;
      case 8: {
        const TMouseButton button = AnyButton(in);
        const TShiftState shift = AnyShift(in);
        const int x = AnyInt(in);
        graph.MouseDown(button, shift, x, AnyInt(in));
        break;
      }
      case 9: {
        const TShiftState shift = AnyShift(in);
        const int x = AnyInt(in);
        graph.MouseMove(shift, x, AnyInt(in));
        break;
      }
      case 10: {
        const TMouseButton button = AnyButton(in);
        const TShiftState shift = AnyShift(in);
        const int x = AnyInt(in);
        graph.MouseUp(button, shift, x, AnyInt(in));
        break;
      }
      case 11: graph.Refresh(); break;
      case 12: AnyBatch(graph, in); break;
      default: graph.Paint(); break;
    }
  }
  graph.Refresh();
  return 0;
}
